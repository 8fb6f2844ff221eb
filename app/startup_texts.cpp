#include "app/startup_texts.h"

namespace dravolt {

std::wstring OutOfMemoryText(std::size_t requested)
{
    return L"Allocate memory for block size:" + std::to_wstring(requested) + L" was failed";
}

std::wstring InvalidParameterText(const wchar_t* function, const wchar_t* file,
                                  const wchar_t* expression, unsigned line)
{
    auto text = [](const wchar_t* s) { return std::wstring(s ? s : L""); };
    return L"Invalida paramters for function:" + text(function) + L" file:" + text(file) +
           L" expression:" + text(expression) + L" line:" + std::to_wstring(line);
}

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
