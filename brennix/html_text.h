// The small markup of one-line label texts: <b>, <u>, <a>link</a> and the
// entities &lt; &gt; &amp; &quot;. Other tags are dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dravolt::brennix {

struct HtmlRun {
    std::wstring text;
    bool bold = false;
    bool underline = false;
    bool link = false;
    friend bool operator==(const HtmlRun&, const HtmlRun&) = default;
};

// Runs of text with their style, in order; empty runs are left out.
std::vector<HtmlRun> ParseHtmlText(std::wstring_view text);

}  // namespace dravolt::brennix
