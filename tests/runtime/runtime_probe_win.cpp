// A small program with the program's runtime handlers installed, for the
// end-to-end cases of a failed allocation and of an invalid parameter.
//   runtime_probe oom       asks for an impossible block; exits 3 after bad_alloc
//   runtime_probe invalid   reports an invalid parameter the way the runtime
//                           does, with null texts; exits 4
//   runtime_probe hang      never ends (for the driver's own tests)
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <new>

#include "app/runtime_handlers_win.h"

int wmain(int argc, wchar_t** argv)
{
    dravolt::InstallRuntimeHandlers();
    const wchar_t* what = argc > 1 ? argv[1] : L"";
    if (std::wcscmp(what, L"oom") == 0) {
        try {
            // Far beyond 4 GiB, so a size printed as 32 bits would show wrong.
            void* block = ::operator new(std::size_t{0x7FFFFFFFFFFF0000});
            ::operator delete(block);
            return 0;
        } catch (const std::bad_alloc&) {
            return 3;
        }
    }
    if (std::wcscmp(what, L"invalid") == 0) {
        // The system's msvcrt.dll checks parameters without calling a handler, so
        // call the installed one as a checking runtime would, texts left null.
        const _invalid_parameter_handler handler = _get_invalid_parameter_handler();
        if (!handler)
            return 0;
        handler(nullptr, nullptr, nullptr, 0, 0);
        return 4;
    }
    if (std::wcscmp(what, L"hang") == 0) {
        for (;;)
            Sleep(1000);
    }
    return 2;
}
