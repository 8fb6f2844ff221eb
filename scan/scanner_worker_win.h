// The scanner worker thread and the hand-over to it. The user-interface
// thread stores one command in a 32-bit slot, wakes the worker by the start
// event and waits for the done event; the worker runs the command in its
// single-threaded COM apartment, puts Idle back and signals. The scan state
// is written by the worker while a command runs and by the user-interface
// thread only while the slot holds Idle; there are no locks.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "framework/handles_win.h"
#include "scan/scan_command.h"
#include "scan/scan_state.h"
#include "scan/scanner_commands_win.h"
#include "tasks/thread_win.h"

namespace dravolt {

class CScannerWorker {
public:
    enum class RunResult { Done, Refused };

    CScannerWorker();
    // Stops the thread if it still runs.
    ~CScannerWorker();
    CScannerWorker(const CScannerWorker&) = delete;
    CScannerWorker& operator=(const CScannerWorker&) = delete;

    // Creates the events and starts the thread; `owner` (the main window)
    // owns every window the worker shows. False when it cannot, and always
    // after the first call.
    bool Start(HWND owner);
    bool IsRunning() const;
    bool IsIdle() const { return slot_.load() == static_cast<std::uint32_t>(ScanCommand::Idle); }

    // Hands `code` to the worker and waits for it, dispatching window
    // messages meanwhile when `pump` is set. Refused at once, with nothing
    // handed over, while another command runs (a request from a message
    // dispatched by this very wait) or when no worker thread runs.
    RunResult Run(ScanCommand code, bool pump);

    // Sets the stop flag and wakes the worker; waits up to 1000 ms for it to
    // end, then terminates it. Once stopped the worker never runs again.
    void Stop();

    // Read while a command runs; written only while idle.
    ScanState& State() { return state_; }
    CScannerDevice* Device() { return commands_.Device(); }
    // The command work, for wiring its handlers before Start.
    CScannerCommands& Commands() { return commands_; }
    DWORD WorkerThreadId() const { return thread_.ThreadId(); }

private:
    class CWorkerThread : public CThread {
    public:
        explicit CWorkerThread(CScannerWorker& worker) : worker_(worker) {}

    protected:
        void Run() override { worker_.ThreadBody(); }

    private:
        CScannerWorker& worker_;
    };

    void ThreadBody();
    void RunOnePass();

    ScanState state_;
    CScannerCommands commands_{state_};
    UniqueKernelHandle start_;  // auto-reset
    UniqueKernelHandle done_;   // manual-reset
    std::atomic<std::uint32_t> slot_{static_cast<std::uint32_t>(ScanCommand::Idle)};
    std::atomic<bool> stop_{false};
    HWND owner_ = nullptr;  // not owned: the main window
    bool running_ = false;  // a Run is waiting (user-interface thread only)
    CWorkerThread thread_{*this};
};

}  // namespace dravolt
