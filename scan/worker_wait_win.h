// The user-interface thread's wait for the scanner worker to finish a
// command, in short slices, optionally keeping the windows alive meanwhile:
// the worker shows its dialogs and message boxes owned by the main window.
#pragma once

#include <windows.h>

#include <optional>

namespace dravolt {

// Returns when `done` is signalled or `thread` has ended (a worker that is
// gone never signals). With `pump`, each slice takes and dispatches at most
// one queued message through the framework. A WM_QUIT taken meanwhile is not
// dispatched: its exit code is returned so the caller can post it again once
// the command is over; the pumping goes on, since the worker may still need
// its owner window.
std::optional<int> WaitForWorker(HANDLE done, HANDLE thread, bool pump);

}  // namespace dravolt
