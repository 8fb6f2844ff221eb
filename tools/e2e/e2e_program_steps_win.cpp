// Steps about the program and its top-level windows: starting it, finding
// its main window, dialogs and message boxes, closing, waiting, its end.
#include <cwchar>

#include "tools/e2e/e2e_steps_win.h"
#include "tools/e2e/e2e_windows_win.h"

namespace e2e {

namespace {

std::wstring AnyIfDash(const std::wstring& text)
{
    return text == L"-" ? std::wstring() : text;
}

// launch <program> <folder> <arguments>: "-" is this folder, no arguments.
void Launch(Session& session, StepArgs args)
{
    session.Launch(args[0], AnyIfDash(args[1]), AnyIfDash(args[2]));
}

// window <class> <caption>: the main window ("-": any class or caption).
void Window(Session& session, StepArgs args)
{
    const std::wstring className = AnyIfDash(args[0]), caption = AnyIfDash(args[1]);
    HWND found = nullptr;
    session.WaitFor([&] {
        found = FindTopLevelWindow(session.ProcessId(), className, caption);
        return found || session.Exited();
    });
    if (!found)
        session.Fail(L"no window [" + args[0] + L"] \"" + args[1] + L"\"" + session.EndedNote());
    session.SetMain(found);
}

// dialog <caption>: a window other than the main one with this caption,
// taking input (no modal window of its own over it).
void Dialog(Session& session, StepArgs args)
{
    HWND found = nullptr;
    session.WaitFor([&] {
        found = FindTopLevelWindowIf(session.ProcessId(), [&](HWND window) {
            return window != session.Main() && IsWindowEnabled(window) && TextOf(window) == args[0];
        });
        return found || session.Exited();
    });
    if (!found)
        session.Fail(L"no dialog \"" + args[0] + L"\"" + session.EndedNote());
    session.SetCurrent(found);
}

// message <text>: a message box showing this text.
void Message(Session& session, StepArgs args)
{
    HWND found = nullptr;
    session.WaitFor([&] {
        found = FindTopLevelWindowIf(
            session.ProcessId(), [&](HWND window) { return MessageBoxText(window) == args[0]; });
        return found || session.Exited();
    });
    if (!found)
        session.Fail(L"no message \"" + args[0] + L"\"" + session.EndedNote());
    session.SetCurrent(found);
}

// back: the main window becomes the current window again.
void Back(Session& session, StepArgs)
{
    if (!session.Main() || !IsWindow(session.Main()))
        session.Fail(L"back: there is no main window" + session.EndedNote());
    session.SetCurrent(session.Main());
}

// text <message>: the current window is a message box with this text.
void Text(Session& session, StepArgs args)
{
    if (!session.WaitFor([&] { return MessageBoxText(session.Current()) == args[0]; }))
        session.Fail(L"message is \"" + MessageBoxText(session.Current()) + L"\", expected \"" +
                     args[0] + L"\"");
}

// icon error: the current message box shows the error icon.
void Icon(Session& session, StepArgs args)
{
    if (args[0] != L"error")
        session.Fail(L"unknown icon " + args[0]);
    if (!session.WaitFor([&] { return ShowsErrorIcon(session.Current()); }))
        session.Fail(L"the message box does not show the error icon");
}

// close: WM_CLOSE to the current window, as its close box.
void Close(Session& session, StepArgs)
{
    if (!session.Current() || !PostMessageW(session.Current(), WM_CLOSE, 0, 0))
        session.Fail(L"no window to close" + session.EndedNote());
}

// quiet <ms>: no window of the program appears meanwhile.
void Quiet(Session& session, StepArgs args)
{
    const DWORD ms = NumberArgument(session, args[0], L"quiet");
    if (session.WaitFor([&] { return AnyTopLevelWindow(session.ProcessId()) != nullptr; }, ms))
        session.Fail(L"a window appeared");
}

// sleep <ms>: lets the program paint, for a capture.
void SleepStep(Session& session, StepArgs args)
{
    Sleep(NumberArgument(session, args[0], L"sleep"));
}

// exit <code>: the program ends with this code ("any": whatever code).
void Exit(Session& session, StepArgs args)
{
    DWORD code = 0;
    if (!session.WaitForExit(code))
        session.Fail(L"the program did not end (hung?)");
    if (args[0] != L"any" && code != NumberArgument(session, args[0], L"exit"))
        session.Fail(L"exit code " + std::to_wstring(code) + L", expected " + args[0]);
}

constexpr StepDef kSteps[] = {
    {L"launch", 3, &Launch},   {L"window", 2, &Window}, {L"dialog", 1, &Dialog},
    {L"message", 1, &Message}, {L"back", 0, &Back},     {L"text", 1, &Text},
    {L"icon", 1, &Icon},       {L"close", 0, &Close},   {L"quiet", 1, &Quiet},
    {L"sleep", 1, &SleepStep}, {L"exit", 1, &Exit},
};

}  // namespace

std::span<const StepDef> ProgramSteps()
{
    return kSteps;
}

unsigned long NumberArgument(Session& session, const std::wstring& text, const wchar_t* step)
{
    wchar_t* end = nullptr;
    const unsigned long value = std::wcstoul(text.c_str(), &end, 0);
    if (text.empty() || *end != L'\0')
        session.Fail(std::wstring(step) + L": \"" + text + L"\" is not a number");
    return value;
}

}  // namespace e2e
