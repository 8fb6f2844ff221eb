#include "brennix/modify_string.h"

#include <array>
#include <cwctype>

namespace dravolt::brennix {
namespace {

// Coordinates beyond this are refused: they would overflow the sums made
// when the rectangle is moved to the item.
constexpr long long kMaxCoordinate = 1 << 24;

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

std::optional<int> ParseInt(std::wstring_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'-' || text[at] == L'+'))
        negative = text[at++] == L'-';
    const std::size_t digits = at;
    long long value = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        value = value * 10 + (text[at] - L'0');
        if (value > kMaxCoordinate)
            return std::nullopt;
    }
    if (at == digits)
        return std::nullopt;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    if (at != text.size())
        return std::nullopt;
    return static_cast<int>(negative ? -value : value);
}

std::optional<IntRect> ParseRect(std::wstring_view text)
{
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = i + 1 < values.size() ? text.find(L',') : text.size();
        if (comma == std::wstring_view::npos)
            return std::nullopt;
        const auto value = ParseInt(text.substr(0, comma));
        if (!value)
            return std::nullopt;
        values[i] = *value;
        text.remove_prefix(comma == text.size() ? comma : comma + 1);
    }
    return IntRect{values[0], values[1], values[2], values[3]};
}

bool Apply(std::wstring_view name, std::wstring_view value, ImageModify& modify)
{
    if (name == L"dest" || name == L"source") {
        const auto rect = ParseRect(value);
        if (!rect)
            return false;
        (name == L"dest" ? modify.dest : modify.source) = rect;
    } else if (name == L"fade") {
        const auto fade = ParseInt(value);
        if (!fade)
            return false;
        modify.fade = *fade < 0 ? 0 : (*fade > 255 ? 255 : *fade);
    }
    return true;
}

}  // namespace

std::optional<ImageModify> ParseImageModify(std::wstring_view text)
{
    ImageModify modify;
    std::size_t at = 0;
    while (true) {
        while (at < text.size() && IsSpace(text[at]))
            ++at;
        if (at == text.size())
            return modify;
        const std::size_t equals = text.find(L'=', at);
        if (equals == std::wstring_view::npos || equals + 1 >= text.size())
            return std::nullopt;
        const wchar_t quote = text[equals + 1];
        if (quote != L'\'' && quote != L'"')
            return std::nullopt;
        const std::size_t close = text.find(quote, equals + 2);
        if (close == std::wstring_view::npos)
            return std::nullopt;
        std::wstring_view name = text.substr(at, equals - at);
        while (!name.empty() && IsSpace(name.back()))
            name.remove_suffix(1);
        if (name.empty() || !Apply(name, text.substr(equals + 2, close - equals - 2), modify))
            return std::nullopt;
        at = close + 1;
    }
}

}  // namespace dravolt::brennix
