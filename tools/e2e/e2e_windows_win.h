// Looking at and operating the windows of another process, for the
// end-to-end driver.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

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

// Clicks the child button whose text, with "&" removed, is `label`.
bool PressButton(HWND dialog, const std::wstring& label);

// True when the message box's icon, as drawn on screen, is the red error icon.
bool ShowsErrorIcon(HWND box);

// Converts a path given in the host's form (/work/...) into a Windows path
// (Z:\work\...); Windows paths pass unchanged.
std::wstring ToWindowsPath(const std::wstring& path);

}  // namespace e2e
