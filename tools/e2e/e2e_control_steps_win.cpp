// Steps that operate controls: buttons, check boxes, edit fields and combo
// boxes of the current window, and the main window's commands, page list
// and status bar.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "tools/e2e/e2e_remote_win.h"
#include "tools/e2e/e2e_steps_win.h"
#include "tools/e2e/e2e_windows_win.h"

namespace e2e {

namespace {

// The toolbar buttons reach the main window as this private message, with
// the button's number.
constexpr UINT kToolbarClickMessage = WM_APP + 100;

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// Control `idText` of `window`, waited for.
HWND ControlOf(Session& session, HWND window, const std::wstring& idText, const wchar_t* step)
{
    const int id = static_cast<int>(NumberArgument(session, idText, step));
    HWND control = nullptr;
    if (!window || !session.WaitFor([&] { return (control = FindControl(window, id)) != nullptr; }))
        session.Fail(std::wstring(step) + L": no control " + idText + L" in " +
                     Quoted(TextOf(window)) + session.EndedNote());
    return control;
}

// press <label>: clicks the enabled button with this text.
void Press(Session& session, StepArgs args)
{
    HWND button = nullptr;
    const bool found = session.WaitFor([&] {
        button = FindButton(session.Current(), args[0]);
        return button && IsWindowEnabled(button);
    });
    if (!found)
        session.Fail(L"no enabled button " + Quoted(args[0]) + L" in " +
                     Quoted(TextOf(session.Current())) + session.EndedNote());
    NotifyParent(button, BN_CLICKED);
}

// click <id>: BM_CLICK to a button of the current window.
void Click(Session& session, StepArgs args)
{
    SendAndWaitBriefly(ControlOf(session, session.Current(), args[0], L"click"), BM_CLICK, 0, 0);
}

// check <id> on|off: the check box ends up ticked or not, clicked if needed.
void Check(Session& session, StepArgs args)
{
    if (args[1] != L"on" && args[1] != L"off")
        session.Fail(L"check: " + args[1] + L" is neither on nor off");
    const HWND box = ControlOf(session, session.Current(), args[0], L"check");
    const LRESULT wanted = args[1] == L"on" ? BST_CHECKED : BST_UNCHECKED;
    auto state = [&] { return SendWithTimeout(box, BM_GETCHECK, 0, 0).value_or(-1); };
    if (state() != wanted)
        SendAndWaitBriefly(box, BM_CLICK, 0, 0);
    if (!session.WaitFor([&] { return state() == wanted; }))
        session.Fail(L"check: box " + args[0] + L" does not turn " + args[1]);
}

// settext <id> <text>: WM_SETTEXT, then the control shows the text.
void SetText(Session& session, StepArgs args)
{
    const HWND control = ControlOf(session, session.Current(), args[0], L"settext");
    SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[1].c_str()));
    if (!session.WaitFor([&] { return TextOf(control) == args[1]; }))
        session.Fail(L"settext: control " + args[0] + L" shows " + Quoted(TextOf(control)) +
                     L", not " + Quoted(args[1]));
}

// shows <id> <text>: a control of the current window shows this text.
void Shows(Session& session, StepArgs args)
{
    const HWND control = ControlOf(session, session.Current(), args[0], L"shows");
    if (!session.WaitFor([&] { return TextOf(control) == args[1]; }))
        session.Fail(L"control " + args[0] + L" shows " + Quoted(TextOf(control)) + L", expected " +
                     Quoted(args[1]));
}

// choose <id> <index or text>: selects a combo box entry and tells the
// parent, as the user's choice would.
void Choose(Session& session, StepArgs args)
{
    const HWND box = ControlOf(session, session.Current(), args[0], L"choose");
    const bool byIndex =
        !args[1].empty() && args[1].find_first_not_of(L"0123456789") == std::wstring::npos;
    const LRESULT index = byIndex
                              ? static_cast<LRESULT>(NumberArgument(session, args[1], L"choose"))
                              : SendWithTimeout(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(args[1].c_str()))
                                    .value_or(CB_ERR);
    if (index == CB_ERR ||
        SendWithTimeout(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0).value_or(CB_ERR) != index)
        session.Fail(L"choose: combo box " + args[0] + L" has no entry " + Quoted(args[1]));
    NotifyParent(box, CBN_SELCHANGE);
}

// select <list-id> <row>: selects a row of a main window list and tells the
// window, as a click on the row would.
void Select(Session& session, StepArgs args)
{
    const HWND list = ControlOf(session, session.EnabledMain(), args[0], L"select");
    const WPARAM row = NumberArgument(session, args[1], L"select");
    if (SendWithTimeout(list, LB_SETCURSEL, row, 0).value_or(LB_ERR) == LB_ERR)
        session.Fail(L"select: list " + args[0] + L" has no row " + args[1]);
    NotifyParent(list, LBN_SELCHANGE);
}

// rows <list-id> <n>: once the main window takes input, its list has n rows.
void Rows(Session& session, StepArgs args)
{
    const LRESULT wanted = static_cast<LRESULT>(NumberArgument(session, args[1], L"rows"));
    const HWND list = ControlOf(session, session.EnabledMain(), args[0], L"rows");
    LRESULT count = -1;
    const bool reached = session.WaitFor([&] {
        count = SendWithTimeout(list, LB_GETCOUNT, 0, 0).value_or(-1);
        return count == wanted && IsWindowEnabled(session.Main());
    });
    if (!reached) {
        std::wstring shown;
        for (const std::wstring& row : ListRowTexts(list))
            shown += L"\n  " + row;
        session.Fail(L"list " + args[0] + L" has " + std::to_wstring(count) + L" rows, expected " +
                     args[1] + session.EndedNote() + shown);
    }
}

// remember <list-id>: notes the rows of a main window list, whose texts
// are the paths of the pages' files, for a later `files` step.
void Remember(Session& session, StepArgs args)
{
    session.Remember(ListRowTexts(ControlOf(session, session.EnabledMain(), args[0], L"remember")));
}

// files <list-id>: of the files remembered, those whose rows are still in
// the list exist and the others have been deleted.
void Files(Session& session, StepArgs args)
{
    const std::vector<std::wstring> rows =
        ListRowTexts(ControlOf(session, session.EnabledMain(), args[0], L"files"));
    for (const std::wstring& path : session.Remembered()) {
        const bool listed = std::find(rows.begin(), rows.end(), path) != rows.end();
        const bool exists = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (listed != exists)
            session.Fail(path + (listed ? L" is a page but its file is missing"
                                        : L" was removed but its file is still there"));
    }
}

// pane <index> <text>: a pane of the main window's status bar shows the text.
void Pane(Session& session, StepArgs args)
{
    const int pane = static_cast<int>(NumberArgument(session, args[0], L"pane"));
    const HWND bar = FindWindowExW(session.EnabledMain(), nullptr, STATUSCLASSNAMEW, nullptr);
    if (!bar)
        session.Fail(L"pane: the main window has no status bar");
    std::wstring shown;
    if (!session.WaitFor([&] {
            shown = StatusPaneText(session.Process(), bar, pane).value_or(L"(unreadable)");
            return shown == args[1];
        }))
        session.Fail(L"status pane " + args[0] + L" shows " + Quoted(shown) + L", expected " +
                     Quoted(args[1]));
}

// key <id> enter|escape: the key pressed and released on a main window
// control, through the window's message loop as typed keys go.
void Key(Session& session, StepArgs args)
{
    const WPARAM key = args[1] == L"enter" ? VK_RETURN : args[1] == L"escape" ? VK_ESCAPE : 0;
    if (!key)
        session.Fail(L"key: " + args[1] + L" is neither enter nor escape");
    const HWND control = ControlOf(session, session.EnabledMain(), args[0], L"key");
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 1 | (3u << 30));
}

// command <id>: a menu command to the main window once it takes input. It
// is sent, not posted: a posted command could still be queued when the next
// step's sent messages (a row selection, say) are already handled.
void Command(Session& session, StepArgs args)
{
    const WPARAM id = NumberArgument(session, args[0], L"command");
    SendAndWaitBriefly(session.EnabledMain(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// toolbar <number>: a toolbar button's click to the main window.
void Toolbar(Session& session, StepArgs args)
{
    const WPARAM number = NumberArgument(session, args[0], L"toolbar");
    SendAndWaitBriefly(session.EnabledMain(), kToolbarClickMessage, number, 0);
}

constexpr StepDef kSteps[] = {
    {L"press", 1, &Press},     {L"click", 1, &Click},     {L"check", 2, &Check},
    {L"settext", 2, &SetText}, {L"shows", 2, &Shows},     {L"choose", 2, &Choose},
    {L"select", 2, &Select},   {L"rows", 2, &Rows},       {L"remember", 1, &Remember},
    {L"files", 1, &Files},     {L"pane", 2, &Pane},       {L"command", 1, &Command},
    {L"key", 2, &Key},         {L"toolbar", 1, &Toolbar},
};

}  // namespace

std::span<const StepDef> ControlSteps()
{
    return kSteps;
}

}  // namespace e2e
