// Full path of a loaded module, of any length.
#pragma once

#include <windows.h>

#include <string>

namespace dravolt {

// The module's full path, or empty on failure. Grows its buffer as needed,
// so a program in a deep folder (beyond MAX_PATH) still gets its whole path.
std::wstring ModulePath(HMODULE module = nullptr);

}  // namespace dravolt
