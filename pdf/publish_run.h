// The body of the PDF publish worker without threads or windows: for each
// page of a page source, in order, lay the page out and make the writer
// calls, with cancel, progress and the clean-up after a failure. The worker
// wires it to the page list, the writer's entry points and the task's
// progress; tests give it a recording writer and a fixed page list.
// Portable: no Windows header.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "pdf/page_geometry.h"

namespace dravolt {

// One page as the publish run needs it.
struct PublishPage {
    std::wstring path;  // the page file
    int width = 0;      // pixels, used as points
    int height = 0;
};

class IPublishPageSource {
public:
    virtual ~IPublishPageSource() = default;
    virtual int PageCount() = 0;
    // Writes the row's page back to its file when it was changed and not
    // yet written (the pre-save), then describes it. Nothing when the row
    // has no page; the run then skips it.
    virtual std::optional<PublishPage> PreparePage(int row) = 0;
};

// The writer's calls. Any of them may throw to say the writer failed.
class IPublishWriter {
public:
    virtual ~IPublishWriter() = default;
    virtual void InitDoc(const std::wstring& outputPath) = 0;
    virtual void BeginPage(double width, double height) = 0;
    virtual void InsertImage(double x, double y, double width, double height,
                             const std::wstring& imagePath) = 0;
    virtual void InsertTiffImage(double x, double y, double width, double height,
                                 const std::wstring& imagePath) = 0;
    virtual void EndPage() = 0;
    virtual void FinishDoc() = 0;
};

struct PublishHooks {
    std::function<bool()> cancelRequested = [] { return false; };
    std::function<void(int)> setProgress = [](int) {};
    // Whether the page file holds TIFF data (read from the content).
    std::function<bool(const std::wstring&)> isTiff = [](const std::wstring&) { return false; };
};

struct PublishResult {
    bool failed = false;
    int pagesWritten = 0;
    bool cancelled = false;
};

// The publish run. Fails without calling the writer when the source has no
// page; fails after ending the page and the document (each clean-up call
// guarded on its own) when anything throws; fails when not one page could
// be written, since a document without pages is no document. A cancel
// finishes the document with the pages written so far and succeeds.
PublishResult RunPublish(const PageSetup& setup, const std::wstring& outputPath,
                         IPublishPageSource& pages, IPublishWriter& writer,
                         const PublishHooks& hooks);

// The progress after row `row` of `count`: trunc(100 / count * row).
int PublishProgress(int row, int count);

}  // namespace dravolt
