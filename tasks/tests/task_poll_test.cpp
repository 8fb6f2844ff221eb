#include "tasks/task_progress.h"

#include <gtest/gtest.h>

#include <thread>

namespace dravolt {
namespace {

struct PollCase {
    const char* name;
    int taskProgress;
    bool failed, finished, recordCancel;
    int wantProgress;
    bool wantDone, wantFailed, wantReturn;
};

TEST(TaskPoll, CopiesClampedProgressOutcomeAndCancel)
{
    const PollCase cases[] = {
        {"running", 40, false, false, false, 40, false, false, false},
        {"below range", -5, false, false, false, 0, false, false, false},
        {"above range", 250, false, false, false, 100, false, false, false},
        {"finished well", 100, false, true, false, 100, true, false, true},
        {"failed without finishing", 10, true, false, false, 10, true, true, true},
        {"failed and finished", 100, true, true, false, 100, true, true, true},
        {"user cancelled", 50, false, false, true, 50, false, false, false},
    };
    for (const PollCase& c : cases) {
        SCOPED_TRACE(c.name);
        TaskSharedState task;
        task.progress = c.taskProgress;
        task.failed = c.failed;
        task.finished = c.finished;
        TaskProgress record;
        record.cancel = c.recordCancel;
        EXPECT_EQ(PollTask(task, &record), c.wantReturn);
        EXPECT_EQ(record.progress, c.wantProgress);
        EXPECT_EQ(record.done, c.wantDone);
        EXPECT_EQ(record.failed, c.wantFailed);
        EXPECT_EQ(task.cancelRequested.load(), c.recordCancel);
        // A failed task is finished from now on, also for a poll without record.
        EXPECT_EQ(PollTask(task, nullptr), c.wantReturn);
    }
}

TEST(TaskPoll, WithoutRecordOnlyReportsFinishedAndChangesNothing)
{
    TaskSharedState task;
    task.progress = 30;
    task.cancelRequested = true;
    EXPECT_FALSE(PollTask(task, nullptr));
    EXPECT_TRUE(task.cancelRequested.load());
    task.Finish(false);
    EXPECT_TRUE(PollTask(task, nullptr));
}

// A body on its own thread reports progress and then fails; the polls of the
// other thread must never see the task done without its failure.
TEST(TaskPoll, ConcurrentPollsNeverSeeAFailingTaskSucceed)
{
    for (int run = 0; run < 200; ++run) {
        TaskSharedState task;
        std::thread body([&] {
            for (int p = 0; p <= 100; p += 10)
                task.progress = p;
            task.Finish(true);
        });
        TaskProgress record;
        while (!PollTask(task, &record)) {
            EXPECT_GE(record.progress, 0);
            EXPECT_LE(record.progress, 100);
        }
        body.join();
        ASSERT_TRUE(record.done);
        ASSERT_TRUE(record.failed) << "run " << run;
    }
}

TEST(TaskPoll, CancelReachesABodyOnAnotherThread)
{
    TaskSharedState task;
    std::thread body([&] {
        while (!task.cancelRequested.load())
            std::this_thread::yield();
        task.Finish(false);
    });
    TaskProgress record;
    record.cancel = true;
    while (!PollTask(task, &record))
        std::this_thread::yield();
    body.join();
    EXPECT_TRUE(record.done);
    EXPECT_FALSE(record.failed);
}

}  // namespace
}  // namespace dravolt
