// Background tasks: a task is its own worker thread (CTaskableThread) and
// implements the task interface (ITaskable) that the wait dialog polls.
// Concrete tasks derive from CTaskableThreadBaseImpl, override Run, check
// Shared().cancelRequested between items, write Shared().progress and end
// with Shared().Finish(failed).
#pragma once

#include <windows.h>

#include <atomic>

#include "framework/handles_win.h"
#include "tasks/task_progress.h"

namespace dravolt {

enum TaskState : int {
    kTaskNotStarted = 0,
    kTaskStarting = 1,  // also: the exit code could not be read
    kTaskRunning = 2,
    kTaskEnded = 3,
    kTaskEndedAbnormally = 4,  // the body crashed or threw, or a non-zero exit code
};

class ITaskable {
public:
    virtual ~ITaskable() = default;
    // One poll of the task's progress into `record` (may be null); true once
    // the task has finished.
    virtual bool QueryProgress(TaskProgress* record) = 0;
    virtual int GetState() const = 0;
    virtual bool IsRunning() = 0;
    virtual bool Start() = 0;
    // Waits for the body to return while pumping messages, so the caller's
    // windows and timers keep running. It does not ask the task to stop.
    virtual void WaitForEnd() = 0;
    // The task body, run on the task's own thread.
    virtual void Run() = 0;
};

class CTaskableThread : public ITaskable {
public:
    CTaskableThread() = default;
    // Waits for the thread. A concrete task whose body uses its own members
    // calls WaitForEnd in its own destructor, before those members go.
    ~CTaskableThread() override;
    CTaskableThread(const CTaskableThread&) = delete;
    CTaskableThread& operator=(const CTaskableThread&) = delete;

    int GetState() const override { return state_; }
    bool IsRunning() override;
    bool Start() override;
    void WaitForEnd() override;
    void Run() override {}

protected:
    // Called on the task's thread when the body crashed or threw, before the
    // finished event is set.
    virtual void OnBodyAborted() {}

private:
    static DWORD WINAPI ThreadProc(void* self);

    bool started_ = false;
    int state_ = kTaskNotStarted;
    std::atomic<bool> bodyAborted_{false};
    UniqueKernelHandle thread_;
    UniqueKernelHandle finished_;  // manual-reset: the body has returned or failed
};

class CTaskableThreadBaseImpl : public CTaskableThread {
public:
    ~CTaskableThreadBaseImpl() override { WaitForEnd(); }
    bool QueryProgress(TaskProgress* record) override { return PollTask(shared_, record); }

protected:
    TaskSharedState& Shared() { return shared_; }
    // A crashed or throwing body ends as failed and finished, so the wait
    // dialog closes and its caller reports the failure.
    void OnBodyAborted() override { shared_.MarkFailedAndFinished(); }

private:
    TaskSharedState shared_;
};

}  // namespace dravolt
