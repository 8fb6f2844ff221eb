// Window messages of the page list. The main window refreshes its status on
// the change message and imports the files of the drop message; the list
// posts itself the clean-up message so rows are removed after a paint.
#pragma once

#include <windows.h>

namespace dravolt {

// Posted to the main window, no parameters: the pages or the selection changed.
inline constexpr UINT kPageListChangedMessage = WM_APP + 103;  // 32871
// Sent to the list's parent: wParam is a const std::vector<std::wstring>*
// of dropped file paths in drop order, valid during the call.
inline constexpr UINT kFilesDroppedMessage = WM_APP + 105;  // 32873
// Posted by the list to itself: remove rows whose key has no page.
inline constexpr UINT kRemoveRowsWithoutPageMessage = WM_APP + 106;

// Posts the change message to `mainWindow`, but only from the thread that
// owns it: a worker adding pages must not trigger the main window's refresh.
bool PostPageListChange(HWND mainWindow);

}  // namespace dravolt
