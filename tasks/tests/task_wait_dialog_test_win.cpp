// The wait dialog run modally with test tasks, driven by a thread timer of
// the test that the dialog's own loop dispatches.
#include "tasks/task_wait_dialog_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "tasks/wait_dialog_ids.h"

namespace dravolt {
namespace {

class CTestTask : public CTaskableThreadBaseImpl {
public:
    explicit CTestTask(std::function<void(TaskSharedState&)> body) : body_(std::move(body)) {}
    ~CTestTask() override { WaitForEnd(); }
    void Run() override { body_(Shared()); }

private:
    std::function<void(TaskSharedState&)> body_;
};

class CUnstartableTask : public CTestTask {
public:
    CUnstartableTask() : CTestTask([](TaskSharedState&) {}) {}
    bool Start() override { return false; }
};

class CTestWaitDialog : public CTaskWaitDialog {
public:
    using CTaskWaitDialog::CTaskWaitDialog;
    int startFailures = 0;

protected:
    void ReportStartFailure() override { ++startFailures; }
};

// Calls `step` with the dialog's window every 50 ms while the dialog runs.
struct Driver {
    static inline std::function<void(HWND)> step;
    static inline CDialog* dialog = nullptr;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (dialog && dialog->Handle())
            step(dialog->Handle());
    }
    static INT_PTR Run(CDialog& d, std::function<void(HWND)> s)
    {
        dialog = &d;
        step = std::move(s);
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, &Tick);
        const INT_PTR result = d.DoModal(nullptr);
        KillTimer(nullptr, timer);
        dialog = nullptr;
        return result;
    }
};

TEST(TaskWaitDialog, ShowsProgressAndClosesWithOkWhenTheTaskFinishes)
{
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    CTestTask task([release](TaskSharedState& shared) {
        shared.progress = 40;
        WaitForSingleObject(release, INFINITE);
        shared.progress = 100;
        shared.Finish(false);
    });
    CTestWaitDialog dialog(&task);
    int shown = -1;
    const INT_PTR result = Driver::Run(dialog, [&](HWND window) {
        const int position = static_cast<int>(
            SendDlgItemMessageW(window, IDC_TASK_PROGRESS, PBM_GETPOS, 0, 0));
        if (position == 40) {
            shown = position;
            SetEvent(release);
        }
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(shown, 40);
    EXPECT_TRUE(dialog.Progress().done);
    EXPECT_FALSE(dialog.Progress().failed);
    CloseHandle(release);
}

// Cancel, Enter and Close arrive while the first Cancel waits; the body stops
// as soon as the flag is handed over, and the dialog ends once, with Cancel,
// without reporting the cancelled run as done.
TEST(TaskWaitDialog, CancelStopsTheTaskAndEndsOnceWithCancel)
{
    std::atomic<bool> bodyStopped{false};
    CTestTask task([&](TaskSharedState& shared) {
        shared.progress = 10;
        while (!shared.cancelRequested)
            Sleep(1);
        Sleep(400);  // the dialog's timer ticks during this
        shared.Finish(false);
        bodyStopped = true;
    });
    CTestWaitDialog dialog(&task);
    int requests = 0;
    const INT_PTR result = Driver::Run(dialog, [&](HWND window) {
        if (requests < 3) {
            const WPARAM ids[] = {IDCANCEL, IDOK, IDCANCEL};
            PostMessageW(window, WM_COMMAND, ids[requests++], 0);
        }
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(bodyStopped);
    EXPECT_FALSE(dialog.Progress().done);
    EXPECT_TRUE(dialog.Progress().cancel);
}

TEST(TaskWaitDialog, ATaskThatCannotStartIsReportedAndEndsWithCancel)
{
    CUnstartableTask task;
    CTestWaitDialog dialog(&task);
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(dialog.startFailures, 1);
    EXPECT_FALSE(dialog.Progress().done);
}

TEST(TaskWaitDialog, ABodyThatFailsAtOnceClosesWithOkAndReportsFailure)
{
    CTestTask task([](TaskSharedState& shared) { shared.MarkFailedAndFinished(); });
    CTestWaitDialog dialog(&task);
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_TRUE(dialog.Progress().done);
    EXPECT_TRUE(dialog.Progress().failed);
}

TEST(TaskWaitDialog, CancelIsIgnoredWhenNotAllowed)
{
    CTestTask task([](TaskSharedState& shared) {
        Sleep(500);
        shared.Finish(false);
    });
    CTestWaitDialog dialog(&task, false);
    bool checked = false;
    const INT_PTR result = Driver::Run(dialog, [&](HWND window) {
        if (!checked) {
            checked = true;
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDCANCEL)));
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.Progress().done);
}

}  // namespace
}  // namespace dravolt
