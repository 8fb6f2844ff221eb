#include "app/crash_dump_names.h"

#include <cwchar>

namespace dravolt {

std::wstring CleanDumpName(std::wstring_view name)
{
    std::wstring clean(name);
    for (wchar_t& c : clean) {
        if (std::wstring_view(L"\"*/:<>?\\|").find(c) != std::wstring_view::npos)
            c = L'.';
    }
    return clean;
}

std::wstring DumpTimeStamp(const std::tm& localTime)
{
    wchar_t stamp[256] = {};
    const size_t length = std::wcsftime(stamp, 256, L"%Y-%m-%d %H.%M.%S", &localTime);
    if (length == 0)
        return {};
    return std::wstring(stamp, length - 1);
}

std::wstring DumpFilePath(std::wstring_view folder, std::wstring_view name,
                          const std::tm& localTime)
{
    return std::wstring(folder) + CleanDumpName(name) + DumpTimeStamp(localTime) + L".dmp";
}

}  // namespace dravolt
