// Reading what a common control of another process shows when the control
// only answers into memory of its own process (status bar panes).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// The text of pane `pane` of status bar `statusBar`, which belongs to
// `process`; empty when it cannot be read.
std::optional<std::wstring> StatusPaneText(HANDLE process, HWND statusBar, int pane);

}  // namespace e2e
