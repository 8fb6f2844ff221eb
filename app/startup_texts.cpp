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

}  // namespace dravolt
