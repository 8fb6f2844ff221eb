#include "framework/number_text.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cwchar>

namespace dravolt {

namespace {

std::wstring FormatGeneral(double value, int digits)
{
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%.*g", digits, value);
    return buffer;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Length of the decimal number at `text`, or 0 when there is none. Checked
// by hand so that the C library's extras (inf, nan, hex floats) and its
// locale never decide what a field accepts.
size_t DecimalNumberLength(const wchar_t* text)
{
    size_t i = 0;
    if (text[i] == L'+' || text[i] == L'-')
        ++i;
    size_t digits = 0;
    while (IsDigit(text[i]))
        ++i, ++digits;
    if (text[i] == L'.') {
        ++i;
        while (IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (text[i] == L'e' || text[i] == L'E') {
        size_t j = i + 1;
        if (text[j] == L'+' || text[j] == L'-')
            ++j;
        if (IsDigit(text[j])) {
            while (IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

std::wstring FormatFloatField(float value) { return FormatGeneral(value, FLT_DIG); }

std::wstring FormatDoubleField(double value) { return FormatGeneral(value, DBL_DIG); }

std::optional<double> ParseDoubleField(const std::wstring& text)
{
    const wchar_t* start = text.c_str();
    while (IsBlank(*start))
        ++start;
    const size_t length = DecimalNumberLength(start);
    if (length == 0)
        return std::nullopt;
    const wchar_t* rest = start + length;
    while (IsBlank(*rest))
        ++rest;
    if (rest != text.c_str() + text.size())
        return std::nullopt;  // trailing text, or text after an embedded NUL
    const double value = std::wcstod(std::wstring(start, length).c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> ParseFloatField(const std::wstring& text)
{
    const std::optional<double> value = ParseDoubleField(text);
    if (!value || std::fabs(*value) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(*value);
}

std::wstring RangePrompt(const std::wstring& minimum, const std::wstring& maximum)
{
    return L"Please enter a number between " + minimum + L" and " + maximum + L".";
}

std::wstring FloatRangePrompt(float minimum, float maximum)
{
    return RangePrompt(FormatFloatField(minimum), FormatFloatField(maximum));
}

std::wstring DoubleRangePrompt(double minimum, double maximum)
{
    return RangePrompt(FormatDoubleField(minimum), FormatDoubleField(maximum));
}

}  // namespace dravolt
