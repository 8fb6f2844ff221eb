// The main window's document commands: Import Images, files dropped on the
// page list, and Save. The long work runs as a background task under the
// modal wait dialog; the window only chooses the files and reports.
#include "ui/main/main_ui_dlg_win.h"

#include <shellapi.h>

#include "app/page_file_store_win.h"
#include "framework/application_win.h"
#include "import/customized_file_dialogs_win.h"
#include "import/import_conversion.h"
#include "import/import_images_worker_win.h"
#include "pdf/pdf_output_settings.h"
#include "pdf/pdf_publish_worker_win.h"
#include "tasks/task_wait_dialog_win.h"
#include "ui/main/dropped_files_win.h"
#include "ui/main/main_ui_ids.h"

namespace dravolt {

namespace {

// The first file of the last Import Images, where the next one starts.
// Process-wide and never stored; a cancelled dialog leaves it empty.
std::wstring& RememberedImportLocation()
{
    static std::wstring location;
    return location;
}

// Runs `task` under the cancellable wait dialog with a progress bar.
TaskProgress RunUnderWaitDialog(ITaskable& task, HWND owner)
{
    CTaskWaitDialog dialog(&task, true, false);
    dialog.DoModal(owner);
    return dialog.Progress();
}

}  // namespace

void CMainUIDlg::RegisterDocumentCommands()
{
    Commands().On(ID_FILE_IMPORT_IMAGES, [this] { ImportImages(); });
    Commands().On(ID_FILE_SAVE, [this] { Save(); });
}

void CMainUIDlg::ImportImages()
{
    ShowStatus(L"Import your images to page box", mainui::kShortHold);
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    std::vector<std::wstring> files;
    {
        CCustomizedOpenFileDilaog dialog(Handle(), FolderPartOf(RememberedImportLocation()));
        RememberedImportLocation().clear();
        if (dialog.Show(files) && !files.empty())
            RememberedImportLocation() = files.front();
    }
    RunImportTask(files);
    SetFocus(pageList_.Handle());
    SetCursor(previous);
}

void CMainUIDlg::ImportDroppedFiles(const std::vector<std::wstring>& dropped)
{
    RunImportTask(mainui::CollectDroppedImages(dropped));
}

void CMainUIDlg::RunImportTask(const std::vector<std::wstring>& files)
{
    if (files.empty() || !PagesUsable())
        return;
    CImportImagesWorker worker;
    worker.pageList = &pageList_.Pages();
    worker.sourceFiles = &files;
    worker.autoEnhance = TheImportOptions().autoEnhance;
    worker.colourMode = TheImportOptions().colourMode;
    const int before = pageList_.RowCount();
    // A cancelled import keeps the pages it added: they are unsaved too.
    if (RunUnderWaitDialog(worker, Handle()).done || pageList_.RowCount() > before)
        modified_ = true;
}

void CMainUIDlg::Save()
{
    if (!PagesUsable())
        return;
    PdfOutputSettings& settings = ThePdfOutputSettings();
    std::vector<std::wstring> chosen;
    {
        CCustomizedSaveFileDilaog dialog(Handle(), FolderPartOf(settings.outputPath),
                                         pageFiles_->MakeDefaultPdfPath());
        if (!dialog.Show(chosen) || chosen.empty())
            return;
    }
    settings.outputPath = chosen.front();
    TaskProgress outcome;
    {
        CPDFPublishWorker worker;
        worker.Init(settings, pageList_.Pages());
        outcome = RunUnderWaitDialog(worker, Handle());
    }
    if (!outcome.done || outcome.failed) {
        FrameworkMessageBox(Handle(), L"The PDF could not be saved because the file is already in use or left open.",
                            MB_OK);
        return;
    }
    saved_ = IsExistingFile(settings.outputPath);
    modified_ = !saved_;
    if (saved_ && FrameworkMessageBox(Handle(), L"Save completed, open it?", MB_YESNO | MB_ICONINFORMATION) == IDYES)
        ShellExecuteW(Handle(), L"open", settings.outputPath.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

}  // namespace dravolt
