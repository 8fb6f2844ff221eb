#include "scan/scanner_worker_win.h"

#include "app/crash_dump_win.h"
#include "app/seh_guard_win.h"
#include "framework/application_win.h"
#include "scan/com_win.h"
#include "scan/scan_texts.h"
#include "scan/worker_wait_win.h"

namespace dravolt {

namespace {

constexpr DWORD kStopWaitMs = 1000;
constexpr auto kIdle = static_cast<std::uint32_t>(ScanCommand::Idle);

}  // namespace

CScannerWorker::CScannerWorker() = default;

CScannerWorker::~CScannerWorker()
{
    Stop();
}

bool CScannerWorker::Start(HWND owner)
{
    if (thread_.IsStarted() || stop_.load())
        return false;
    owner_ = owner;
    commands_.SetOwner(owner);
    start_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    done_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    return start_ && done_ && thread_.Start();
}

bool CScannerWorker::IsRunning() const
{
    return thread_.IsStarted() && !stop_.load() &&
           WaitForSingleObject(thread_.ThreadHandle(), 0) == WAIT_TIMEOUT;
}

CScannerWorker::RunResult CScannerWorker::Run(ScanCommand code, bool pump)
{
    if (running_ || !IsRunning() || !IsIdle())
        return RunResult::Refused;
    running_ = true;
    slot_.store(static_cast<std::uint32_t>(code));
    ResetEvent(done_.Get());
    SetEvent(start_.Get());
    const std::optional<int> quit = WaitForWorker(done_.Get(), thread_.ThreadHandle(), pump);
    running_ = false;
    if (quit)
        PostQuitMessage(*quit);
    return RunResult::Done;
}

void CScannerWorker::Stop()
{
    if (!thread_.IsStarted())
        return;
    stop_.store(true);
    SetEvent(start_.Get());
    SetEvent(done_.Get());
    if (WaitForSingleObject(thread_.ThreadHandle(), kStopWaitMs) == WAIT_TIMEOUT) {
        TerminateThread(thread_.ThreadHandle(), 1);
        WaitForSingleObject(thread_.ThreadHandle(), INFINITE);
        commands_.AbandonAll();
    }
}

void CScannerWorker::ThreadBody()
{
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    const ComApartment apartment;
    while (!stop_.load()) {
        WaitForSingleObject(start_.Get(), INFINITE);
        if (stop_.load())
            break;
        RunOnePass();
    }
    // Every WIA object goes in the apartment that made it, before it closes.
    commands_.ReleaseAll();
}

// A crash or an exception in a command ends that command only: after a dump
// under "RunProc" the worker reports the command done and tells the user.
// The crashed frames are abandoned, not unwound.
void CScannerWorker::RunOnePass()
{
    const auto code = static_cast<ScanCommand>(slot_.load());
    CrashDumpGuard guard{L"RunProc", EXCEPTION_EXECUTE_HANDLER};
    bool threw = false;
    const bool returned = RunGuarded(
        [&] {
            try {
                commands_.RunScanCommand(code);
            } catch (...) {
                threw = true;  // no exception may leave the thread
            }
        },
        &CrashDumpGuard::Filter, &guard);
    slot_.store(kIdle);
    SetEvent(done_.Get());
    if (!returned || threw)
        FrameworkMessageBox(owner_, kScanFailedText, MB_OK);
}

}  // namespace dravolt
