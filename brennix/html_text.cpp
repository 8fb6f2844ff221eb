#include "brennix/html_text.h"

namespace dravolt::brennix {
namespace {

struct Entity {
    std::wstring_view name;
    wchar_t value;
};
constexpr Entity kEntities[] = {{L"&lt;", L'<'}, {L"&gt;", L'>'}, {L"&amp;", L'&'}, {L"&quot;", L'"'}};

// Applies a tag (without the brackets) to the style; tags that are not
// ours change nothing.
void ApplyTag(std::wstring_view tag, HtmlRun& style)
{
    const bool closing = !tag.empty() && tag.front() == L'/';
    if (closing)
        tag.remove_prefix(1);
    const std::wstring_view name = tag.substr(0, tag.find(L' '));
    if (name == L"b")
        style.bold = !closing;
    else if (name == L"u")
        style.underline = !closing;
    else if (name == L"a")
        style.link = !closing;
}

}  // namespace

std::vector<HtmlRun> ParseHtmlText(std::wstring_view text)
{
    std::vector<HtmlRun> runs;
    HtmlRun current;
    auto flush = [&] {
        if (!current.text.empty())
            runs.push_back(current);
        current.text.clear();
    };
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == L'<') {
            const std::size_t close = text.find(L'>', at);
            if (close != std::wstring_view::npos) {
                flush();
                ApplyTag(text.substr(at + 1, close - at - 1), current);
                at = close + 1;
                continue;
            }
        } else if (text[at] == L'&') {
            bool matched = false;
            for (const Entity& entity : kEntities) {
                if (text.substr(at, entity.name.size()) == entity.name) {
                    current.text.push_back(entity.value);
                    at += entity.name.size();
                    matched = true;
                    break;
                }
            }
            if (matched)
                continue;
        }
        current.text.push_back(text[at++]);
    }
    flush();
    return runs;
}

}  // namespace dravolt::brennix
