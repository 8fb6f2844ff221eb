// Minidumps for crashes, written beside the program as
// <name><YYYY-MM-DD HH.MM.S>.dmp so a crash can be examined later.
#pragma once

#include <windows.h>

namespace dravolt {

// Binds MiniDumpWriteDump from `debugLibrary` and installs the last-chance
// handler that writes a dump named after the program and ends the process.
// Runs at most once; true only when the handler was installed. Without the
// library or its export nothing is installed and crashes take their default
// course.
bool InstallCrashDumps(const wchar_t* debugLibrary = L"DBGHELP.DLL");

// Writes one dump for `exception` and returns what an exception filter
// should return: `defaultResult`, or when the dump itself fails,
// EXCEPTION_EXECUTE_HANDLER unless a debugger is attached. Silent on every
// failure.
LONG WriteCrashDump(const wchar_t* name, EXCEPTION_POINTERS* exception, LONG defaultResult);

// A guard filter (see seh_guard_win.h) that writes a dump under a fixed name.
struct CrashDumpGuard {
    const wchar_t* name;
    LONG defaultResult;
    static LONG Filter(void* self, EXCEPTION_POINTERS* exception);
};

}  // namespace dravolt
