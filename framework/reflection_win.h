// Which child a parent's message is about: the messages a control sends its
// parent about itself, which the framework offers back to the control.
#pragma once

#include <windows.h>

namespace dravolt {

// The child window `message` to `parent` concerns, or null when it is not a
// child notification (menus, accelerators, plain window messages).
HWND ReflectedChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dravolt
