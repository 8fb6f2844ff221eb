// The process's GDI+ session: started once at start-up, shut down after the
// main window has closed.
#pragma once

#include <windows.h>

namespace dravolt {

class CGdiplusSession {
public:
    // Starts GDI+ unless this process already holds a session.
    static void Start();
    static void Shutdown();
    static bool Running();
};

}  // namespace dravolt
