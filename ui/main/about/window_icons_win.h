// The program icon at the two sizes a window shows it: big (Alt+Tab) and
// small (caption, taskbar). The window only borrows the icons, so they are
// owned here and must outlive it.
#pragma once

#include <windows.h>

#include "framework/handles_win.h"

namespace dravolt::about {

class CWindowIcons {
public:
    // Loads the program icon (resource 128) at the system's icon sizes and
    // sets it on the window; false when the resource could not be loaded.
    bool Apply(HWND window);
    HICON Big() const { return big_.Get(); }

private:
    UniqueIcon big_;
    UniqueIcon small_;
};

}  // namespace dravolt::about
