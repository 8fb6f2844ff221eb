// The modal "Processing" dialog that runs one background task: it starts
// the task, polls it every 300 ms into its progress record, shows the
// progress, hands on a cancel request and closes when the task has
// finished. Afterwards the caller reads Progress() (success: done and not
// failed) and destroys the task. The order of ticks and cancels is decided
// by WaitDialogFlow.
#pragma once

#include "framework/dialog_win.h"
#include "tasks/taskable_thread_win.h"
#include "tasks/wait_flow.h"

namespace dravolt {

class CTaskWaitDialog : public CDialog {
public:
    // `task` is not owned and must outlive the dialog's run.
    CTaskWaitDialog(ITaskable* task, bool cancelAllowed = true, bool indeterminate = false);

    const TaskProgress& Progress() const { return record_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override { OnCancelRequest(); }  // Enter means Cancel here
    void OnCancel() override { OnCancelRequest(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Tells the user that the task could not be started.
    virtual void ReportStartFailure();

private:
    void SetUpProgressBar();
    void OnPollTimer();
    void OnCancelRequest();
    void End(WaitDialogEnd end);

    ITaskable* task_;  // not owned; forgotten after a cancel
    bool indeterminate_;
    bool marquee_ = false;
    WaitDialogFlow flow_;
    TaskProgress record_;
};

}  // namespace dravolt
