#include "tasks/wait_flow.h"

#include <gtest/gtest.h>

namespace dravolt {
namespace {

using Phase = WaitDialogFlow::Phase;
using InitStep = WaitDialogFlow::InitStep;

TEST(WaitFlow, InitialisationStartsTheTimerOrReportsAndEndsWithCancel)
{
    WaitDialogFlow started(true, true);
    EXPECT_EQ(started.OnInit(true), InitStep::StartTimer);
    EXPECT_TRUE(started.AcceptsTick());

    WaitDialogFlow refused(true, true);
    EXPECT_EQ(refused.OnInit(false), InitStep::ReportStartFailure);
    EXPECT_EQ(refused.Result(), WaitDialogEnd::Cancel);
    EXPECT_FALSE(refused.AcceptsTick());
    EXPECT_FALSE(refused.AcceptCancel());

    WaitDialogFlow taskless(false, true);
    EXPECT_EQ(taskless.OnInit(false), InitStep::Nothing);
    EXPECT_FALSE(taskless.AcceptsTick());
    EXPECT_FALSE(taskless.AcceptCancel());  // Cancel needs a task
}

TEST(WaitFlow, FinishedPollEndsOnceWithOk)
{
    WaitDialogFlow flow(true, true);
    flow.OnInit(true);
    EXPECT_EQ(flow.OnPolled(false), WaitDialogEnd::None);
    EXPECT_EQ(flow.OnPolled(true), WaitDialogEnd::Ok);
    // Ticks and Cancels still queued behind the end change nothing.
    EXPECT_FALSE(flow.AcceptsTick());
    EXPECT_EQ(flow.OnPolled(true), WaitDialogEnd::None);
    EXPECT_FALSE(flow.AcceptCancel());
    EXPECT_EQ(flow.OnTaskStopped(), WaitDialogEnd::None);
    EXPECT_EQ(flow.Result(), WaitDialogEnd::Ok);
}

// The wait after Cancel pumps the timer and the user's keys: a tick after the
// body finished and a second Cancel arrive before the wait returns.
TEST(WaitFlow, AcceptedCancelIgnoresLaterTicksAndCancelsAndEndsOnceWithCancel)
{
    WaitDialogFlow flow(true, true);
    flow.OnInit(true);
    ASSERT_TRUE(flow.AcceptCancel());
    EXPECT_EQ(flow.CurrentPhase(), Phase::Cancelling);
    EXPECT_FALSE(flow.AcceptsTick());
    EXPECT_EQ(flow.OnPolled(true), WaitDialogEnd::None);
    EXPECT_FALSE(flow.AcceptCancel());
    EXPECT_EQ(flow.OnTaskStopped(), WaitDialogEnd::Cancel);
    EXPECT_EQ(flow.OnTaskStopped(), WaitDialogEnd::None);
    EXPECT_EQ(flow.Result(), WaitDialogEnd::Cancel);
}

TEST(WaitFlow, CancelNotAllowedIsIgnoredAndTheTaskRunsToItsEnd)
{
    WaitDialogFlow flow(true, false);
    flow.OnInit(true);
    EXPECT_FALSE(flow.AcceptCancel());
    EXPECT_TRUE(flow.AcceptsTick());
    EXPECT_EQ(flow.OnPolled(true), WaitDialogEnd::Ok);
}

}  // namespace
}  // namespace dravolt
