// The entry points of Quorlet.dll, with C linkage so the program finds them
// by their plain names. Failures are raised as C++ exceptions derived from
// std::exception; the program catches them around its calls. Both sides are
// built with the same compiler and fully static runtimes, which is what lets
// an exception cross the DLL boundary.
#pragma once

#ifdef QUORLET_BUILDING_DLL
#define QUORLET_API __declspec(dllexport)
#else
#define QUORLET_API __declspec(dllimport)
#endif

extern "C" {

// 8-bit paths and text are in the system code page.
QUORLET_API void InitPDFDoc(const char* outputPath);
QUORLET_API void FinishPDFDoc();
QUORLET_API void BiginPDFPage(double width, double height);
QUORLET_API void EndPDFPage();
QUORLET_API void InsertPDFImage(double x, double y, double width, double height, const char* imagePath);
QUORLET_API void InsertTiffIPDFmage(double x, double y, double width, double height, const char* imagePath);
QUORLET_API void DrawPDFText(double x, double y, double fontSize, const char* text);
QUORLET_API void SetCurColor(double red, double green, double blue);

// Wide twins of the path entry points: any file name the system can hold.
QUORLET_API void InitPDFDocW(const wchar_t* outputPath);
QUORLET_API void InsertPDFImageW(double x, double y, double width, double height, const wchar_t* imagePath);
QUORLET_API void InsertTiffIPDFmageW(double x, double y, double width, double height, const wchar_t* imagePath);

}
