// The background task that imports image files as pages: each source is
// copied or converted into the working folder, converted as the import
// options ask, and appended to the page list. Created by the main window
// only for a non-empty file list, run under the wait dialog, destroyed by
// its creator after the dialog has closed; then NotImportedMessage tells
// the user which files gave no page.
#pragma once

#include <string>
#include <vector>

#include "document/page_list.h"
#include "import/import_run.h"
#include "tasks/taskable_thread_win.h"

namespace dravolt {

class CImportImagesWorker : public CTaskableThreadBaseImpl {
public:
    CImportImagesWorker() = default;
    ~CImportImagesWorker() override { WaitForEnd(); }

    CPageList* pageList = nullptr;                        // not owned
    const std::vector<std::wstring>* sourceFiles = nullptr;  // not owned; kept alive by the caller
    bool autoEnhance = false;
    int colourMode = -1;  // -1: not set; like any value outside 0..2: re-encoded, not processed

    void Run() override;

    // After the task has finished.
    const ImportResult& Result() const { return result_; }
    std::wstring NotImportedText() const { return NotImportedMessage(result_.notImported); }

private:
    ImportResult result_;
};

}  // namespace dravolt
