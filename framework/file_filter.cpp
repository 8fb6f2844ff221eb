#include "framework/file_filter.h"

namespace dravolt {

std::wstring FilterFromBars(const std::wstring& barred)
{
    std::wstring filter = barred;
    for (wchar_t& c : filter) {
        if (c == L'|')
            c = L'\0';
    }
    if (filter.empty() || filter.back() != L'\0')
        filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

std::vector<std::wstring> SelectedFiles(const std::wstring& buffer)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start < buffer.size() && buffer[start] != L'\0') {
        size_t end = buffer.find(L'\0', start);
        if (end == std::wstring::npos)
            end = buffer.size();
        parts.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    if (parts.size() <= 1)
        return parts;
    std::wstring folder = parts.front();
    if (folder.back() != L'\\')
        folder.push_back(L'\\');  // a drive root already ends with one
    std::vector<std::wstring> files;
    for (size_t i = 1; i < parts.size(); ++i)
        files.push_back(folder + parts[i]);
    return files;
}

}  // namespace dravolt
