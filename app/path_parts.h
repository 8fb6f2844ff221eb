// The folder and base name of a Windows path, shared by start-up, crash
// dumps and the working folder.
#pragma once

#include <string>
#include <string_view>

namespace dravolt {

// Everything up to and including the last backslash; empty when there is none.
std::wstring FolderOfPath(std::wstring_view path);

// The file name of a Windows path without folder and extension.
std::wstring BaseNameOfPath(std::wstring_view path);

}  // namespace dravolt
