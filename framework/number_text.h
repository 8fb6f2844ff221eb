// Text <-> number rules of the dialog field exchange: how a float or double
// field is shown in its edit control, which texts count as a number, and the
// standard prompts a failing field shows. Portable: no Windows header.
#pragma once

#include <optional>
#include <string>

namespace dravolt {

// Shortest general form with the type's full decimal precision ("%.*g" with
// 6 digits for float, 15 for double): 12.25 -> "12.25", 1e-07 -> "1e-07".
std::wstring FormatFloatField(float value);
std::wstring FormatDoubleField(double value);

// A decimal number with optional blanks (spaces, tabs) around it: optional
// sign, digits with an optional '.', an optional exponent. Anything else -
// "abc", "12mm", "1,5", an empty text, "inf", "nan", hexadecimal - is not a
// number, and neither is a value beyond the range of double.
std::optional<double> ParseDoubleField(const std::wstring& text);
// The same, and the value must also fit a float (so that no infinite value
// reaches a float field).
std::optional<float> ParseFloatField(const std::wstring& text);

// The prompts shown when a field fails.
inline constexpr wchar_t kPromptNotANumber[] = L"Please enter a number.";
// "Please enter a number between MIN and MAX." with both bounds in the field
// format of the field's type.
std::wstring RangePrompt(const std::wstring& minimum, const std::wstring& maximum);
std::wstring FloatRangePrompt(float minimum, float maximum);
std::wstring DoubleRangePrompt(double minimum, double maximum);

// The range check of a field: inside [minimum, maximum], bounds included.
inline bool InRange(double value, double minimum, double maximum)
{
    return value >= minimum && value <= maximum;
}

}  // namespace dravolt
