// Naming of crash dump files: folder + cleaned name + time stamp + ".dmp".
// The stamp is "YYYY-MM-DD HH.MM.S" (the units digit of the seconds is cut),
// so two crashes within the same ten seconds share a file name.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace dravolt {

// Replaces the characters file names cannot hold ("*/:<>?\| and the double
// quote) with ".".
std::wstring CleanDumpName(std::wstring_view name);

std::wstring DumpTimeStamp(const std::tm& localTime);

std::wstring DumpFilePath(std::wstring_view folder, std::wstring_view name,
                          const std::tm& localTime);

}  // namespace dravolt
