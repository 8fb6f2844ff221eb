// Texts of start-up that need no Windows header.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/path_parts.h"  // start-up's callers use the path helpers too

namespace dravolt {

inline constexpr wchar_t kAppName[] = L"Dravolt";
inline constexpr wchar_t kLoadLibraryFailed[] = L"Load library failed";
inline constexpr wchar_t kLoadConfigFailed[] = L"Load config failed";
inline constexpr wchar_t kLoadSkinFailed[] =
    L"Load skin library failed: Tamsel.dll or Brennix.dll is missing or damaged.";
inline constexpr wchar_t kErrorCaption[] = L"Error";

// "Allocate memory for block size:N was failed" with the full 64-bit size.
std::wstring OutOfMemoryText(std::size_t requested);

// The invalid-parameter report; the runtime may pass null for any text,
// which shows as empty.
std::wstring InvalidParameterText(const wchar_t* function, const wchar_t* file,
                                  const wchar_t* expression, unsigned line);

}  // namespace dravolt
