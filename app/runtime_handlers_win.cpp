#include "app/runtime_handlers_win.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/startup_texts.h"

namespace dravolt {

namespace {

std::atomic<bool> g_reportAllocationFailures{false};

void ShowError(const std::wstring& text)
{
    MessageBoxW(nullptr, text.c_str(), kErrorCaption, MB_OK);
}

void ReportAllocationFailure(std::size_t size)
{
    if (g_reportAllocationFailures.load())
        ShowError(OutOfMemoryText(size));
}

void OnInvalidParameter(const wchar_t* expression, const wchar_t* function, const wchar_t* file,
                        unsigned int line, uintptr_t)
{
    ShowError(InvalidParameterText(function, file, expression, line));
}

}  // namespace

void InstallRuntimeHandlers()
{
    g_reportAllocationFailures.store(true);
    // Where the system's C runtime DLL keeps a handler of its own, install it
    // there too: the function of that name in the static mingw library only
    // serves that library's checks.
    using SetHandlerFn = _invalid_parameter_handler(__cdecl*)(_invalid_parameter_handler);
    if (HMODULE runtime = GetModuleHandleW(L"msvcrt.dll")) {
        if (auto setHandler = reinterpret_cast<SetHandlerFn>(reinterpret_cast<void*>(
                GetProcAddress(runtime, "_set_invalid_parameter_handler"))))
            setHandler(&OnInvalidParameter);
    }
    _set_invalid_parameter_handler(&OnInvalidParameter);
}

// The global allocation functions are replaced so that a failure knows the
// size that was asked for; the standard library's new-handler is not told.
void* AllocateOrReport(std::size_t size)
{
    if (void* block = std::malloc(size ? size : 1))
        return block;
    ReportAllocationFailure(size);
    return nullptr;
}

void* AllocateAlignedOrReport(std::size_t size, std::align_val_t alignment)
{
    if (void* block = _aligned_malloc(size ? size : 1, static_cast<std::size_t>(alignment)))
        return block;
    ReportAllocationFailure(size);
    return nullptr;
}

}  // namespace dravolt

using dravolt::AllocateAlignedOrReport;
using dravolt::AllocateOrReport;

void* operator new(std::size_t size)
{
    if (void* block = AllocateOrReport(size))
        return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return AllocateOrReport(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return AllocateOrReport(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

void* operator new(std::size_t size, std::align_val_t alignment)
{
    if (void* block = AllocateAlignedOrReport(size, alignment))
        return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t alignment) { return operator new(size, alignment); }
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return AllocateAlignedOrReport(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return AllocateAlignedOrReport(size, alignment);
}
void operator delete(void* block, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { _aligned_free(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { _aligned_free(block); }
