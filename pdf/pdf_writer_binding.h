// The entry points of the PDF writer library, bound once at start-up and
// only read afterwards (by the user-interface thread and the publish worker).
#pragma once

#include <type_traits>

namespace dravolt {

// Signatures of the writer's C entry points. Paths are 8-bit strings in the
// system code page; lengths are PDF points.
using InitPDFDocFn = void (*)(const char* outputPath);
using FinishPDFDocFn = void (*)();
using BiginPDFPageFn = void (*)(double width, double height);
using EndPDFPageFn = void (*)();
using InsertPDFImageFn = void (*)(double x, double y, double width, double height,
                                  const char* imagePath);
using DrawPDFTextFn = void (*)(double x, double y, double fontSize, const char* text);
using SetCurColorFn = void (*)(double red, double green, double blue);

struct PdfWriterApi {
    InitPDFDocFn InitPDFDoc = nullptr;
    FinishPDFDocFn FinishPDFDoc = nullptr;
    BiginPDFPageFn BiginPDFPage = nullptr;
    EndPDFPageFn EndPDFPage = nullptr;
    InsertPDFImageFn InsertPDFImage = nullptr;
    DrawPDFTextFn DrawPDFText = nullptr;
    SetCurColorFn SetCurColor = nullptr;
    InsertPDFImageFn InsertTiffIPDFmage = nullptr;

    // True only when every entry point was found: a library lacking any of
    // them is never called.
    bool Complete() const
    {
        return InitPDFDoc && FinishPDFDoc && BiginPDFPage && EndPDFPage && InsertPDFImage &&
               DrawPDFText && SetCurColor && InsertTiffIPDFmage;
    }
};

// The process-wide binding.
PdfWriterApi& ThePdfWriter();

// Looks the entry points up through `lookup(name)` (GetProcAddress on
// Windows) in the start-up order. Returns the complete set, or an empty one
// if any entry point is missing.
template <typename Lookup>
PdfWriterApi BindPdfWriter(Lookup lookup)
{
    PdfWriterApi api;
    auto bind = [&lookup](auto& slot, const char* name) {
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(lookup(name));
    };
    bind(api.InitPDFDoc, "InitPDFDoc");
    bind(api.FinishPDFDoc, "FinishPDFDoc");
    bind(api.BiginPDFPage, "BiginPDFPage");
    bind(api.EndPDFPage, "EndPDFPage");
    bind(api.InsertPDFImage, "InsertPDFImage");
    bind(api.DrawPDFText, "DrawPDFText");
    bind(api.SetCurColor, "SetCurColor");
    bind(api.InsertTiffIPDFmage, "InsertTiffIPDFmage");
    return api.Complete() ? api : PdfWriterApi{};
}

// Optional wide-path twins of the path entry points. A library that has all
// three is given paths as they are, so file names that the system code page
// cannot hold still reach the right file; otherwise the 8-bit entry points
// are used.
using InitPDFDocWFn = void (*)(const wchar_t* outputPath);
using InsertPDFImageWFn = void (*)(double x, double y, double width, double height,
                                   const wchar_t* imagePath);

struct PdfWriterWideApi {
    InitPDFDocWFn InitPDFDocW = nullptr;
    InsertPDFImageWFn InsertPDFImageW = nullptr;
    InsertPDFImageWFn InsertTiffIPDFmageW = nullptr;

    bool Complete() const { return InitPDFDocW && InsertPDFImageW && InsertTiffIPDFmageW; }
};

// The process-wide wide twins; empty when the library lacks them.
PdfWriterWideApi& ThePdfWriterWide();

// The wide twins through `lookup(name)`: all three or none.
template <typename Lookup>
PdfWriterWideApi BindPdfWriterWide(Lookup lookup)
{
    PdfWriterWideApi api;
    api.InitPDFDocW = reinterpret_cast<InitPDFDocWFn>(lookup("InitPDFDocW"));
    api.InsertPDFImageW = reinterpret_cast<InsertPDFImageWFn>(lookup("InsertPDFImageW"));
    api.InsertTiffIPDFmageW = reinterpret_cast<InsertPDFImageWFn>(lookup("InsertTiffIPDFmageW"));
    return api.Complete() ? api : PdfWriterWideApi{};
}

}  // namespace dravolt
