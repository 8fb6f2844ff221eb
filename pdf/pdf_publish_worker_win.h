// The background task that writes the document's pages into one PDF: a
// copy of the PDF output settings, the page list, and the publish run
// wired to the writer library's bound entry points and to GDI+'s format
// detection. Created by Save and Send, run under the wait dialog, and
// destroyed by its creator after the dialog has closed.
#pragma once

#include "document/page_list.h"
#include "pdf/pdf_output_settings.h"
#include "pdf/publish_run.h"
#include "tasks/taskable_thread_win.h"

namespace dravolt {

class CPDFPublishWorker : public CTaskableThreadBaseImpl {
public:
    CPDFPublishWorker() = default;
    ~CPDFPublishWorker() override { WaitForEnd(); }

    // Copies the settings and points at the page list (not owned; it
    // outlives the worker).
    void Init(const PdfOutputSettings& settings, CPageList& pages);
    void Run() override;

    // After the task has finished: what the run did.
    const PublishResult& Result() const { return result_; }

private:
    PdfOutputSettings settings_;
    CPageList* pages_ = nullptr;
    PublishResult result_;
};

// Whether GDI+ reads the file as TIFF; false also when it cannot open it.
bool IsTiffByGdiplus(const std::wstring& path);

}  // namespace dravolt
