#include "app/crash_dump_win.h"

#include <dbghelp.h>

#include <ctime>
#include <string>

#include "app/crash_dump_names.h"
#include "app/module_path_win.h"
#include "app/seh_guard_win.h"
#include "app/startup_texts.h"

namespace dravolt {

namespace {

using MiniDumpWriteDumpFn = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE,
                                          PMINIDUMP_EXCEPTION_INFORMATION,
                                          PMINIDUMP_USER_STREAM_INFORMATION,
                                          PMINIDUMP_CALLBACK_INFORMATION);

// Set once by InstallCrashDumps, before any crash can use them.
bool g_installed = false;
MiniDumpWriteDumpFn g_writeDump = nullptr;
std::wstring g_programFolder;
std::wstring g_programBaseName;

class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle) : handle_(handle) {}
    ~CFileHandle()
    {
        if (valid())
            CloseHandle(handle_);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

LONG ProgramLastChance(EXCEPTION_POINTERS* exception)
{
    return WriteCrashDump(g_programBaseName.c_str(), exception, EXCEPTION_EXECUTE_HANDLER);
}

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return local;
}

}  // namespace

bool InstallCrashDumps(const wchar_t* debugLibrary)
{
    if (g_installed)
        return false;
    const std::wstring programPath = ModulePath(nullptr);
    g_programFolder = FolderOfPath(programPath);
    g_programBaseName = BaseNameOfPath(programPath);

    if (HMODULE library = LoadLibraryW(debugLibrary)) {
        g_writeDump = reinterpret_cast<MiniDumpWriteDumpFn>(
            reinterpret_cast<void*>(GetProcAddress(library, "MiniDumpWriteDump")));
    }
    g_installed = true;
    if (!g_writeDump || programPath.empty()) {
        g_writeDump = nullptr;
        return false;
    }
    return InstallLastChanceHandler(&ProgramLastChance);
}

LONG WriteCrashDump(const wchar_t* name, EXCEPTION_POINTERS* exception, LONG defaultResult)
{
    if (!g_writeDump)
        return defaultResult;
    const std::wstring path = DumpFilePath(g_programFolder, name ? name : L"", LocalNow());
    CFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return defaultResult;

    MINIDUMP_EXCEPTION_INFORMATION info{};
    info.ThreadId = GetCurrentThreadId();
    info.ExceptionPointers = exception;
    info.ClientPointers = FALSE;  // the pointers belong to this very process
    const BOOL written = g_writeDump(GetCurrentProcess(), GetCurrentProcessId(), file.get(),
                                     MiniDumpNormal, exception ? &info : nullptr, nullptr, nullptr);
    if (!written)
        return IsDebuggerPresent() ? EXCEPTION_CONTINUE_SEARCH : EXCEPTION_EXECUTE_HANDLER;
    return defaultResult;
}

LONG CrashDumpGuard::Filter(void* self, EXCEPTION_POINTERS* exception)
{
    const auto* guard = static_cast<const CrashDumpGuard*>(self);
    return WriteCrashDump(guard->name, exception, guard->defaultResult);
}

}  // namespace dravolt
