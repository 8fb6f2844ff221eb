// The PDF publish worker and its calls into the writer library.
#include "pdf/pdf_publish_worker_win.h"

#include <windows.h>
#include <gdiplus.h>

#include <memory>
#include <string>

#include "app/page_file_store_win.h"
#include "pdf/page_list_source.h"
#include "pdf/pdf_writer_binding.h"

namespace dravolt {

namespace {

// Paths in the system code page, for a writer without the wide twins.
std::string ToSystemCodePage(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    result.resize(result.size() - 1);
    return result;
}

// The bound entry points; the wide twins when the library has them. The
// writer reports failure by throwing, which passes straight through.
class CBoundPdfWriter : public IPublishWriter {
public:
    CBoundPdfWriter() : api_(ThePdfWriter()), wide_(ThePdfWriterWide()) {}

    void InitDoc(const std::wstring& path) override
    {
        if (wide_.Complete())
            wide_.InitPDFDocW(path.c_str());
        else
            api_.InitPDFDoc(ToSystemCodePage(path).c_str());
    }
    void BeginPage(double width, double height) override { api_.BiginPDFPage(width, height); }
    void InsertImage(double x, double y, double w, double h, const std::wstring& path) override
    {
        if (wide_.Complete())
            wide_.InsertPDFImageW(x, y, w, h, path.c_str());
        else
            api_.InsertPDFImage(x, y, w, h, ToSystemCodePage(path).c_str());
    }
    void InsertTiffImage(double x, double y, double w, double h, const std::wstring& path) override
    {
        if (wide_.Complete())
            wide_.InsertTiffIPDFmageW(x, y, w, h, path.c_str());
        else
            api_.InsertTiffIPDFmage(x, y, w, h, ToSystemCodePage(path).c_str());
    }
    void EndPage() override { api_.EndPDFPage(); }
    void FinishDoc() override { api_.FinishPDFDoc(); }

private:
    const PdfWriterApi& api_;
    const PdfWriterWideApi& wide_;
};

struct GdiplusImageDeleter {
    void operator()(Gdiplus::GpImage* image) const { Gdiplus::DllExports::GdipDisposeImage(image); }
};

}  // namespace

bool IsTiffByGdiplus(const std::wstring& path)
{
    Gdiplus::GpImage* raw = nullptr;
    if (Gdiplus::DllExports::GdipLoadImageFromFile(path.c_str(), &raw) != Gdiplus::Ok || !raw)
        return false;
    const std::unique_ptr<Gdiplus::GpImage, GdiplusImageDeleter> image(raw);
    GUID format{};
    if (Gdiplus::DllExports::GdipGetImageRawFormat(image.get(), &format) != Gdiplus::Ok)
        return false;
    return IsEqualGUID(format, Gdiplus::ImageFormatTIFF) != FALSE;
}

void CPDFPublishWorker::Init(const PdfOutputSettings& settings, CPageList& pages)
{
    settings_ = settings;
    pages_ = &pages;
}

void CPDFPublishWorker::Run()
{
    TaskSharedState& shared = Shared();
    if (!pages_ || !ThePdfWriter().Complete()) {
        result_.failed = true;
        shared.progress.store(100);
        shared.Finish(true);
        return;
    }
    // The writer replaces the target only once the new document is complete,
    // so the earlier file is left alone here; only its folder is made.
    EnsureFolderOf(settings_.outputPath);
    CPageListSource source(*pages_);
    CBoundPdfWriter writer;
    PublishHooks hooks;
    hooks.cancelRequested = [&shared] { return shared.cancelRequested.load(); };
    hooks.setProgress = [&shared](int progress) { shared.progress.store(progress); };
    hooks.isTiff = &IsTiffByGdiplus;
    result_ = RunPublish(settings_.Setup(), settings_.outputPath, source, writer, hooks);
    // Every ending shows a full bar, also a run that had nothing to write.
    shared.progress.store(100);
    shared.Finish(result_.failed);
}

}  // namespace dravolt
