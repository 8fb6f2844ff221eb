// The paint library's drawing, checked pixel by pixel in a memory DC.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "brennix/brennix.h"
#include "brennix/tests/zip_builder.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 64 x 48 white canvas in a 32-bit DIB section.
class Canvas {
public:
    Canvas() : dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO bmi{};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB};
        bitmap_ = CreateDIBSection(dc_, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const std::uint32_t p = bits_[y * kWidth + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // True when every pixel outside `inside` is still white.
    bool UntouchedOutside(const RECT& inside) const
    {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const POINT p{x, y};
                if (!PtInRect(&inside, p) && At(x, y) != kWhite)
                    return false;
            }
        return true;
    }
    bool AnyInk(const RECT& r) const
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) != kWhite)
                    return true;
        return false;
    }
    static constexpr int kWidth = 64, kHeight = 48;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    std::uint32_t* bits_ = nullptr;
};

// A 4 x 2 24-bit bottom-up BMP: left half red, right half blue.
std::vector<std::uint8_t> RedBlueBmp()
{
    std::vector<std::uint8_t> bmp(54 + 2 * 12);
    auto put32 = [&](std::size_t at, std::uint32_t v) { dravolt::brennix::test::Put32(bmp, at, v); };
    bmp[0] = 'B'; bmp[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bmp.size())); put32(10, 54); put32(14, 40);
    put32(18, 4); put32(22, 2); bmp[26] = 1; bmp[28] = 24;
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x < 4; ++x) {
            std::uint8_t* p = &bmp[54 + row * 12 + x * 3];
            p[0] = x < 2 ? 0 : 255;    // blue
            p[2] = x < 2 ? 255 : 0;    // red
        }
    return bmp;
}

class RenderEngine : public testing::Test {
protected:
    void SetUp() override
    {
        archive_ = dravolt::brennix::test::BuildZip({{"rb.bmp", RedBlueBmp(), true}});
        ASSERT_EQ(manager_.AddImageFromZIP(archive_.data(), CPaintManager::kZipInMemory,
                                           static_cast<DWORD>(archive_.size())), 1);
    }
    std::vector<std::uint8_t> archive_;
    CPaintManager manager_;
    Canvas canvas_;
    const RECT item_{10, 10, 50, 40};
    const RECT all_{0, 0, Canvas::kWidth, Canvas::kHeight};
};

TEST_F(RenderEngine, WithoutModifyStringTheImageFillsTheItem)
{
    ASSERT_TRUE(CRenderEngine::DrawImageString(canvas_.Dc(), &manager_, item_, all_, L"rb.bmp"));
    EXPECT_EQ(canvas_.At(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(canvas_.At(49, 39), RGB(0, 0, 255));
    EXPECT_TRUE(canvas_.UntouchedOutside(item_));
}

TEST_F(RenderEngine, DestAndSourcePickThePlaceAndThePixels)
{
    ASSERT_TRUE(CRenderEngine::DrawImageString(canvas_.Dc(), &manager_, item_, all_, L"rb.bmp",
                                               L"dest='2,4,10,8' source='2,0,4,2' fade='255'"));
    EXPECT_EQ(canvas_.At(12, 14), RGB(0, 0, 255));
    EXPECT_EQ(canvas_.At(19, 17), RGB(0, 0, 255));
    EXPECT_TRUE(canvas_.UntouchedOutside({12, 14, 20, 18}));
}

TEST_F(RenderEngine, FadeScalesOpacityAndPaintRectClips)
{
    const RECT paint{0, 0, 30, 48};
    ASSERT_TRUE(CRenderEngine::DrawImageString(canvas_.Dc(), &manager_, item_, paint, L"rb.bmp",
                                               L"source='2,0,4,2' fade='128'"));
    const COLORREF half = canvas_.At(20, 20);
    EXPECT_NEAR(GetRValue(half), 127, 2);
    EXPECT_NEAR(GetGValue(half), 127, 2);
    EXPECT_EQ(GetBValue(half), 255);
    EXPECT_TRUE(canvas_.UntouchedOutside({10, 10, 30, 40}));
}

TEST_F(RenderEngine, MissingImagesFailAndMalformedDescriptionsDrawNothing)
{
    EXPECT_FALSE(CRenderEngine::DrawImageString(canvas_.Dc(), &manager_, item_, all_, L"none.png"));
    EXPECT_TRUE(CRenderEngine::DrawImageString(canvas_.Dc(), &manager_, item_, all_, L"rb.bmp", L"dest='1,2"));
    EXPECT_TRUE(manager_.RemoveImage(L"rb.bmp"));
    EXPECT_FALSE(CRenderEngine::DrawImageString(canvas_.Dc(), &manager_, item_, all_, L"rb.bmp"));
    EXPECT_TRUE(canvas_.UntouchedOutside({0, 0, 0, 0}));
}

// The skin's menu dot is opaque in the middle and transparent at its edge.
TEST_F(RenderEngine, AlphaImagesBlendPerPixel)
{
    ASSERT_TRUE(CRenderEngine::DrawImageString(canvas_.Dc(), nullptr, {0, 0, 18, 12}, all_, L"menu_dot.png"));
    EXPECT_EQ(canvas_.At(9, 6), RGB(0x3d, 0x4b, 0x5c));
    EXPECT_EQ(canvas_.At(0, 0), kWhite);
    EXPECT_EQ(canvas_.At(17, 11), kWhite);
}

TEST_F(RenderEngine, GradientAndColourFillTheirRectangles)
{
    const RECT band{4, 4, 20, 12};
    CRenderEngine::DrawGradient(canvas_.Dc(), band, 0xFF000000, 0xFF0000FF, true, 8);
    EXPECT_EQ(canvas_.At(4, 4), RGB(0, 0, 0));
    EXPECT_EQ(canvas_.At(19, 11), RGB(0, 0, 255));
    EXPECT_GT(GetBValue(canvas_.At(10, 8)), 0);
    EXPECT_LT(GetBValue(canvas_.At(10, 8)), 255);
    CRenderEngine::DrawColor(canvas_.Dc(), {30, 30, 40, 40}, 0xFF00FF00);
    EXPECT_EQ(canvas_.At(35, 35), RGB(0, 255, 0));
    CRenderEngine::DrawColor(canvas_.Dc(), {50, 30, 60, 40}, 0x00FF0000);  // not set: nothing
    const RECT fill{30, 30, 40, 40};
    RECT painted{};
    UnionRect(&painted, &band, &fill);
    EXPECT_TRUE(canvas_.UntouchedOutside(painted));
}

TEST_F(RenderEngine, TextStaysInsideItsRectangle)
{
    RECT text{8, 8, 56, 30};
    CRenderEngine::DrawTextW(canvas_.Dc(), &manager_, text, L"Scan", 0xFF000000, -1,
                             DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_TRUE(canvas_.AnyInk(text));
    EXPECT_TRUE(canvas_.UntouchedOutside(text));
}

TEST_F(RenderEngine, HtmlTextReportsItsLinks)
{
    RECT text{0, 0, 64, 24};
    RECT links[2]{};
    CStdString linkTexts[2];
    int count = 2;
    CRenderEngine::DrawHtmlText(canvas_.Dc(), &manager_, text, L"Go <a>here</a>", 0xFF000000, -1, DT_SINGLELINE,
                                links, linkTexts, count);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(linkTexts[0].Compare(L"here"), 0);
    EXPECT_GT(links[0].left, 0);
    EXPECT_TRUE(canvas_.AnyInk(links[0]));
    EXPECT_TRUE(canvas_.UntouchedOutside(text));
}

TEST(StdString, FormatsFindsAndCompares)
{
    CStdString s;
    EXPECT_TRUE(s.IsEmpty());
    s.Format(L"dest='%d,%d,%d,%d' fade='%d'", 1, 2, 3, 4, 64);
    EXPECT_EQ(s.Compare(L"dest='1,2,3,4' fade='64'"), 0);
    EXPECT_EQ(s.Find(L"fade"), 15);
    EXPECT_EQ(s.Find(L"nothing"), -1);
    CStdString copy = s;
    EXPECT_TRUE(copy == s);
    copy.Empty();
    EXPECT_TRUE(copy.IsEmpty());
    std::wstring longText(1000, L'x');
    s.Format(L"%s", longText.c_str());
    EXPECT_EQ(s.GetLength(), 1000);
}

}  // namespace
