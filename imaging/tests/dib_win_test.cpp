// DIB sections under Wine: images go into bitmaps and come back unchanged,
// and bitmaps of other kinds are read the right way up.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "imaging/dib_win.h"
#include "test_images.h"

namespace dravolt::imaging {
namespace {

using test::Pattern;

DIBSECTION Describe(HBITMAP bitmap) {
    DIBSECTION section{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    return section;
}

bool SameRaster(const Image& a, const Image& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.Bpp() != b.Bpp()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.RawAt(x, y) != b.RawAt(x, y)) return false;
    return a.Palette() == b.Palette();
}

// A DIB section of our own making, filled row by row from `image` in the
// given order, so the reader meets layouts MakeDib never produces.
DibBitmap SectionOf(const Image& image, int bpp, bool topDown) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), image.Width(), topDown ? -image.Height() : image.Height(), 1,
                      static_cast<WORD>(bpp), BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    DibBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const std::size_t stride = (static_cast<std::size_t>(image.Width()) * bpp + 31) / 32 * 4;
    for (int y = 0; y < image.Height(); ++y) {
        auto* row = static_cast<std::uint8_t*>(bits) + stride * (topDown ? y : image.Height() - 1 - y);
        for (int x = 0; x < image.Width(); ++x) {
            const Rgba c = image.ColorAt(x, y);
            if (bpp == 16) {  // 5-5-5: keep colours that survive the cut
                const auto v = static_cast<std::uint16_t>((c.r >> 3) << 10 | (c.g >> 3) << 5 | (c.b >> 3));
                std::memcpy(row + x * 2, &v, 2);
            } else {
                row[x * 3] = c.b, row[x * 3 + 1] = c.g, row[x * 3 + 2] = c.r;
            }
        }
    }
    return dib;
}

TEST(Dib, EveryDepthRoundTripsWithPixelsPaletteAndResolution) {
    for (int bpp : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bpp);
        Image image = Pattern(13, 7, bpp);  // odd width: rows are padded
        image.SetResolution(300, 200);
        const DibBitmap dib = MakeDib(image);
        ASSERT_TRUE(dib);
        const DIBSECTION section = Describe(dib.Get());
        EXPECT_EQ(section.dsBm.bmBitsPixel, bpp);
        EXPECT_GT(section.dsBmih.biHeight, 0);  // bottom-up, as most readers of DIBs expect
        const Image back = ImageFromBitmap(dib.Get());
        EXPECT_TRUE(SameRaster(back, image));
        EXPECT_EQ(back.XDpi(), 300);
        EXPECT_EQ(back.YDpi(), 200);
    }
}

TEST(Dib, GdiSeesTheTopRowOnTop) {
    const Image image = Pattern(5, 4, 24);
    const DibBitmap dib = MakeDib(image);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, dib.Get());
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{4, 3}}) {
        const Rgba c = image.ColorAt(x, y);
        EXPECT_EQ(GetPixel(dc, x, y), RGB(c.r, c.g, c.b)) << x << "," << y;
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
}

TEST(Dib, OtherBitmapsAreReadAsTheyLook) {
    const Image image = Pattern(6, 5, 24);
    const Image topDown = ImageFromBitmap(SectionOf(image, 24, true).Get());
    EXPECT_TRUE(SameRaster(topDown, image));
    EXPECT_EQ(topDown.XDpi(), 96);  // the section recorded no resolution

    // 5 bits a channel: GDI widens them again by its own rule, so only the
    // top five bits of each channel are compared.
    const Image from16 = ImageFromBitmap(SectionOf(image, 16, false).Get());
    ASSERT_EQ(from16.Bpp(), 24);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(from16.RawAt(x, y) & 0xF8F8F8, image.RawAt(x, y) & 0xF8F8F8) << x << "," << y;

    std::vector<std::uint32_t> bgrx(6 * 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) bgrx[y * 6 + x] = image.RawAt(x, y) & 0xFFFFFF;
    const DibBitmap ddb(CreateBitmap(6, 5, 1, 32, bgrx.data()));
    const Image fromDdb = ImageFromBitmap(ddb.Get());
    EXPECT_EQ(fromDdb.Bpp(), 24);
    EXPECT_TRUE(test::SameColors(fromDdb, image));
}

TEST(Dib, NothingIsMadeFromNothing) {
    EXPECT_FALSE(MakeDib(Image{}));
    EXPECT_FALSE(ImageFromBitmap(nullptr).IsValid());
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_FALSE(ImageFromBitmap(reinterpret_cast<HBITMAP>(pen)).IsValid());
    DeleteObject(pen);
}

}  // namespace
}  // namespace dravolt::imaging
