// Thin layer from the exported C entry points to the portable writer
// session: path conversion and nothing else.
#include "quorlet/dll/quorlet_exports.h"

#include "quorlet/writer_session.h"

#include <windows.h>

#include <filesystem>
#include <string>

namespace {

using quorlet::TheWriterSession;

// An 8-bit path from the program. Its conversion from the program's wide
// path puts '?' where the code page has no character; '?' cannot occur in a
// Windows file name, so such a path is refused instead of opening a file
// the user did not mean.
std::filesystem::path FromCodePage(const char* path)
{
    if (!path || !*path) TheWriterSession().Fail("no path was given");
    if (std::string(path).find('?') != std::string::npos)
        TheWriterSession().Fail("the path holds characters the system code page cannot express");
    const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
    if (length <= 0) TheWriterSession().Fail("the path is not valid in the system code page");
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length) - 1);
    return std::filesystem::path(wide);
}

std::filesystem::path FromWide(const wchar_t* path)
{
    if (!path || !*path) TheWriterSession().Fail("no path was given");
    return std::filesystem::path(path);
}

}  // namespace

extern "C" {

void InitPDFDoc(const char* outputPath) { TheWriterSession().Init(FromCodePage(outputPath)); }
void InitPDFDocW(const wchar_t* outputPath) { TheWriterSession().Init(FromWide(outputPath)); }
void FinishPDFDoc() { TheWriterSession().Finish(); }
void BiginPDFPage(double width, double height) { TheWriterSession().BeginPage(width, height); }
void EndPDFPage() { TheWriterSession().EndPage(); }

// The format is found from the content, so both image calls are one.
void InsertPDFImage(double x, double y, double width, double height, const char* imagePath)
{
    TheWriterSession().InsertImage(x, y, width, height, FromCodePage(imagePath));
}

void InsertTiffIPDFmage(double x, double y, double width, double height, const char* imagePath)
{
    TheWriterSession().InsertImage(x, y, width, height, FromCodePage(imagePath));
}

void InsertPDFImageW(double x, double y, double width, double height, const wchar_t* imagePath)
{
    TheWriterSession().InsertImage(x, y, width, height, FromWide(imagePath));
}

void InsertTiffIPDFmageW(double x, double y, double width, double height, const wchar_t* imagePath)
{
    TheWriterSession().InsertImage(x, y, width, height, FromWide(imagePath));
}

void DrawPDFText(double x, double y, double fontSize, const char* text)
{
    TheWriterSession().PlaceText(x, y, fontSize, text ? text : "");
}

void SetCurColor(double red, double green, double blue) { TheWriterSession().SetColor(red, green, blue); }

}
