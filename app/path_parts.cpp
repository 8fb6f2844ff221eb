#include "app/path_parts.h"

namespace dravolt {

std::wstring FolderOfPath(std::wstring_view path)
{
    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring_view::npos)
        return {};
    return std::wstring(path.substr(0, slash + 1));
}

std::wstring BaseNameOfPath(std::wstring_view path)
{
    const size_t slash = path.rfind(L'\\');
    std::wstring_view name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind(L'.');
    if (dot != std::wstring_view::npos)
        name = name.substr(0, dot);
    return std::wstring(name);
}

}  // namespace dravolt
