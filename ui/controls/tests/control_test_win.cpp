// The control base with real windows: the order of the paint layers, what
// they put into a memory DC, and the click rule.
#include <gtest/gtest.h>

#include <string>

#include "ui/controls/double_buffer_dc_win.h"
#include "ui/controls/panels_win.h"
#include "ui/controls/tests/test_windows_win.h"

namespace dravolt::controls {
namespace {

using test::Canvas;
using test::RecordingParent;

class LayerRecorder : public CPanel {
public:
    std::string layers;

protected:
    void DrawBackground(HDC dc) override { layers += 'B'; CPanel::DrawBackground(dc); }
    void DrawBackgroundImage(HDC dc) override { layers += 'I'; CPanel::DrawBackgroundImage(dc); }
    void DrawForeground(HDC dc) override { layers += 'F'; CPanel::DrawForeground(dc); }
    void DrawBorder(HDC dc) override { layers += 'R'; CPanel::DrawBorder(dc); }
    void DrawCaption(HDC dc) override { layers += 'T'; CPanel::DrawCaption(dc); }
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

TEST(Control, PaintsItsFiveLayersInOrderInOnePass)
{
    RecordingParent parent;
    LayerRecorder panel;
    ASSERT_TRUE(panel.Create(parent.Handle(), 100, kChild, {10, 10, 60, 40}));
    UpdateWindow(parent.Handle());
    panel.layers.clear();
    InvalidateRect(panel.Handle(), nullptr, TRUE);
    UpdateWindow(panel.Handle());
    EXPECT_EQ(panel.layers, "BIFRT");
}

// A 40 x 20 panel, red with a blue border, drawn into a canvas.
struct PaintedPanel {
    RecordingParent parent;
    CPanel panel;
    Canvas canvas{40, 20};
    explicit PaintedPanel(unsigned sides)
    {
        panel.Create(parent.Handle(), 100, kChild, {0, 0, 40, 20});
        panel.SetParentBackground(false);
        panel.SetBackgroundColours(0xFFFF0000);
        panel.SetBorder(0xFF0000FF, 1, sides);
        panel.DrawAll(canvas.Dc());
    }
};

TEST(Control, BorderSidesDrawAFrameOrTheFirstSideOnly)
{
    constexpr std::uint32_t red = 0xFF0000, blue = 0x0000FF;
    struct Case { unsigned sides; POINT blueAt, redAt; };
    const Case cases[] = {
        {15, {0, 10}, {5, 5}}, {15, {39, 19}, {38, 18}},
        {5, {20, 0}, {20, 19}},   // top and bottom: only the top line
        {2, {39, 10}, {20, 0}},   // the right edge on the last column
        {4, {20, 19}, {0, 10}},
        {8, {0, 10}, {20, 19}},
    };
    for (const Case& c : cases) {
        PaintedPanel p(c.sides);
        EXPECT_EQ(p.canvas.At(c.blueAt.x, c.blueAt.y), blue) << "sides " << c.sides;
        EXPECT_EQ(p.canvas.At(c.redAt.x, c.redAt.y), red) << "sides " << c.sides;
    }
}

TEST(Control, TextLayerUsesTheDisabledGreyAndNothingWithoutAColour)
{
    RecordingParent parent;
    CPanel panel;
    ASSERT_TRUE(panel.Create(parent.Handle(), 100, kChild, {0, 0, 80, 24}, 0, L"Hello"));
    panel.SetParentBackground(false);
    panel.SetBackgroundColours(0xFFFFFFFF);
    const RECT all{0, 0, 80, 24};
    auto paint = [&](std::uint32_t rgb) {
        Canvas canvas(80, 24);
        panel.DrawAll(canvas.Dc());
        return std::pair{canvas.Count(rgb, all), 80 * 24 - canvas.Count(0xFFFFFF, all)};
    };
    EXPECT_EQ(panel.ControlText().Compare(L"Hello"), 0) << "the window text is read at attaching";
    EXPECT_GT(paint(0x000000).first, 0) << "black text when enabled";

    EnableWindow(panel.Handle(), FALSE);
    EXPECT_GT(paint(0xA7A6AA).first, 0);
    EXPECT_EQ(paint(0x000000).first, 0);

    panel.SetTextColour(0);
    EXPECT_EQ(paint(0).second, 0) << "text colour 0 draws no text";
}

TEST(Control, UnknownBackgroundImageIsTriedOnceThenForgotten)
{
    RecordingParent parent;
    CPanel panel;
    ASSERT_TRUE(panel.Create(parent.Handle(), 100, kChild, {0, 0, 20, 20}));
    panel.SetBackgroundImage(L"no_such_image.png");
    Canvas canvas(20, 20);
    panel.DrawAll(canvas.Dc());
    EXPECT_TRUE(panel.BackgroundImage().IsEmpty());
}

TEST(Control, ReleaseInsideReportsOneClickWithTheIdentifier)
{
    RecordingParent parent;
    CPanel panel;
    ASSERT_TRUE(panel.Create(parent.Handle(), 321, kChild, {10, 10, 60, 40}));
    SendMessageW(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, test::At(5, 5));
    EXPECT_TRUE(panel.IsPressed());
    EXPECT_EQ(GetCapture(), panel.Handle());
    SendMessageW(panel.Handle(), WM_LBUTTONUP, 0, test::At(6, 6));
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, 321);
    EXPECT_EQ(parent.commands[0].code, BN_CLICKED);
    EXPECT_EQ(parent.commands[0].from, panel.Handle());
    EXPECT_FALSE(panel.IsPressed());
    EXPECT_NE(GetCapture(), panel.Handle());

    // Released outside (left of the control: a negative x) or while disabled: nothing.
    SendMessageW(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, test::At(5, 5));
    SendMessageW(panel.Handle(), WM_LBUTTONUP, 0, test::At(-3, 5));
    EnableWindow(panel.Handle(), FALSE);
    SendMessageW(panel.Handle(), WM_LBUTTONUP, 0, test::At(5, 5));
    EXPECT_EQ(parent.commands.size(), 1u);
}

TEST(DoubleBufferDC, AWrappedBitmapIsAValidCopySource)
{
    const HDC screen = GetDC(nullptr);
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen, 8, 8));
    ReleaseDC(nullptr, screen);
    {
        CDoubleBufferDC source(bitmap.Get());
        EXPECT_TRUE(source.IsValid());
        source.Flush();  // no target: nothing happens
        CDoubleBufferDC notABitmap(reinterpret_cast<HBITMAP>(GetStockObject(BLACK_PEN)));
        EXPECT_FALSE(notABitmap.IsValid());
    }
    // The wrapper leaves the bitmap to its owner.
    EXPECT_EQ(GetObjectType(bitmap.Get()), static_cast<DWORD>(OBJ_BITMAP));
}

}  // namespace
}  // namespace dravolt::controls
