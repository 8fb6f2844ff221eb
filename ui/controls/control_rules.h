// The drawing and click rules of the program's own controls as plain
// values: which DrawText flags a text style gives, which border line is
// drawn, which picture a skinned button shows, what a link label opens and
// in which colour. The Win32 controls only carry these out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "brennix/modify_string.h"

namespace dravolt::controls {

using brennix::IntRect;

// DrawText flags, with the values of the system header (checked against it
// in the Windows build), so the rules stay portable.
namespace dt {
inline constexpr unsigned kCenter = 0x1, kRight = 0x2, kVCenter = 0x4, kBottom = 0x8;
inline constexpr unsigned kWordBreak = 0x10, kSingleLine = 0x20, kEndEllipsis = 0x8000;
}  // namespace dt

// Text style bits of the control base.
namespace text_style {
inline constexpr unsigned kWrap = 0x1, kRight = 0x2, kCentre = 0x4, kMiddle = 0x8;
inline constexpr unsigned kBottom = 0x10, kPlain = 0x20;
}  // namespace text_style

// Border sides: 1 top, 2 right, 4 bottom, 8 left.
inline constexpr unsigned kAllSides = 15;

inline constexpr std::uint32_t kDisabledTextColour = 0xFFA7A6AA;

// DrawText flags of the control base's text layer: right wins over plain
// and wrap, plain over wrap; bottom, centre and middle each add single line.
unsigned ControlTextFlags(unsigned style);
// The label panel's flags: only right, bottom, centre and middle count.
unsigned LabelTextFlags(unsigned style);

// The one line a border with fewer than four sides draws: along the first
// side present in the order top, right, bottom, left, as the rectangle
// from the line's start to its end. The right and bottom lines lie on the
// last pixel column and row: the client rectangle's right and bottom are
// outside it, and a line there would never show. Nothing without a side.
std::optional<IntRect> BorderLine(const IntRect& client, unsigned sides);

// Pictures of a skinned push button.
enum class ButtonPicture { Normal, Hover, Pushed, Disabled };
ButtonPicture PictureFor(bool disabled, bool pressed, bool hover);

// What a link label opens: when the displayed text holds an "@", a new
// mail "mailto:ADDRESS?subject=feedback&Body=content" to it with the address
// percent-encoded, else the link target. Encoded, a "?", "&", "#", "%", a
// space or a non-ASCII letter in the address cannot end it early, add mail
// headers of its own or make the link invalid.
std::wstring LinkTarget(std::wstring_view displayed, const std::wstring& target);
// The address with every character that a mailto address cannot carry as
// it is written as the percent escapes of its UTF-8 bytes. A plain
// address ("name@host.example") is unchanged.
std::wstring PercentEncodeMailAddress(std::wstring_view address);
// Blue unless the mouse is over it: red, or light grey when disabled.
std::uint32_t LinkColour(bool hover, bool disabled);

// The rectangle shrunk by the padding (left, top, right, bottom).
IntRect Shrink(const IntRect& r, const IntRect& padding);

}  // namespace dravolt::controls
