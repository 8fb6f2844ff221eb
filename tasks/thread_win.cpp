#include "tasks/thread_win.h"

#include "app/crash_dump_win.h"
#include "app/seh_guard_win.h"

namespace dravolt {

bool CThread::Start()
{
    if (started_)
        return false;
    thread_.Reset(CreateThread(nullptr, 0, &ThreadProc, this, 0, &threadId_));
    started_ = static_cast<bool>(thread_);
    return started_;
}

DWORD WINAPI CThread::ThreadProc(void* self)
{
    CrashDumpGuard guard{L"ThreadProc", EXCEPTION_CONTINUE_SEARCH};
    RunGuarded([&] { static_cast<CThread*>(self)->Run(); }, &CrashDumpGuard::Filter, &guard);
    return 0;
}

}  // namespace dravolt
