#include "tools/e2e/e2e_session_win.h"

#include <cstdio>
#include <cstdlib>

#include "tools/e2e/e2e_windows_win.h"

namespace e2e {

void Session::Launch(const std::wstring& program, const std::wstring& folder,
                     const std::wstring& arguments)
{
    const std::wstring path = ToWindowsPath(program);
    const std::wstring cwd = ToWindowsPath(folder);
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    job_ = dravolt::UniqueKernelHandle(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_.Get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, cwd.empty() ? nullptr : cwd.c_str(), &startup, &started))
        Fail(L"cannot start " + path + L" (error " + std::to_wstring(GetLastError()) + L")");
    process_ = dravolt::UniqueKernelHandle(started.hProcess);
    processId_ = started.dwProcessId;
    AssignProcessToJobObject(job_.Get(), process_.Get());
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
}

bool Session::Exited() const
{
    return WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
}

bool Session::WaitForExit(DWORD& code) const
{
    if (WaitForSingleObject(process_.Get(), stepTimeoutMs_) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process_.Get(), &code);
    return true;
}

void Session::SetMain(HWND window)
{
    main_ = window;
    current_ = window;
}

HWND Session::EnabledMain()
{
    if (!main_)
        Fail(L"no main window yet (a window step must come first)");
    if (!WaitFor([&] { return !IsWindow(main_) || IsWindowEnabled(main_); }) || !IsWindow(main_))
        Fail(IsWindow(main_) ? L"the main window stays disabled (a modal window is still open)"
                             : L"the main window is gone" + EndedNote());
    return main_;
}

bool Session::WaitFor(const std::function<bool()>& done) const
{
    return WaitFor(done, stepTimeoutMs_);
}

bool Session::WaitFor(const std::function<bool()>& done, DWORD timeoutMs) const
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
}

void Session::Fail(const std::wstring& why)
{
    std::fwprintf(stderr, L"e2e: FAIL: %ls\n", why.c_str());
    if (Launched()) {
        for (HWND shown : TopLevelWindows(processId_))
            std::fwprintf(stderr, L"e2e: showing [%ls] \"%ls\" \"%ls\"%ls\n",
                          ClassOf(shown).c_str(), TextOf(shown).c_str(),
                          MessageBoxText(shown).c_str(),
                          IsWindowEnabled(shown) ? L"" : L" (disabled)");
        TerminateProcess(process_.Get(), 255);
        WaitForSingleObject(process_.Get(), 5000);
    }
    std::exit(1);
}

std::wstring Session::EndedNote() const
{
    if (!Launched() || !Exited())
        return {};
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return L" (the program ended with exit code " + std::to_wstring(code) + L")";
}

}  // namespace e2e
