// The decisions of the "Processing" wait dialog, kept apart from its window
// so that the order of timer ticks, cancel requests and the task's end can
// be checked without one. The dialog asks the flow before it polls or
// cancels and does what the answer says.
//
// The timer keeps ticking while Cancel waits for the task (the wait pumps
// messages), and the user can press Cancel again meanwhile. Once a Cancel is
// accepted the flow therefore ignores every later tick and Cancel, so a run
// the user cancelled is never reported as done and the dialog ends once,
// with Cancel.
#pragma once

namespace dravolt {

enum class WaitDialogEnd { None, Ok, Cancel };

class WaitDialogFlow {
public:
    enum class Phase { Created, Idle, Running, Cancelling, Ended };
    enum class InitStep { Nothing, StartTimer, ReportStartFailure };

    WaitDialogFlow(bool hasTask, bool cancelAllowed)
        : hasTask_(hasTask), cancelAllowed_(cancelAllowed)
    {
    }

    bool HasTask() const { return hasTask_; }
    bool CancelAllowed() const { return cancelAllowed_; }
    Phase CurrentPhase() const { return phase_; }
    // The result the dialog ended with, None while it runs.
    WaitDialogEnd Result() const { return result_; }

    // At initialisation, after trying to start the task (`started` is
    // ignored without a task). A task that did not start ends the dialog
    // with Cancel after the message.
    InitStep OnInit(bool started);

    // Whether a timer tick may poll the task now.
    bool AcceptsTick() const { return phase_ == Phase::Running; }
    // After a poll: Ok when the task has finished (the dialog ends).
    WaitDialogEnd OnPolled(bool finished);

    // Whether a Cancel request (button, Esc, Close, Enter) is taken. True
    // only once, while the task runs and cancelling is allowed; the dialog
    // then hands the cancel flag to the task and waits for its end.
    bool AcceptCancel();
    // After that wait: Cancel, once.
    WaitDialogEnd OnTaskStopped();

private:
    WaitDialogEnd EndWith(WaitDialogEnd result);

    bool hasTask_;
    bool cancelAllowed_;
    Phase phase_ = Phase::Created;
    WaitDialogEnd result_ = WaitDialogEnd::None;
};

}  // namespace dravolt
