// A plain worker thread for long-lived work of a window (the scanner
// thread). A crash in its body writes a dump named after "ThreadProc" and
// then goes on to the program's last-chance handler, which ends the process:
// unlike a task, nothing polls this thread that could report the failure.
#pragma once

#include <windows.h>

#include "framework/handles_win.h"

namespace dravolt {

class CThread {
public:
    CThread() = default;
    // Closes the thread handle without waiting: the owner ends the thread
    // (through its own hand-off) before it destroys this object.
    virtual ~CThread() = default;
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    bool Start();
    bool IsStarted() const { return started_; }
    HANDLE ThreadHandle() const { return thread_.Get(); }
    DWORD ThreadId() const { return threadId_; }

protected:
    virtual void Run() {}

private:
    static DWORD WINAPI ThreadProc(void* self);

    UniqueKernelHandle thread_;
    DWORD threadId_ = 0;
    bool started_ = false;
};

}  // namespace dravolt
