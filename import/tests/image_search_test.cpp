// Wildcard matching of file names and the folder form the image search walks.
#include <gtest/gtest.h>

#include "import/image_search.h"

namespace dravolt {
namespace {

TEST(MatchWildcard, WholeNameCaseInsensitiveWithQuestionMarksAndStars)
{
    struct Case {
        const wchar_t* pattern;
        const wchar_t* name;
        bool matches;
    };
    const Case cases[] = {
        {L"*.jpg", L"A.JPG", true},
        {L"*.JPEG", L"b.jpeg", true},
        {L"IMG_*.Jpg", L"img_0042.jPG", true},
        {L"*.jpg", L"c.jpe", false},
        {L"*.jpeg", L"c.jpe", false},
        // The whole name must match: no prefix or suffix match.
        {L"*.tif", L"a.tiff", false},
        {L"*.tif*", L"a.tiff", true},
        {L"a.jpg", L"xa.jpg", false},
        {L"a", L"ab", false},
        {L"ab", L"a", false},
        // "?" is exactly one character.
        {L"?.png", L"a.png", true},
        {L"?.png", L".png", false},
        {L"?.png", L"ab.png", false},
        {L"page??.bmp", L"page07.bmp", true},
        // "*" takes any run, including none; stars alone match anything.
        {L"*", L"", true},
        {L"**", L"anything.at.all", true},
        {L"", L"", true},
        {L"", L"a", false},
        {L"a*", L"a", true},
        {L"a*?", L"a", false},
        // A mismatch after a star restarts behind it one character later.
        {L"*ab", L"aab", true},
        {L"*a*b", L"xaxxb", true},
        {L"a*b*c", L"abbbcbc", true},
        {L"*.jpg", L"x.jpg.jpg", true},
        {L"*.jpg", L"x.jpgx", false},
        {L"*x", L"xyz", false},
        {L"*?b", L"b", false},
        {L"*ss*issip*", L"mississippi", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchWildcard(c.pattern, c.name), c.matches) << c.pattern << L" vs " << c.name;
}

TEST(SearchFolder, EndsInOneBackslashAndKeepsNetworkAndLongPathPrefixes)
{
    struct Case {
        const wchar_t* given;
        const wchar_t* walked;
    };
    const Case cases[] = {
        {L"C:\\Photos\\", L"C:\\Photos\\"},
        {L"C:\\Photos", L"C:\\Photos\\"},
        {L"C:/Photos/2020", L"C:\\Photos\\2020\\"},
        {L"C:\\\\Photos\\\\2020\\\\", L"C:\\Photos\\2020\\"},
        {L"C:\\", L"C:\\"},
        {L"\\\\server\\share\\scans", L"\\\\server\\share\\scans\\"},
        {L"//server/share", L"\\\\server\\share\\"},
        {L"\\\\server\\\\share\\", L"\\\\server\\share\\"},
        {L"\\\\?\\C:\\Photos", L"\\\\?\\C:\\Photos\\"},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SearchFolder(c.given), c.walked) << c.given;
}

}  // namespace
}  // namespace dravolt
