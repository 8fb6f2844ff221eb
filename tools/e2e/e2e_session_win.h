// One run of the end-to-end driver: the program under test, the windows the
// steps address, and the bounded waiting and failing that every step shares.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/handles_win.h"

namespace e2e {

class Session {
public:
    // Starts `program` (a host or Windows path) in `folder` (empty: this
    // folder) with `arguments`, inside a job that ends it with the driver.
    void Launch(const std::wstring& program, const std::wstring& folder,
                const std::wstring& arguments);

    bool Launched() const { return process_.Get() != nullptr; }
    bool Exited() const;
    // Waits for the end of the program; false when it is still running.
    bool WaitForExit(DWORD& code) const;
    HANDLE Process() const { return process_.Get(); }
    DWORD ProcessId() const { return processId_; }

    // The program's main window (found by the `window` step): menu
    // commands, the page list and the status bar live there.
    HWND Main() const { return main_; }
    void SetMain(HWND window);
    // The window the dialog steps (press, settext, close...) address.
    HWND Current() const { return current_; }
    void SetCurrent(HWND window) { current_ = window; }
    // The main window, once it takes input again (no modal window over it).
    HWND EnabledMain();

    // Row texts a step noted for a later one (the page files of a list).
    const std::vector<std::wstring>& Remembered() const { return remembered_; }
    void Remember(std::vector<std::wstring> texts) { remembered_ = std::move(texts); }

    void SetStepTimeout(DWORD ms) { stepTimeoutMs_ = ms; }
    // Polls `done` every 50 ms until it holds or the step time-out passes.
    bool WaitFor(const std::function<bool()>& done) const;
    bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) const;

    // Says why, shows what the program displays, ends it and exits with 1.
    [[noreturn]] void Fail(const std::wstring& why);
    // " (the program ended with exit code N)" once it has ended, else "".
    std::wstring EndedNote() const;

private:
    dravolt::UniqueKernelHandle job_;
    dravolt::UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
    HWND current_ = nullptr;
    std::vector<std::wstring> remembered_;
    DWORD stepTimeoutMs_ = 20000;
};

}  // namespace e2e
