// Stand-in PDF writer libraries for the start-up tests: one with every entry
// point and one lacking the last one the program looks up.
#include <cstdio>

#define STUB_EXPORT extern "C" __declspec(dllexport)

STUB_EXPORT void InitPDFDoc(const char*) {}
STUB_EXPORT void FinishPDFDoc() {}
STUB_EXPORT void BiginPDFPage(double, double) {}
STUB_EXPORT void EndPDFPage() {}
STUB_EXPORT void InsertPDFImage(double, double, double, double, const char*) {}
STUB_EXPORT void DrawPDFText(double, double, double, const char*) {}
STUB_EXPORT void SetCurColor(double, double, double) {}
#if !defined(WITHOUT_TIFF_ENTRY)
STUB_EXPORT void InsertTiffIPDFmage(double, double, double, double, const char*) {}
#endif
