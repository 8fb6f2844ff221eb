// File dialog filter and selection texts, and the wheel direction.
#include <gtest/gtest.h>

#include "framework/file_filter.h"
#include "framework/wheel_delta.h"

namespace dravolt {
namespace {

using namespace std::string_literals;

TEST(FileFilter, BarsBecomeNulsWithADoubleNulEnd)
{
    EXPECT_EQ(FilterFromBars(L"PDF File(*.pdf)|*.pdf|"), L"PDF File(*.pdf)\0*.pdf\0\0"s);
    EXPECT_EQ(FilterFromBars(L"A|*.a|B|*.b"), L"A\0*.a\0B\0*.b\0\0"s);
    EXPECT_EQ(FilterFromBars(L""), L"\0\0"s);
}

TEST(FileSelection, OneFileOrAFolderWithNames)
{
    EXPECT_EQ(SelectedFiles(L"C:\\scans\\a.jpg\0\0"s), (std::vector<std::wstring>{L"C:\\scans\\a.jpg"}));
    EXPECT_EQ(SelectedFiles(L"C:\\scans\0a.jpg\0b.tif\0\0"s),
              (std::vector<std::wstring>{L"C:\\scans\\a.jpg", L"C:\\scans\\b.tif"}));
    EXPECT_EQ(SelectedFiles(L"C:\\\0a.jpg\0\0"s), (std::vector<std::wstring>{L"C:\\a.jpg"}));
    EXPECT_TRUE(SelectedFiles(L"\0\0"s).empty());
    EXPECT_TRUE(SelectedFiles(L"").empty());
}

TEST(Wheel, DirectionFollowsTheSignOfTheHighWord)
{
    const struct { unsigned long long wParam; int direction; } cases[] = {
        {120ull << 16, 1},     {30ull << 16, 1},    {1ull << 16, 1},   // one notch, touchpad steps
        {0xFF88ull << 16, -1}, {0xFFE2ull << 16, -1},                  // -120, -30
        {0x0008, 0},                                                   // key flags only
        {(240ull << 16) | 0x0004, 1},                                  // flags do not matter
        {0xFFFFFFFF00000000ull | (0xFF88ull << 16), -1},               // 64-bit garbage above
    };
    for (const auto& c : cases)
        EXPECT_EQ(WheelDirection(c.wParam), c.direction) << std::hex << c.wParam;
}

}  // namespace
}  // namespace dravolt
