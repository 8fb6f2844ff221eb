// Steps about the main window on the screen: its size, screenshots, and a
// listing of a window's controls for writing and debugging cases.
#include <cstdio>

#include "tools/e2e/e2e_capture_win.h"
#include "tools/e2e/e2e_steps_win.h"
#include "tools/e2e/e2e_windows_win.h"

namespace e2e {

namespace {

SIZE SizeOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// resize <w> <h>: restores the main window and gives it this outer size,
// top-left at the screen's corner.
void Resize(Session& session, StepArgs args)
{
    const int width = static_cast<int>(NumberArgument(session, args[0], L"resize"));
    const int height = static_cast<int>(NumberArgument(session, args[1], L"resize"));
    const HWND main = session.EnabledMain();
    ShowWindowAsync(main, SW_RESTORE);
    session.WaitFor([&] { return !IsZoomed(main); });
    SetWindowPos(main, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!session.WaitFor([&] {
            const SIZE size = SizeOf(main);
            return !IsZoomed(main) && size.cx == width && size.cy == height;
        })) {
        const SIZE size = SizeOf(main);
        session.Fail(L"resize: the main window is " + std::to_wstring(size.cx) + L"x" +
                     std::to_wstring(size.cy) + (IsZoomed(main) ? L", maximised" : L""));
    }
}

// maximize: the main window fills the screen.
void Maximize(Session& session, StepArgs)
{
    const HWND main = session.EnabledMain();
    ShowWindowAsync(main, SW_MAXIMIZE);
    if (!session.WaitFor([&] { return IsZoomed(main) != FALSE; }))
        session.Fail(L"maximize: the main window stays restored");
}

// capture <file.bmp>: the screen area of the main window (with whatever
// lies on it, such as a dialog), or the whole screen before there is one.
void Capture(Session& session, StepArgs args)
{
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT window{};
    if (session.Main() && IsWindow(session.Main()) && GetWindowRect(session.Main(), &window))
        IntersectRect(&area, &area, &window);
    std::wstring error;
    if (!CaptureScreenArea(area, ToWindowsPath(args[0]), error))
        session.Fail(L"capture: " + error);
}

// controls: prints the current window's controls.
void Controls(Session& session, StepArgs)
{
    if (!session.Current())
        session.Fail(L"controls: there is no current window");
    std::fwprintf(stdout, L"%ls", DescribeControls(session.Current()).c_str());
    std::fflush(stdout);
}

constexpr StepDef kSteps[] = {
    {L"resize", 2, &Resize},
    {L"maximize", 0, &Maximize},
    {L"capture", 1, &Capture},
    {L"controls", 0, &Controls},
};

}  // namespace

std::span<const StepDef> ScreenSteps()
{
    return kSteps;
}

}  // namespace e2e
