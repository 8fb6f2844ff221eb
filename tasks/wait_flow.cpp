#include "tasks/wait_flow.h"

namespace dravolt {

WaitDialogFlow::InitStep WaitDialogFlow::OnInit(bool started)
{
    if (phase_ != Phase::Created)
        return InitStep::Nothing;
    if (!hasTask_) {
        phase_ = Phase::Idle;
        return InitStep::Nothing;
    }
    if (!started) {
        EndWith(WaitDialogEnd::Cancel);
        return InitStep::ReportStartFailure;
    }
    phase_ = Phase::Running;
    return InitStep::StartTimer;
}

WaitDialogEnd WaitDialogFlow::OnPolled(bool finished)
{
    if (phase_ != Phase::Running || !finished)
        return WaitDialogEnd::None;
    return EndWith(WaitDialogEnd::Ok);
}

bool WaitDialogFlow::AcceptCancel()
{
    if (phase_ != Phase::Running || !cancelAllowed_)
        return false;
    phase_ = Phase::Cancelling;
    return true;
}

WaitDialogEnd WaitDialogFlow::OnTaskStopped()
{
    if (phase_ != Phase::Cancelling)
        return WaitDialogEnd::None;
    return EndWith(WaitDialogEnd::Cancel);
}

WaitDialogEnd WaitDialogFlow::EndWith(WaitDialogEnd result)
{
    phase_ = Phase::Ended;
    result_ = result;
    return result;
}

}  // namespace dravolt
