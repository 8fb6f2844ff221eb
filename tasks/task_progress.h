// What a background task and the wait dialog exchange. The task's own fields
// (TaskSharedState) are written by the task's thread and read by the
// user-interface thread, so they are atomic; the dialog's record
// (TaskProgress) is touched by the user-interface thread only and is filled
// from the shared fields at each poll.
#pragma once

#include <atomic>
#include <string>

namespace dravolt {

// The dialog's view of a task, refreshed by every poll.
struct TaskProgress {
    int reserved = 0;
    bool cancel = false;  // the user cancelled; handed to the task at each poll
    bool done = false;    // the task has finished, normally or not
    bool failed = false;  // the task ended in failure
    int progress = 0;     // percent, always 0..100
    std::wstring statusText;  // shown in the dialog's label when not empty
};

// The fields a task body and the poll share across threads.
struct TaskSharedState {
    std::atomic<bool> cancelRequested{false};
    std::atomic<bool> finished{false};
    std::atomic<bool> failed{false};
    std::atomic<int> progress{0};

    // The end of a body. The outcome is stored before the finished flag, so
    // a poll that sees the task finished also sees whether it failed.
    void Finish(bool failedResult)
    {
        failed.store(failedResult);
        finished.store(true);
    }
    void MarkFailedAndFinished() { Finish(true); }
};

// One poll: copies progress (clamped to 0..100), failure and completion into
// `record`, and the record's cancel flag into the task. A failed task counts
// as finished. Without a record only reports whether the task has finished.
bool PollTask(TaskSharedState& task, TaskProgress* record);

}  // namespace dravolt
