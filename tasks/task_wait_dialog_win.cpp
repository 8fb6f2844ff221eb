#include "tasks/task_wait_dialog_win.h"

#include <commctrl.h>

#include "framework/application_win.h"
#include "tasks/wait_dialog_ids.h"

namespace dravolt {

namespace {
constexpr UINT_PTR kPollTimer = 0xFFFF;
constexpr UINT kPollMilliseconds = 300;
constexpr UINT kMarqueeMilliseconds = 100;
}  // namespace

CTaskWaitDialog::CTaskWaitDialog(ITaskable* task, bool cancelAllowed, bool indeterminate)
    : CDialog(IDD_TASK_WAIT), task_(task), indeterminate_(indeterminate),
      flow_(task != nullptr, cancelAllowed)
{
}

bool CTaskWaitDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendDlgItemMessageW(Handle(), IDC_TASK_PROGRESS, PBM_SETRANGE32, 0, 100);
    const bool started = task_ && task_->Start();
    switch (flow_.OnInit(started)) {
    case WaitDialogFlow::InitStep::ReportStartFailure:
        ReportStartFailure();
        End(WaitDialogEnd::Cancel);
        return true;
    case WaitDialogFlow::InitStep::StartTimer:
        SetTimer(Handle(), kPollTimer, kPollMilliseconds, nullptr);
        break;
    case WaitDialogFlow::InitStep::Nothing:
        break;
    }
    if (!flow_.CancelAllowed()) {
        EnableWindow(GetDlgItem(Handle(), IDCANCEL), FALSE);
        EnableMenuItem(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    }
    SetUpProgressBar();
    return true;
}

void CTaskWaitDialog::SetUpProgressBar()
{
    HWND bar = GetDlgItem(Handle(), IDC_TASK_PROGRESS);
    if (!indeterminate_)
        return;
    SetWindowLongPtrW(bar, GWL_STYLE, GetWindowLongPtrW(bar, GWL_STYLE) | PBS_MARQUEE);
    marquee_ = (GetWindowLongPtrW(bar, GWL_STYLE) & PBS_MARQUEE) != 0;
    if (marquee_) {
        SendMessageW(bar, PBM_SETMARQUEE, TRUE, kMarqueeMilliseconds);
    } else {
        SendMessageW(bar, PBM_SETRANGE32, 0, 100);
        SendMessageW(bar, PBM_SETSTEP, 1, 0);
    }
}

LRESULT CTaskWaitDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kPollTimer) {
        OnPollTimer();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CTaskWaitDialog::OnPollTimer()
{
    if (!flow_.AcceptsTick() || !task_)
        return;
    if (flow_.OnPolled(task_->QueryProgress(&record_)) == WaitDialogEnd::Ok) {
        End(WaitDialogEnd::Ok);
        return;
    }
    HWND bar = GetDlgItem(Handle(), IDC_TASK_PROGRESS);
    if (!indeterminate_)
        SendMessageW(bar, PBM_SETPOS, record_.progress, 0);
    else if (!marquee_ && SendMessageW(bar, PBM_GETPOS, 0, 0) >= 100)
        SendMessageW(bar, PBM_SETPOS, 0, 0);
    if (!record_.statusText.empty())
        SetDlgItemTextW(Handle(), IDC_TASK_LABEL, record_.statusText.c_str());
}

void CTaskWaitDialog::OnCancelRequest()
{
    if (!flow_.AcceptCancel())
        return;  // not allowed, no task, or a Cancel already under way
    record_.cancel = true;
    // Hand the flag over at once through a poll whose outcome is not
    // recorded: the run the user cancelled must not be reported as done.
    TaskProgress handOver = record_;
    task_->QueryProgress(&handOver);
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    task_->WaitForEnd();
    task_ = nullptr;
    End(flow_.OnTaskStopped());
    SetCursor(previous);
}

void CTaskWaitDialog::End(WaitDialogEnd end)
{
    if (end == WaitDialogEnd::None)
        return;
    KillTimer(Handle(), kPollTimer);
    EndDialog(end == WaitDialogEnd::Ok ? IDOK : IDCANCEL);
}

void CTaskWaitDialog::ReportStartFailure()
{
    FrameworkMessageBox(Handle(), L"Unable to start the task", MB_OK | MB_ICONERROR);
}

}  // namespace dravolt
