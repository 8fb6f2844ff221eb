#include "tasks/taskable_thread_win.h"

#include "app/crash_dump_win.h"
#include "app/seh_guard_win.h"
#include "tasks/pumping_wait_win.h"

namespace dravolt {

CTaskableThread::~CTaskableThread()
{
    WaitForEnd();
}

bool CTaskableThread::Start()
{
    if (started_)
        return true;
    state_ = kTaskStarting;
    bodyAborted_ = false;
    // The event comes first: a thread is only made when it can report its end.
    finished_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (finished_)
        thread_.Reset(CreateThread(nullptr, 0, &ThreadProc, this, CREATE_SUSPENDED, nullptr));
    if (thread_ && ResumeThread(thread_.Get()) != static_cast<DWORD>(-1)) {
        started_ = true;
        IsRunning();
        return true;
    }
    if (thread_)
        TerminateThread(thread_.Get(), 1);  // never ran: nothing of ours is on its stack
    thread_.Reset();
    finished_.Reset();
    return false;
}

bool CTaskableThread::IsRunning()
{
    if (!started_ || !thread_ || !finished_)
        return false;
    DWORD exitCode = 0;
    if (!GetExitCodeThread(thread_.Get(), &exitCode)) {
        state_ = kTaskStarting;
        return false;
    }
    const bool active = exitCode == STILL_ACTIVE;
    state_ = active ? kTaskRunning : exitCode == 0 ? kTaskEnded : kTaskEndedAbnormally;
    return active;
}

void CTaskableThread::WaitForEnd()
{
    if (IsRunning()) {
        WaitPumpingMessages(finished_.Get());
        // The thread only returns after the event; wait for that too, so the
        // task may be destroyed at once.
        WaitForSingleObject(thread_.Get(), INFINITE);
    }
    started_ = false;
    state_ = bodyAborted_ ? kTaskEndedAbnormally : kTaskEnded;
}

// A crash in a task body is taken by this thread's guard (after a dump under
// "ThreadProc" when dumps are installed): the task ends as failed and the
// program goes on, so the wait dialog closes and the user hears of it.
// The crashed frames are abandoned, not unwound.
DWORD WINAPI CTaskableThread::ThreadProc(void* self)
{
    auto* task = static_cast<CTaskableThread*>(self);
    CrashDumpGuard guard{L"ThreadProc", EXCEPTION_EXECUTE_HANDLER};
    bool threw = false;
    const bool returned = RunGuarded(
        [&] {
            try {
                task->Run();
            } catch (...) {
                threw = true;  // no exception may leave the thread
            }
        },
        &CrashDumpGuard::Filter, &guard);
    const bool aborted = !returned || threw;
    if (aborted) {
        task->bodyAborted_ = true;
        task->OnBodyAborted();
    }
    SetEvent(task->finished_.Get());
    return aborted ? 1 : 0;
}

}  // namespace dravolt
