// The drop step: files and folders dropped on a main window control through
// the OLE drag loop, as from the shell with the mouse over the control.
#include <windows.h>

#include <string>
#include <vector>

#include "tools/e2e/e2e_drop_win.h"
#include "tools/e2e/e2e_steps_win.h"
#include "tools/e2e/e2e_windows_win.h"

namespace e2e {

namespace {

// Timer ticks of the drag loop (about a tenth of a second each) the target
// has to accept the files before the drag is given up.
constexpr int kMaxDragQueries = 100;

std::wstring Hex(HRESULT value)
{
    wchar_t text[16];
    swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(value));
    return text;
}

std::wstring Describe(HWND window)
{
    if (!window)
        return L"no window";
    return L"class \"" + ClassOf(window) + L"\" id " + std::to_wstring(GetDlgCtrlID(window)) +
           L" \"" + TextOf(window) + L"\"";
}

// Puts the cursor on the centre of `control`, which must be the window
// found there (not covered by another one).
void PointAt(Session& session, HWND control, const std::wstring& idText)
{
    RECT area{};
    GetWindowRect(control, &area);
    const POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    HWND under = nullptr;
    const bool reached = session.WaitFor([&] {
        SetCursorPos(centre.x, centre.y);
        POINT cursor{};
        GetCursorPos(&cursor);
        under = WindowFromPoint(centre);
        return cursor.x == centre.x && cursor.y == centre.y && under == control;
    });
    if (!reached)
        session.Fail(L"drop: control " + idText + L"'s centre (" + std::to_wstring(centre.x) +
                     L"," + std::to_wstring(centre.y) + L") is not reachable: " +
                     Describe(under) + L" is there");
}

// drop <id> <path>... end: the paths (host or Windows form) dragged onto a
// control of the main window and let go there.
void Drop(Session& session, StepArgs args)
{
    if (args.size() < 2)
        session.Fail(L"drop needs a control and at least one path before end");
    const int id = static_cast<int>(NumberArgument(session, args[0], L"drop"));
    HWND control = nullptr;
    const HWND main = session.EnabledMain();
    if (!session.WaitFor([&] { return (control = FindControl(main, id)) != nullptr; }))
        session.Fail(L"drop: no control " + args[0] + L" in the main window" +
                     session.EndedNote());
    std::vector<std::wstring> paths;
    for (const std::wstring& path : args.subspan(1))
        paths.push_back(ToWindowsPath(path));
    PointAt(session, control, args[0]);
    const DropOutcome outcome = DragAndDropFiles(paths, kMaxDragQueries);
    if (outcome.result != DRAGDROP_S_DROP || outcome.effect != DROPEFFECT_COPY)
        session.Fail(L"drop: the drag loop ended with " + Hex(outcome.result) + L", effect " +
                     std::to_wstring(outcome.effect) + L" after " +
                     std::to_wstring(outcome.queries) + L" queries; the target offered effects " +
                     std::to_wstring(outcome.feedback) + session.EndedNote());
}

constexpr StepDef kSteps[] = {
    {L"drop", kUntilEnd, &Drop},
};

}  // namespace

std::span<const StepDef> DropSteps()
{
    return kSteps;
}

}  // namespace e2e
