// Wildcard matching and folder normalisation of the image search.
#include "import/image_search.h"

#include <cwctype>

#include "app/page_file_store_paths.h"

namespace dravolt {

namespace {

bool SameLetter(wchar_t a, wchar_t b)
{
    return std::towupper(static_cast<std::wint_t>(a)) == std::towupper(static_cast<std::wint_t>(b));
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

// The classic single-backtrack match: on a mismatch after a "*", the "*"
// takes one more character of the name and matching resumes behind it.
bool MatchWildcard(std::wstring_view pattern, std::wstring_view name)
{
    constexpr std::size_t kNoStar = std::wstring_view::npos;
    std::size_t p = 0, n = 0;
    std::size_t afterStar = kNoStar, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            afterStar = ++p;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == L'?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (afterStar == kNoStar) {
            return false;
        } else {
            p = afterStar;
            n = ++starName;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

std::wstring SearchFolder(std::wstring_view folder)
{
    const bool network = folder.size() > 2 && IsSeparator(folder[0]) && IsSeparator(folder[1]) &&
                         !IsSeparator(folder[2]);
    if (!network)
        return NormaliseFolder(folder);
    return L"\\\\" + NormaliseFolder(folder.substr(2));
}

}  // namespace dravolt
