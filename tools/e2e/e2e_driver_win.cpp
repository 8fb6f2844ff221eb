// End-to-end driver: starts a program, then walks a list of steps given on
// the command line, each waiting (boundedly) for what it expects.
//
// The program and its windows:
//   launch <program> <folder> <args>    start the program in a working folder
//                                       ("-": this folder) with arguments ("-": none)
//   window <class> <caption>            wait for a top-level window ("-": any); it
//                                       becomes the main window and the current window
//   dialog <caption>                    wait for another window with this caption, taking
//                                       input; it becomes the current window
//   message <text>                      wait for a message box with this text; it becomes
//                                       the current window
//   back                                the main window is the current window again
//   text <message>                      the current window is a message box with this text
//   icon error                          the message box shows the error icon
//   close                               ask the current window to close (WM_CLOSE)
//   quiet <milliseconds>                no window of the program appears meanwhile
//   sleep <milliseconds>                wait, say for painting before a capture
//   exit <code>                         the program ends with this code ("any")
//
// Controls of the current window (found among its descendants, so also in a
// file dialog's option panel). Notifications are sent as the controls send
// them, and a step waits up to a second for their handling:
//   press <button>                      click the enabled button with this text ("&" left out)
//   click <id>                          BM_CLICK
//   check <id> on|off                   the check box ends up ticked or not
//   settext <id> <text>                 WM_SETTEXT; the control then shows the text
//   shows <id> <text>                   the control shows this text
//   choose <id> <index|text>            select a combo box entry, CBN_SELCHANGE to its parent
//
// The main window (each waits until it takes input, so no modal window is up;
// commands and toolbar clicks are sent and waited for up to a second):
//   command <id>                        WM_COMMAND, as from the menu
//   toolbar <number>                    a toolbar button's click (WM_APP + 100)
//   select <list-id> <row>              LB_SETCURSEL, then LBN_SELCHANGE to the window
//   rows <list-id> <n>                  the list holds n rows
//   remember <list-id>                  note the rows' texts (a page list's: page file paths)
//   files <list-id>                     of the files noted, those still in the list exist,
//                                       the others are deleted
//   pane <index> <text>                 the status bar's pane shows the text
//   key <id> enter|escape               the key typed on a control (posted, as typed keys are)
//   resize <width> <height>             restore it and give it this outer size
//   maximize                            maximise it
//   capture <file.bmp>                  its screen area (the whole screen before it exists)
//   controls                            print the current window's controls
//   drop <id> <path>... end             drag files and folders (host or Windows paths)
//                                       from this process onto a control, the cursor on
//                                       its centre, and let go once it accepts a copy
//
// Every wait is bounded by --step-timeout (ms, default 20000). On failure the
// driver says why, ends the program and exits with 1; the program is also
// ended if the driver itself dies, because it runs in a kill-on-close job.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/e2e/e2e_steps_win.h"

namespace {

const e2e::StepDef* FindStep(const std::wstring& name)
{
    for (const auto& table : {e2e::ProgramSteps(), e2e::ControlSteps(), e2e::ScreenSteps(),
                             e2e::DropSteps()}) {
        for (const e2e::StepDef& step : table) {
            if (name == step.name)
                return &step;
        }
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::vector<std::wstring> words(argv + 1, argv + argc);
    e2e::Session session;
    size_t i = 0;
    if (words.size() >= 2 && words[0] == L"--step-timeout") {
        session.SetStepTimeout(e2e::NumberArgument(session, words[1], L"--step-timeout"));
        i = 2;
    }
    while (i < words.size()) {
        const std::wstring& name = words[i++];
        const e2e::StepDef* step = FindStep(name);
        if (!step)
            session.Fail(L"unknown step " + name);
        size_t count = step->argCount;
        size_t next = i + count;
        if (count == e2e::kUntilEnd) {
            next = i;
            while (next < words.size() && words[next] != L"end")
                ++next;
            if (next == words.size())
                session.Fail(name + L"'s arguments are not closed by end");
            count = next++ - i;
        } else if (words.size() - i < count) {
            session.Fail(name + L" needs " + std::to_wstring(count) + L" argument(s)");
        }
        if (!session.Launched() && name != L"launch")
            session.Fail(L"no program launched before " + name);
        step->run(session, e2e::StepArgs(words.data() + i, count));
        i = next;
    }
    if (session.Launched() && !session.Exited())
        session.Fail(L"the program is still running after the last step");
    std::fwprintf(stdout, L"e2e: passed\n");
    return 0;
}
