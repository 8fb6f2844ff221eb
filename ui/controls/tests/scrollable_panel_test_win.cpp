// The scrollable panel's bars, positions and wheel on a real window.
#include <gtest/gtest.h>

#include "ui/controls/scrollable_panel_win.h"
#include "ui/controls/tests/test_windows_win.h"

namespace dravolt::controls {
namespace {

using test::RecordingParent;

// Content of a fixed size, one page = the client area.
class ContentPanel : public CScrollablePanel {
public:
    int width = 600, height = 500;
    bool hasContent = true;
    std::optional<ScrollMetrics> Metrics() const override
    {
        if (!hasContent)
            return std::nullopt;
        RECT c{};
        GetClientRect(Handle(), &c);
        return ScrollMetrics{width, height, c.right, c.bottom, 10, 20};
    }
};

struct Fixture {
    RecordingParent parent;
    ContentPanel panel;
    Fixture() { panel.Create(parent.Handle(), 50, WS_CHILD | WS_VISIBLE, {0, 0, 200, 150}); }
    int Pos(int bar) const { return panel.ScrollPosition(bar); }
    void Scroll(UINT message, int code) { SendMessageW(panel.Handle(), message, MAKEWPARAM(code, 0), 0); }
    // A wheel message with the pointer at a client point.
    void Wheel(int delta, POINT at)
    {
        ClientToScreen(panel.Handle(), &at);
        SendMessageW(panel.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), MAKELPARAM(at.x, at.y));
    }
};

TEST(ScrollablePanel, BarsShowForContentLargerThanTheClientAndFollowResizes)
{
    Fixture f;
    f.panel.UpdateScrollBars();
    EXPECT_TRUE(f.panel.HorizontalBarShown());
    EXPECT_TRUE(f.panel.VerticalBarShown());
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE};
    GetScrollInfo(f.panel.Handle(), SB_HORZ, &info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 600);

    MoveWindow(f.panel.Handle(), 0, 0, 700, 600, TRUE);
    EXPECT_FALSE(f.panel.HorizontalBarShown());
    EXPECT_FALSE(f.panel.VerticalBarShown());

    f.panel.width = 1000;  // content grows past the client width
    MoveWindow(f.panel.Handle(), 0, 0, 700, 601, TRUE);
    EXPECT_TRUE(f.panel.HorizontalBarShown());
    EXPECT_FALSE(f.panel.VerticalBarShown());
}

TEST(ScrollablePanel, ScrollRequestsMoveWithinTheRange)
{
    Fixture f;
    f.Scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(f.Pos(SB_VERT), 20);
    f.Scroll(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(f.Pos(SB_HORZ), 10);
    f.Scroll(WM_VSCROLL, SB_LINEUP);
    f.Scroll(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(f.Pos(SB_VERT), 0) << "kept at the start";

    f.Scroll(WM_VSCROLL, SB_BOTTOM);
    RECT c{};
    GetClientRect(f.panel.Handle(), &c);
    EXPECT_EQ(f.Pos(SB_VERT), 500 - c.bottom + 1) << "the last valid position";
    f.Scroll(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(f.Pos(SB_VERT), 0);
}

TEST(ScrollablePanel, EachWheelMessageScrollsOneLineBySignInsideOnly)
{
    Fixture f;
    f.Wheel(-120, {10, 10});
    EXPECT_EQ(f.Pos(SB_VERT), 20);
    f.Wheel(-30, {10, 10});  // a touchpad's small step towards the user
    EXPECT_EQ(f.Pos(SB_VERT), 40);
    f.Wheel(30, {10, 10});   // and a small step away: up, not down
    EXPECT_EQ(f.Pos(SB_VERT), 20);
    f.Wheel(240, {10, 10});
    EXPECT_EQ(f.Pos(SB_VERT), 0);
    f.Wheel(-120, {500, 10});
    EXPECT_EQ(f.Pos(SB_VERT), 0) << "outside the client area";
}

TEST(ScrollablePanel, WithoutMetricsInputIsIgnored)
{
    Fixture f;
    f.panel.hasContent = false;
    f.Scroll(WM_VSCROLL, SB_LINEDOWN);
    f.Wheel(-120, {10, 10});
    EXPECT_EQ(f.Pos(SB_VERT), 0);
}

}  // namespace
}  // namespace dravolt::controls
