// The control rules of control_rules.h.
#include "ui/controls/control_rules.h"

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

std::wstring LinkTarget(const std::wstring& displayed, const std::wstring& target)
{
    if (displayed.find(L'@') == std::wstring::npos)
        return target;
    return L"mailto:" + displayed + L"?subject=feedback&Body=content";
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
