// The main window's scanner commands. Their work runs on the scanner worker
// thread, one command at a time; the window waits for each while it keeps
// serving its messages, so a command or a close that arrives meanwhile is
// refused or deferred until the whole command has ended.
#include "ui/main/main_ui_dlg_win.h"

#include "document/page_list_messages.h"
#include "ui/main/main_ui_ids.h"

namespace dravolt {

namespace {
// Marks the window busy for the whole of a scanner command, which may hand
// the worker several codes one after another.
class ScannerFlow {
public:
    explicit ScannerFlow(int& depth) : depth_(depth) { ++depth_; }
    ~ScannerFlow() { --depth_; }
    ScannerFlow(const ScannerFlow&) = delete;
    ScannerFlow& operator=(const ScannerFlow&) = delete;

private:
    int& depth_;
};
}  // namespace

void CMainUIDlg::RegisterScanCommands()
{
    Commands().On(ID_SCAN_SELECT, [this] { SelectScanner(); });
    Commands().On(ID_SCAN_SCAN, [this] { Scan(); });
}

bool CMainUIDlg::RunScanner(ScanCommand code, bool pump)
{
    // A close asked for during an earlier step ends the command here.
    if (closePending_)
        return false;
    return scanner_.Run(code, pump) == CScannerWorker::RunResult::Done && !closePending_;
}

bool CMainUIDlg::IsBusy() const { return scannerFlow_ > 0 || !scanner_.IsIdle(); }

void CMainUIDlg::SelectScanner()
{
    if (IsBusy())
        return;
    const ScannerFlow flow(scannerFlow_);
    ShowStatus(L"Try to find available devices", mainui::kShortHold);
    RunScanner(ScanCommand::SelectDevice, true);
}

void CMainUIDlg::Scan()
{
    if (IsBusy())
        return;
    const ScannerFlow flow(scannerFlow_);
    ShowStatus(L"Scaning is initial", mainui::kShortHold);
    ScanState& state = scanner_.State();  // written here only between commands
    if (state.settingsPending) {
        if (!RunScanner(ScanCommand::CheckDevice, true))
            return;
        if (!state.deviceOnline && !RunScanner(ScanCommand::SelectDevice, true))
            return;
        if (!RunScanner(ScanCommand::CheckDevice, true))
            return;
        if (state.deviceOnline) {
            // The scan options come before the first scan once they exist.
            if (!RunScanner(ScanCommand::Scan, true))
                return;
            state.settingsPending = false;
        }
    } else if (!RunScanner(ScanCommand::Scan, true)) {
        return;
    }
    SetFocus(pageList_.Handle());
    ShowStatus(L"You can set the scan options, by click Scan and select Option command.", mainui::kLongHold);
}

bool CMainUIDlg::RefusedWhileBusy(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (!IsBusy())
        return false;
    switch (message) {
    case WM_COMMAND: {
        // Menu items and accelerators, but not notifications from controls.
        // Closing (the close box arrives as IDCANCEL) is deferred, not refused.
        const WORD id = LOWORD(wParam);
        return lParam == 0 && id != ID_HELP_ABOUT && id != IDCANCEL && id != ID_FILE_EXIT;
    }
    case windowless::kToolbarClickMessage:
    case kFilesDroppedMessage:
        return true;
    default:
        return false;
    }
}

}  // namespace dravolt
