// Looking at and operating the windows of another process, for the
// end-to-end driver.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The visible top-level windows of process `processId`, front to back.
std::vector<HWND> TopLevelWindows(DWORD processId);

// The first visible top-level window of the process for which `match` holds.
HWND FindTopLevelWindowIf(DWORD processId, const std::function<bool(HWND)>& match);

// A visible top-level window of process `processId` whose class and caption
// match (an empty class or caption matches any). Null when there is none.
HWND FindTopLevelWindow(DWORD processId, const std::wstring& className,
                        const std::wstring& caption);

// Any visible top-level window of the process, for reporting what is shown.
HWND AnyTopLevelWindow(DWORD processId);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);

// The message text of a message box.
std::wstring MessageBoxText(HWND box);

// SendMessage that gives up after two seconds when the target hangs; empty
// when it did.
std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A control of `window` or of its child windows (a file dialog's option
// panel, say) with identifier `id`, nearest first and visible ones before
// hidden ones. Null when there is none.
HWND FindControl(HWND window, int id);

// A visible button among `window`'s descendants whose text, with "&"
// removed, is `label`.
HWND FindButton(HWND window, const std::wstring& label);

// Sends a message as a control would, waiting for its handler at most a
// second (so a handler that opens a modal window does not block the driver).
void SendAndWaitBriefly(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sends a control's notification (BN_CLICKED, CBN_SELCHANGE, LBN_SELCHANGE)
// to its parent, as the control itself does.
void NotifyParent(HWND control, WORD code);

// The texts of a list box's rows (those of a list that keeps strings).
std::vector<std::wstring> ListRowTexts(HWND list);

// One line per descendant of `window`: class, identifier, text, state.
std::wstring DescribeControls(HWND window);

// True when the message box's icon, as drawn on screen, is the red error icon.
bool ShowsErrorIcon(HWND box);

// Converts a path given in the host's form (/work/...) into a Windows path
// (Z:\work\...); Windows paths pass unchanged.
std::wstring ToWindowsPath(const std::wstring& path);

}  // namespace e2e
