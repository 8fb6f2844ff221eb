#include "app/page_size_table.h"

#include <cwchar>
#include <fstream>
#include <iterator>

namespace dravolt {

namespace {

// The file is 8-bit text with one byte per character; each byte becomes the
// wide character of the same value.
std::wstring Widen(std::string_view bytes)
{
    std::wstring wide;
    wide.reserve(bytes.size());
    for (char c : bytes)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return wide;
}

// wcstod semantics: leading white space, "." decimal point, optional
// exponent, stops at the first character that does not fit, 0 for no number.
float ToFloat(std::wstring_view text)
{
    const std::wstring terminated(text);
    return static_cast<float>(std::wcstod(terminated.c_str(), nullptr));
}

}  // namespace

std::optional<NamedPageSize> ParsePageSizeLine(std::wstring_view line)
{
    const size_t open = line.find(L'[');
    if (open == std::wstring_view::npos)
        return std::nullopt;
    const size_t close = line.find(L']', open);
    if (close == std::wstring_view::npos)
        return std::nullopt;
    const std::wstring_view numbers = line.substr(open + 1, close - open - 1);
    const size_t comma = numbers.find(L',');
    if (comma == std::wstring_view::npos)
        return std::nullopt;

    const PageSize size{ToFloat(numbers.substr(0, comma)), ToFloat(numbers.substr(comma + 1))};
    if (!(size.width > 10.0f && size.height > 10.0f))
        return std::nullopt;
    return NamedPageSize{std::wstring(line.substr(0, open)), size};
}

bool CPageSizeTable::Load(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file)
        return false;
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return LoadText(text);
}

bool CPageSizeTable::LoadText(std::string_view text)
{
    bool anyValid = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        // Text mode: a CR LF line end is not part of the line.
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (auto entry = ParsePageSizeLine(Widen(line))) {
            anyValid = true;
            Add(std::move(*entry));
        }
    }
    return anyValid;
}

void CPageSizeTable::Add(NamedPageSize entry)
{
    if (sizes_.contains(entry.name))
        return;
    sizes_.emplace(entry.name, entry.size);
    names_.push_back(std::move(entry.name));
}

std::optional<PageSize> CPageSizeTable::Lookup(const std::wstring& name) const
{
    const auto it = sizes_.find(name);
    if (it == sizes_.end())
        return std::nullopt;
    return it->second;
}

CPageSizeTable& ThePageSizeTable()
{
    static CPageSizeTable table;
    return table;
}

}  // namespace dravolt
