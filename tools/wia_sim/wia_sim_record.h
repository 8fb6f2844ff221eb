// What the simulated scanner saw, for tests to check: live objects, the
// thread that owns the simulated apartment, calls from any other thread,
// and the chooser's last call. Read it through the library's export
// WiaSimGetRecord once the calls of interest are over.
#pragma once

#include <windows.h>

struct WiaSimRecord {
    LONG liveObjects;            // simulator COM objects not yet destroyed
    LONG factoryCalls;           // calls of the device manager factory
    LONG managersCreated;        // factory calls that made a device manager
    DWORD apartmentThread;       // the thread that created the last manager
    LONG foreignCalls;           // calls on any object from another thread
    DWORD managerReleaseThread;  // the thread whose release destroyed a manager
    LONG selectCalls;
    LONG lastSelectType;
    LONG lastSelectFlags;
    HWND lastSelectParent;
};

using WiaSimGetRecordFn = WiaSimRecord*(WINAPI*)();
inline constexpr char kWiaSimGetRecord[] = "WiaSimGetRecord";
