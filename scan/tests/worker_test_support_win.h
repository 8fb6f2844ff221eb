// Helpers of the scanner worker tests: an owner window whose private
// message runs a test's step, a watcher that answers the message boxes the
// worker shows, pumping with a safety deadline, and the simulator's record.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/wia_sim/wia_sim_record.h"

namespace dravolt::test {

// A hidden top-level window; WM_APP runs `onApp`.
class COwnerWindow {
public:
    COwnerWindow();
    ~COwnerWindow();
    COwnerWindow(const COwnerWindow&) = delete;
    COwnerWindow& operator=(const COwnerWindow&) = delete;
    HWND Handle() const { return window_; }
    std::function<void()> onApp;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// Watches the worker thread's windows for message boxes owned by `owner`,
// keeps their texts and presses OK.
class CMessageBoxWatcher {
public:
    CMessageBoxWatcher(DWORD thread, HWND owner);
    ~CMessageBoxWatcher();
    CMessageBoxWatcher(const CMessageBoxWatcher&) = delete;
    CMessageBoxWatcher& operator=(const CMessageBoxWatcher&) = delete;
    std::vector<std::wstring> Texts() const;

private:
    void Watch();
    DWORD thread_;
    HWND owner_;
    mutable std::mutex mutex_;
    std::vector<std::wstring> texts_;
    HANDLE stop_;
    std::thread watcher_;
};

// Dispatches messages until `done` says so; false when the deadline (a
// guard against a hang, far beyond any normal wait) passed first.
bool PumpUntil(const std::function<bool()>& done, DWORD deadlineMs = 20000);

// The record of the simulator beside the test program.
WiaSimRecord& SimRecord();

}  // namespace dravolt::test
