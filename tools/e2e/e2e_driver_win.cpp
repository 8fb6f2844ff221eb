// End-to-end driver: starts a program, then walks a list of steps given on
// the command line, each waiting (boundedly) for what it expects:
//
//   launch <program> <folder> <args>    start the program in a working folder
//                                       ("-": this folder) with arguments ("-": none)
//   window <class> <caption>            wait for a top-level window ("-": any)
//   text <message>                      the window is a message box with this text
//   icon error                          the message box shows the error icon
//   press <button>                      click a button of the window
//   close                               ask the window to close (WM_CLOSE, as its close box)
//   quiet <milliseconds>                no window of the program appears meanwhile
//   exit <code>                         the program ends with this code ("any")
//
// Every wait is bounded by --step-timeout (ms, default 20000). On failure the
// driver says why, ends the program and exits with 1; the program is also
// ended if the driver itself dies, because it runs in a kill-on-close job.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "tools/e2e/e2e_windows_win.h"

namespace {

DWORD g_stepTimeoutMs = 20000;

struct Target {
    HANDLE job = nullptr;
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

[[noreturn]] void Fail(Target& target, const std::wstring& why)
{
    std::fwprintf(stderr, L"e2e: FAIL: %ls\n", why.c_str());
    if (target.process.hProcess) {
        if (HWND shown = e2e::AnyTopLevelWindow(target.process.dwProcessId))
            std::fwprintf(stderr, L"e2e: showing [%ls] \"%ls\" \"%ls\"\n", e2e::ClassOf(shown).c_str(),
                          e2e::TextOf(shown).c_str(), e2e::MessageBoxText(shown).c_str());
        TerminateProcess(target.process.hProcess, 255);
        WaitForSingleObject(target.process.hProcess, 5000);
    }
    std::exit(1);
}

// Polls `done` every 50 ms until it holds or the step times out.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs)
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

void Launch(Target& target, const std::wstring& program, const std::wstring& folder,
            const std::wstring& arguments)
{
    const std::wstring path = e2e::ToWindowsPath(program);
    const std::wstring cwd = folder == L"-" ? std::wstring() : e2e::ToWindowsPath(folder);
    std::wstring commandLine = L"\"" + path + L"\"";
    if (arguments != L"-")
        commandLine += L" " + arguments;
    STARTUPINFOW startup{sizeof(startup)};
    target.job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(target.job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, cwd.empty() ? nullptr : cwd.c_str(), &startup, &target.process))
        Fail(target, L"cannot start " + path + L" (error " + std::to_wstring(GetLastError()) + L")");
    AssignProcessToJobObject(target.job, target.process.hProcess);
    ResumeThread(target.process.hThread);
}

std::wstring AnyIfDash(const std::wstring& text) { return text == L"-" ? std::wstring() : text; }

bool Exited(const Target& target)
{
    return WaitForSingleObject(target.process.hProcess, 0) == WAIT_OBJECT_0;
}

std::wstring EndedNote(const Target& target)
{
    if (!Exited(target))
        return {};
    DWORD code = 0;
    GetExitCodeProcess(target.process.hProcess, &code);
    return L" (the program ended with exit code " + std::to_wstring(code) + L")";
}

// Runs one step; `args` holds the step's arguments. Returns how many it used.
size_t RunStep(Target& target, const std::wstring& step, const std::vector<std::wstring>& args)
{
    auto need = [&](size_t count) {
        if (args.size() < count)
            Fail(target, step + L" needs " + std::to_wstring(count) + L" argument(s)");
    };
    if (step == L"launch") {
        need(3);
        Launch(target, args[0], args[1], args[2]);
        return 3;
    }
    if (!target.process.hProcess)
        Fail(target, L"no program launched before " + step);
    if (step == L"window") {
        need(2);
        const std::wstring className = AnyIfDash(args[0]), caption = AnyIfDash(args[1]);
        const bool found = WaitFor([&] {
            target.window = e2e::FindTopLevelWindow(target.process.dwProcessId, className, caption);
            return target.window != nullptr || Exited(target);
        }, g_stepTimeoutMs);
        if (!found || !target.window)
            Fail(target, L"no window [" + args[0] + L"] \"" + args[1] + L"\"" + EndedNote(target));
        return 2;
    }
    if (step == L"text") {
        need(1);
        if (!WaitFor([&] { return e2e::MessageBoxText(target.window) == args[0]; }, g_stepTimeoutMs))
            Fail(target, L"message is \"" + e2e::MessageBoxText(target.window) + L"\", expected \"" +
                             args[0] + L"\"");
        return 1;
    }
    if (step == L"icon") {
        need(1);
        if (args[0] != L"error")
            Fail(target, L"unknown icon " + args[0]);
        if (!WaitFor([&] { return e2e::ShowsErrorIcon(target.window); }, g_stepTimeoutMs))
            Fail(target, L"the message box does not show the error icon");
        return 1;
    }
    if (step == L"press") {
        need(1);
        if (!e2e::PressButton(target.window, args[0]))
            Fail(target, L"no button \"" + args[0] + L"\"");
        return 1;
    }
    if (step == L"close") {
        if (!target.window || !PostMessageW(target.window, WM_CLOSE, 0, 0))
            Fail(target, L"no window to close");
        return 0;
    }
    if (step == L"quiet") {
        need(1);
        const DWORD ms = static_cast<DWORD>(std::wcstoul(args[0].c_str(), nullptr, 10));
        if (WaitFor([&] { return e2e::AnyTopLevelWindow(target.process.dwProcessId) != nullptr; }, ms))
            Fail(target, L"a window appeared");
        return 1;
    }
    if (step == L"exit") {
        need(1);
        if (WaitForSingleObject(target.process.hProcess, g_stepTimeoutMs) != WAIT_OBJECT_0)
            Fail(target, L"the program did not end (hung?)");
        DWORD code = 0;
        GetExitCodeProcess(target.process.hProcess, &code);
        if (args[0] != L"any" && code != std::wcstoul(args[0].c_str(), nullptr, 0))
            Fail(target, L"exit code " + std::to_wstring(code) + L", expected " + args[0]);
        return 1;
    }
    Fail(target, L"unknown step " + step);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::wstring> words(argv + 1, argv + argc);
    Target target;
    size_t i = 0;
    if (words.size() >= 2 && words[0] == L"--step-timeout") {
        g_stepTimeoutMs = static_cast<DWORD>(std::wcstoul(words[1].c_str(), nullptr, 10));
        i = 2;
    }
    while (i < words.size()) {
        const std::wstring step = words[i++];
        const std::vector<std::wstring> rest(words.begin() + static_cast<std::ptrdiff_t>(i), words.end());
        i += RunStep(target, step, rest);
    }
    if (target.process.hProcess && !Exited(target))
        Fail(target, L"the program is still running after the last step");
    std::fwprintf(stdout, L"e2e: passed\n");
    return 0;
}
