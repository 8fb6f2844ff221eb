// The publish run: page layout and the writer calls.
#include "pdf/publish_run.h"

namespace dravolt {

namespace {

// The writer is opened only when the first page is ready, so a run that
// ends before any page (cancelled at once, or every row without a page)
// never touches the output file.
class PublishSession {
public:
    PublishSession(IPublishWriter& writer, const std::wstring& outputPath)
        : writer_(writer), outputPath_(outputPath)
    {
    }

    void WritePage(const PagePlacement& place, const std::wstring& path, bool tiff)
    {
        if (!open_) {
            open_ = true;  // a failing Init is cleaned up like any other call
            writer_.InitDoc(outputPath_);
        }
        writer_.BeginPage(place.pageWidth, place.pageHeight);
        if (tiff)
            writer_.InsertTiffImage(place.x, place.y, place.width, place.height, path);
        else
            writer_.InsertImage(place.x, place.y, place.width, place.height, path);
        writer_.EndPage();
        ++pages_;
    }

    void Finish()
    {
        if (open_)
            writer_.FinishDoc();
        open_ = false;
    }

    // After a failure: end the page and the document, each on its own, so
    // that a writer failing again cannot end the run with an exception.
    void CleanUp() noexcept
    {
        if (!open_)
            return;
        open_ = false;
        try {
            writer_.EndPage();
        } catch (...) {
        }
        try {
            writer_.FinishDoc();
        } catch (...) {
        }
    }

    int Pages() const { return pages_; }

private:
    IPublishWriter& writer_;
    const std::wstring& outputPath_;
    bool open_ = false;
    int pages_ = 0;
};

}  // namespace

int PublishProgress(int row, int count)
{
    if (count <= 0)
        return 100;
    return static_cast<int>(100.0 / count * row);
}

PublishResult RunPublish(const PageSetup& setup, const std::wstring& outputPath,
                         IPublishPageSource& pages, IPublishWriter& writer,
                         const PublishHooks& hooks)
{
    PublishResult result;
    PublishSession session(writer, outputPath);
    try {
        const int count = pages.PageCount();
        if (count <= 0) {
            result.failed = true;
            return result;
        }
        for (int row = 0; row < count; ++row) {
            if (hooks.cancelRequested()) {
                result.cancelled = true;
                break;
            }
            // A row without a page, or a page that cannot be laid out (no
            // pixels, no area on the page), gives no PDF page.
            if (const auto page = pages.PreparePage(row)) {
                if (const auto place = LayOutPage(setup, page->width, page->height))
                    session.WritePage(*place, page->path, hooks.isTiff(page->path));
            }
            hooks.setProgress(PublishProgress(row, count));
        }
        session.Finish();
    } catch (...) {
        session.CleanUp();
        result.failed = true;
    }
    result.pagesWritten = session.Pages();
    if (result.pagesWritten == 0)
        result.failed = true;
    hooks.setProgress(100);
    return result;
}

}  // namespace dravolt
