// Where a dialog opens: over its owner, inside the owner's work area.
#include <gtest/gtest.h>

#include "framework/window_placement_win.h"

namespace dravolt {
namespace {

TEST(CentredPlacement, CentresOverTheOwnerAndStaysInsideTheWorkArea)
{
    const RECT work{0, 0, 1280, 1000};
    struct Case {
        const char* name;
        RECT over;
        SIZE size;
        POINT want;
    };
    const Case cases[] = {
        {"inside", {100, 100, 800, 600}, {400, 200}, {250, 250}},
        {"owner at the right edge", {1000, 100, 1400, 300}, {400, 200}, {880, 100}},
        {"owner above the top", {100, -300, 500, 100}, {400, 200}, {100, 0}},
        {"larger than the area", {0, 0, 1280, 1000}, {1500, 1200}, {0, 0}},
        {"work area not at the origin", {1300, 50, 1400, 150}, {200, 100}, {1280, 50}},
    };
    const RECT second{1280, 0, 2560, 1000};
    for (const Case& c : cases) {
        const RECT& area = c.over.left >= 1280 ? second : work;
        const POINT at = CentredPlacement(c.over, c.size, area);
        EXPECT_EQ(at.x, c.want.x) << c.name;
        EXPECT_EQ(at.y, c.want.y) << c.name;
    }
}

TEST(CentreOverOwner, MovesAPopupToTheMiddleOfItsOwner)
{
    const auto popup = [](HWND owner, int x, int y, int width, int height) {
        return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, x, y, width, height, owner, nullptr, nullptr,
                               nullptr);
    };
    const HWND owner = popup(nullptr, 10, 20, 700, 500);
    const HWND box = popup(owner, 600, 600, 300, 100);
    ASSERT_TRUE(owner && box);
    CentreOverOwner(box, owner);
    RECT placed{};
    GetWindowRect(box, &placed);
    EXPECT_EQ(placed.left, 10 + (700 - 300) / 2);
    EXPECT_EQ(placed.top, 20 + (500 - 100) / 2);
    EXPECT_EQ(placed.right - placed.left, 300) << "moved, not resized";
    DestroyWindow(box);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace dravolt
