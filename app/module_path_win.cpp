#include "app/module_path_win.h"

namespace dravolt {

std::wstring ModulePath(HMODULE module)
{
    // The longest path Windows can hand out is 32,767 characters.
    for (DWORD capacity = MAX_PATH; capacity <= 65536; capacity *= 2) {
        std::wstring path(capacity, L'\0');
        const DWORD length = GetModuleFileNameW(module, path.data(), capacity);
        if (length == 0)
            return {};
        if (length < capacity) {
            path.resize(length);
            return path;
        }
    }
    return {};
}

}  // namespace dravolt
