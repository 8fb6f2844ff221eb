// A small program that crashes on purpose, for the crash dump tests.
//   crash_probe [debug library] [main|thread]
// installs crash dumps (from DBGHELP.DLL unless another library is named)
// and then dereferences a null pointer, on the main thread or on a thread
// whose body is guarded like the program's task threads.
#include <windows.h>

#include <cwchar>
#include <thread>

#include "app/crash_dump_win.h"
#include "app/seh_guard_win.h"

namespace {

void Crash()
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const wchar_t* library = argc > 1 ? argv[1] : L"DBGHELP.DLL";
    const bool onThread = argc > 2 && std::wcscmp(argv[2], L"thread") == 0;
    dravolt::InstallCrashDumps(library);
    if (onThread) {
        std::thread worker([] {
            dravolt::CrashDumpGuard guard{L"ThreadProc", EXCEPTION_CONTINUE_SEARCH};
            dravolt::RunGuarded([] { Crash(); }, &dravolt::CrashDumpGuard::Filter, &guard);
        });
        worker.join();
    } else {
        Crash();
    }
    return 0;  // never reached
}
