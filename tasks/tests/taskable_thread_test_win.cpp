// Task threads for real: their states, their crashes, cancelling through a
// pumped timer, and destruction that waits.
#include "tasks/taskable_thread_win.h"
#include "tasks/thread_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

namespace dravolt {
namespace {

class CLambdaTask : public CTaskableThreadBaseImpl {
public:
    explicit CLambdaTask(std::function<void(TaskSharedState&)> body) : body_(std::move(body)) {}
    ~CLambdaTask() override { WaitForEnd(); }
    void Run() override { body_(Shared()); }

private:
    std::function<void(TaskSharedState&)> body_;
};

// Polls like the wait dialog's timer until the task reports its end.
TaskProgress PollToEnd(ITaskable& task)
{
    TaskProgress record;
    while (!task.QueryProgress(&record))
        Sleep(5);
    return record;
}

void AccessViolation()
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

TEST(TaskableThread, RunsTheBodyAndMovesThroughItsStates)
{
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    CLambdaTask task([go](TaskSharedState& shared) {
        WaitForSingleObject(go, INFINITE);
        shared.progress = 100;
        shared.Finish(false);
    });
    EXPECT_EQ(task.GetState(), kTaskNotStarted);
    EXPECT_FALSE(task.IsRunning());
    ASSERT_TRUE(task.Start());
    EXPECT_TRUE(task.Start());  // already started: no second thread
    EXPECT_TRUE(task.IsRunning());
    EXPECT_EQ(task.GetState(), kTaskRunning);
    SetEvent(go);
    const TaskProgress record = PollToEnd(task);
    EXPECT_TRUE(record.done);
    EXPECT_FALSE(record.failed);
    EXPECT_EQ(record.progress, 100);
    task.WaitForEnd();
    EXPECT_EQ(task.GetState(), kTaskEnded);
    EXPECT_FALSE(task.IsRunning());
    CloseHandle(go);
}

// A crashing or throwing body must not leave the dialog polling forever, nor
// end the program: the task ends as failed and finished.
TEST(TaskableThread, CrashingOrThrowingBodyEndsTheTaskAsFailedAndFinished)
{
    const std::function<void(TaskSharedState&)> bodies[] = {
        [](TaskSharedState& shared) {
            shared.progress = 30;
            AccessViolation();
        },
        [](TaskSharedState&) { throw std::runtime_error("body gave up"); },
    };
    for (const auto& body : bodies) {
        CLambdaTask task(body);
        ASSERT_TRUE(task.Start());
        const TaskProgress record = PollToEnd(task);
        EXPECT_TRUE(record.done);
        EXPECT_TRUE(record.failed);
        task.WaitForEnd();
        EXPECT_EQ(task.GetState(), kTaskEndedAbnormally);
    }
    // The thread that ran the test is unharmed and can start tasks again.
    CLambdaTask after([](TaskSharedState& shared) { shared.Finish(false); });
    ASSERT_TRUE(after.Start());
    EXPECT_FALSE(PollToEnd(after).failed);
}

// As in the wait dialog: the cancel flag set on the record reaches the body
// through polls made by a timer that only runs because the wait pumps.
TEST(TaskableThread, WaitForEndPumpsMessagesSoATimerPollCanHandOverCancel)
{
    static ITaskable* s_task = nullptr;
    static TaskProgress s_record;
    static int s_ticks = 0;
    CLambdaTask task([](TaskSharedState& shared) {
        while (!shared.cancelRequested)
            Sleep(1);
        shared.Finish(false);
    });
    ASSERT_TRUE(task.Start());
    s_task = &task;
    s_record = TaskProgress{};
    s_record.cancel = true;
    s_ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        ++s_ticks;
        s_task->QueryProgress(&s_record);
    });
    task.WaitForEnd();
    KillTimer(nullptr, timer);
    EXPECT_GE(s_ticks, 1);
    EXPECT_EQ(task.GetState(), kTaskEnded);
}

TEST(TaskableThread, DestructionWaitsForTheThread)
{
    std::atomic<bool> bodyReturned{false};
    {
        CLambdaTask task([&](TaskSharedState& shared) {
            Sleep(100);
            shared.Finish(false);
            bodyReturned = true;
        });
        ASSERT_TRUE(task.Start());
    }
    EXPECT_TRUE(bodyReturned);
}

class CFlagThread : public CThread {
public:
    std::atomic<DWORD> ranOn{0};

protected:
    void Run() override { ranOn = GetCurrentThreadId(); }
};

TEST(Thread, RunsItsBodyOnItsOwnThreadOnce)
{
    CFlagThread thread;
    ASSERT_TRUE(thread.Start());
    EXPECT_FALSE(thread.Start());
    ASSERT_EQ(WaitForSingleObject(thread.ThreadHandle(), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(thread.ranOn.load(), thread.ThreadId());
    EXPECT_NE(thread.ranOn.load(), GetCurrentThreadId());
}

}  // namespace
}  // namespace dravolt
