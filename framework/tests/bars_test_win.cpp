// Status bar panes, dialog units and tooltips on real windows.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/dialog_win.h"
#include "framework/status_bar_win.h"
#include "framework/tests/test_ids.h"
#include "framework/tooltip_win.h"

namespace dravolt {
namespace {

class Frame : public CWindow {};

TEST(StatusBar, PanesHoldTheirTextsAlongTheBottom)
{
    Frame frame;
    ASSERT_TRUE(frame.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, RECT{0, 0, 400, 300}));
    CStatusBar bar;
    ASSERT_TRUE(bar.Create(frame.Handle(), 59393));
    ASSERT_TRUE(bar.SetPanes({120, -1}));
    EXPECT_EQ(SendMessageW(bar.Handle(), SB_GETPARTS, 0, 0), 2);
    EXPECT_TRUE(bar.SetPaneText(0, L"Ready"));
    EXPECT_TRUE(bar.SetPaneText(1, L"100%"));
    EXPECT_EQ(bar.PaneText(0), L"Ready");
    EXPECT_EQ(bar.PaneText(1), L"100%");

    bar.Reposition();
    RECT client, barRect;
    GetClientRect(frame.Handle(), &client);
    GetWindowRect(bar.Handle(), &barRect);
    MapWindowPoints(nullptr, frame.Handle(), reinterpret_cast<POINT*>(&barRect), 2);
    EXPECT_EQ(barRect.bottom, client.bottom);
    EXPECT_GT(bar.Height(), 0);
}

TEST(DialogUnits, MatchTheTemplateLayout)
{
    class Probe : public CDialog {
    public:
        Probe() : CDialog(IDD_FIELDS) {}
        RECT expected{}, actual{};

    protected:
        bool OnInitDialog() override
        {
            expected = DialogUnitsToPixels(Handle(), RECT{50, 7, 110, 21});  // the angle edit
            GetWindowRect(GetDlgItem(Handle(), IDC_ANGLE), &actual);
            MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&actual), 2);
            EndDialog(IDOK);
            return true;
        }
    } probe;
    ASSERT_EQ(probe.DoModal(nullptr), IDOK);
    EXPECT_EQ(probe.actual.left, probe.expected.left);
    EXPECT_EQ(probe.actual.top, probe.expected.top);
    EXPECT_EQ(probe.actual.right, probe.expected.right);
    EXPECT_EQ(probe.actual.bottom, probe.expected.bottom);
    EXPECT_GT(probe.expected.right - probe.expected.left, 60) << "dialog units are larger than pixels";
}

// The 64-bit record is larger than the 48 bytes of the 32-bit one, which
// Windows refuses (Wine is lenient, so only the sizes are pinned here).
static_assert(sizeof(TOOLINFOW) > 48);

TEST(Tooltip, ToolsAreAddedWithTheirTextsIn64Bit)
{
    Frame owner;
    ASSERT_TRUE(owner.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, RECT{0, 0, 300, 100}));
    CTooltip tips;
    ASSERT_TRUE(tips.Create(owner.Handle()));
    ASSERT_TRUE(tips.AddTool(61441, RECT{0, 0, 70, 30}, L"Scan"));
    ASSERT_TRUE(tips.AddTool(61442, RECT{72, 0, 157, 30}, L"Import Images"));
    EXPECT_EQ(tips.ToolCount(), 2);
    EXPECT_EQ(tips.ToolText(61442), L"Import Images");
    tips.SetToolText(61441, L"Scan pages");
    EXPECT_EQ(tips.ToolText(61441), L"Scan pages");

}

}  // namespace
}  // namespace dravolt
