// Texts and path helpers of start-up that need no Windows header.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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

// The folder of a Windows path with its trailing backslash; empty when the
// path has no backslash.
std::wstring FolderOfPath(std::wstring_view path);

// The file name of a Windows path without folder and extension.
std::wstring BaseNameOfPath(std::wstring_view path);

}  // namespace dravolt
