// The control rules of control_rules.h.
#include "ui/controls/control_rules.h"

#include <cstddef>
#include <cstdint>

namespace dravolt::controls {

namespace {

unsigned SingleLineAdditions(unsigned style)
{
    unsigned flags = 0;
    if (style & text_style::kBottom)
        flags |= dt::kBottom | dt::kSingleLine;
    if (style & text_style::kCentre)
        flags |= dt::kCenter | dt::kSingleLine;
    if (style & text_style::kMiddle)
        flags |= dt::kVCenter | dt::kSingleLine;
    return flags;
}

// Letters, digits and the characters a mailto address may carry unescaped.
bool KeptAsIs(char32_t c)
{
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9'))
        return true;
    return std::u32string_view(U"-._~!$'()*+,;:@").find(c) != std::u32string_view::npos;
}

// The code points of a wide string: UTF-16 pairs joined (wchar_t is 16 bits
// on Windows); a lone surrogate or a value past Unicode becomes U+FFFD.
template <typename Visit>
void ForEachCodePoint(std::wstring_view text, Visit visit)
{
    constexpr char32_t kReplacement = 0xFFFD;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<std::uint32_t>(text[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size()) {
            const auto low = static_cast<std::uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                visit(static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                ++i;
                continue;
            }
        }
        const bool invalid = (unit >= 0xD800 && unit <= 0xDFFF) || unit > 0x10FFFF;
        visit(invalid ? kReplacement : static_cast<char32_t>(unit));
    }
}

void AppendEscapedUtf8(std::wstring& out, char32_t c)
{
    unsigned char bytes[4];
    int count = 0;
    if (c < 0x80) {
        bytes[count++] = static_cast<unsigned char>(c);
    } else if (c < 0x800) {
        bytes[count++] = static_cast<unsigned char>(0xC0 | (c >> 6));
        bytes[count++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes[count++] = static_cast<unsigned char>(0xE0 | (c >> 12));
        bytes[count++] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        bytes[count++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    } else {
        bytes[count++] = static_cast<unsigned char>(0xF0 | (c >> 18));
        bytes[count++] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
        bytes[count++] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        bytes[count++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    for (int i = 0; i < count; ++i) {
        out += L'%';
        out += kHex[bytes[i] >> 4];
        out += kHex[bytes[i] & 0xF];
    }
}

}  // namespace

unsigned ControlTextFlags(unsigned style)
{
    unsigned flags = 0;
    if (style & text_style::kRight)
        flags = dt::kRight;
    else if (style & text_style::kPlain)
        flags = 0;
    else if (style & text_style::kWrap)
        flags = dt::kWordBreak;
    return flags | SingleLineAdditions(style);
}

unsigned LabelTextFlags(unsigned style)
{
    return ((style & text_style::kRight) ? dt::kRight : 0u) | SingleLineAdditions(style);
}

std::optional<IntRect> BorderLine(const IntRect& c, unsigned sides)
{
    if (sides & 1)
        return IntRect{c.left, c.top, c.right, c.top};
    if (sides & 2)
        return IntRect{c.right - 1, c.top, c.right - 1, c.bottom};
    if (sides & 4)
        return IntRect{c.left, c.bottom - 1, c.right, c.bottom - 1};
    if (sides & 8)
        return IntRect{c.left, c.top, c.left, c.bottom};
    return std::nullopt;
}

ButtonPicture PictureFor(bool disabled, bool pressed, bool hover)
{
    if (disabled)
        return ButtonPicture::Disabled;
    if (pressed)
        return hover ? ButtonPicture::Pushed : ButtonPicture::Normal;
    return hover ? ButtonPicture::Hover : ButtonPicture::Normal;
}

std::wstring LinkTarget(std::wstring_view displayed, const std::wstring& target)
{
    if (displayed.find(L'@') == std::wstring_view::npos)
        return target;
    return L"mailto:" + PercentEncodeMailAddress(displayed) + L"?subject=feedback&Body=content";
}

std::wstring PercentEncodeMailAddress(std::wstring_view address)
{
    std::wstring encoded;
    encoded.reserve(address.size());
    ForEachCodePoint(address, [&encoded](char32_t c) {
        if (KeptAsIs(c))
            encoded += static_cast<wchar_t>(c);
        else
            AppendEscapedUtf8(encoded, c);
    });
    return encoded;
}

std::uint32_t LinkColour(bool hover, bool disabled)
{
    if (!hover)
        return 0xFF0000FF;
    return disabled ? 0xFFC0C0C0 : 0xFFC80000;
}

IntRect Shrink(const IntRect& r, const IntRect& p)
{
    return {r.left + p.left, r.top + p.top, r.right - p.right, r.bottom - p.bottom};
}

}  // namespace dravolt::controls
