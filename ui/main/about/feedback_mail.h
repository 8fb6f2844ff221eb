// What the About box's links open: the web page as it is, and for the
// support address a new mail with a fixed subject and body. The address is
// put into the mail link percent-encoded, so that a "?", "&", "#", "%", a
// space or a non-ASCII letter in it cannot end the address early, add mail
// headers of its own or make the link invalid. Portable: no Windows header.
#pragma once

#include <string>
#include <string_view>

namespace dravolt::about {

// The address with every character that a mailto address cannot carry as
// it is written as the percent escapes of its UTF-8 bytes. A plain
// address ("name@host.example") is unchanged.
std::wstring PercentEncodeMailAddress(std::wstring_view address);

// "mailto:ADDRESS?subject=feedback&Body=content" for the encoded address.
std::wstring FeedbackMailTarget(std::wstring_view address);

// A click on a link label: the feedback mail when the displayed text is an
// address (holds an "@"), else the link target.
std::wstring AboutLinkTarget(std::wstring_view displayed, const std::wstring& link);

}  // namespace dravolt::about
