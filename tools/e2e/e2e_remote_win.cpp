#include "tools/e2e/e2e_remote_win.h"

#include <commctrl.h>

#include <vector>

#include "tools/e2e/e2e_windows_win.h"

namespace e2e {

namespace {

// A block of memory inside another process, freed with it.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, SIZE_T bytes)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
    {
    }
    ~RemoteBuffer()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    void* Address() const { return address_; }

private:
    HANDLE process_;  // not owned
    void* address_;
};

}  // namespace

std::optional<std::wstring> StatusPaneText(HANDLE process, HWND statusBar, int pane)
{
    // SB_GETTEXTW writes into the caller's memory, which must therefore lie
    // in the status bar's process; the pointer is passed on unchanged.
    const auto length = SendWithTimeout(statusBar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane), 0);
    if (!length)
        return std::nullopt;
    const SIZE_T characters = LOWORD(*length) + 1;
    RemoteBuffer remote(process, characters * sizeof(wchar_t));
    if (!remote.Address())
        return std::nullopt;
    if (!SendWithTimeout(statusBar, SB_GETTEXTW, static_cast<WPARAM>(pane),
                         reinterpret_cast<LPARAM>(remote.Address())))
        return std::nullopt;
    std::vector<wchar_t> text(characters, L'\0');
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, remote.Address(), text.data(), characters * sizeof(wchar_t),
                           &read))
        return std::nullopt;
    text.back() = L'\0';
    return std::wstring(text.data());
}

}  // namespace e2e
