#include "bench/main_window/a4_pictures.h"

#include <cmath>

#include "imaging/encode.h"

namespace dravolt::bench {

namespace {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    std::uint32_t h = (a * 0x9E3779B1u) ^ ((b + 0x7F4A7C15u) * 0x85EBCA77u) ^ (c * 0xC2B2AE3Du);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

// How one variant lays its page out.
struct PageStyle {
    int lineHeight;
    int columns;
    bool photo;
    bool form;
};

constexpr PageStyle kStyles[kA4Variants] = {
    {50, 1, false, false},  // typed letter
    {50, 1, true, false},   // text around a photo
    {60, 1, false, true},   // form with ruled boxes
    {38, 2, false, false},  // dense two-column text
};

constexpr int kMargin = 200;
constexpr int kPhotoLeft = 400, kPhotoTop = 1300, kPhotoRight = 2080, kPhotoBottom = 2300;

bool InsideMargins(int x, int y)
{
    return x >= kMargin && x < kA4Width - kMargin && y >= kMargin && y < kA4Height - kMargin;
}

bool IsRule(const PageStyle& style, int x, int y)
{
    return style.form && ((y - kMargin) % 240 < 4 || (x - kMargin) % 520 < 4);
}

// One glyph in its character cell: stems and bars picked by the bits of
// its hash, so text has the edges of type and not of noise.
bool IsGlyphStroke(std::uint32_t bits, int cellX, int cellY, int cellHeight)
{
    constexpr int kStem = 4;
    for (int stem = 0; stem < 3; ++stem)
        if ((bits >> stem) & 1u && cellX >= 3 + stem * 7 && cellX < 3 + stem * 7 + kStem)
            return true;
    const bool inLetter = cellX >= 3 && cellX < 21;
    return inLetter && (((bits >> 3) & 1u && cellY < kStem) || ((bits >> 4) & 1u && cellY >= cellHeight - kStem) ||
                        ((bits >> 5) & 1u && cellY >= cellHeight / 2 - 2 && cellY < cellHeight / 2 + 2));
}

// Text: lines of words of glyphs, with word gaps, blank lines between
// paragraphs and a gutter between columns.
bool IsText(const PageStyle& style, int variant, int x, int y)
{
    constexpr int kCell = 26;
    const int columnWidth = (kA4Width - 2 * kMargin) / style.columns;
    const int column = (x - kMargin) / columnWidth;
    const int inColumn = (x - kMargin) % columnWidth;
    if (style.columns > 1 && inColumn > columnWidth - 60)
        return false;
    const int line = (y - kMargin) / style.lineHeight;
    const int top = style.lineHeight / 4, height = style.lineHeight / 2;
    const int inLine = (y - kMargin) % style.lineHeight - top;
    if (inLine < 0 || inLine >= height)
        return false;
    const auto v = static_cast<std::uint32_t>(variant);
    const auto l = static_cast<std::uint32_t>(line);
    if (Hash(l, 7, v) % 9 == 0)
        return false;
    const auto cell = static_cast<std::uint32_t>(inColumn / kCell + 1000 * column);
    if (Hash(l, cell / 6, v) % 5 == 0 || Hash(l, cell, v + 1) % 7 == 0)
        return false;  // a word or a letter gap
    return IsGlyphStroke(Hash(l, cell, v + 2), inColumn % kCell, inLine, height);
}

bool IsPhoto(const PageStyle& style, int x, int y)
{
    return style.photo && x >= kPhotoLeft && x < kPhotoRight && y >= kPhotoTop && y < kPhotoBottom;
}

// Blue, green, red of one pixel.
void Shade(const PageStyle& style, int variant, int x, int y, std::uint8_t* bgr)
{
    // Paper grain in 2-pixel specks, a few levels deep.
    const int grain = static_cast<int>(Hash(static_cast<std::uint32_t>(x / 2), static_cast<std::uint32_t>(y / 2), 99) % 5) - 2;
    if (IsPhoto(style, x, y)) {
        const double u = x / 180.0, w = y / 140.0;
        bgr[0] = static_cast<std::uint8_t>(128 + 90 * std::cos(u * 0.7 + w) + grain);
        bgr[1] = static_cast<std::uint8_t>(128 + 90 * std::sin(w * 1.3) + grain);
        bgr[2] = static_cast<std::uint8_t>(128 + 90 * std::sin(u + variant) + grain);
        return;
    }
    const bool ink = InsideMargins(x, y) && (IsRule(style, x, y) || IsText(style, variant, x, y));
    const int base = ink ? 40 : 238;
    bgr[0] = static_cast<std::uint8_t>(base - 6 + grain);
    bgr[1] = static_cast<std::uint8_t>(base + grain);
    bgr[2] = static_cast<std::uint8_t>(base + 4 + grain);
}

}  // namespace

imaging::Image A4Picture(int variant)
{
    variant = ((variant % kA4Variants) + kA4Variants) % kA4Variants;
    const PageStyle& style = kStyles[variant];
    imaging::Image page = imaging::Image::Create(kA4Width, kA4Height, 24);
    for (int y = 0; y < kA4Height; ++y) {
        std::uint8_t* row = page.Row(y);
        for (int x = 0; x < kA4Width; ++x)
            Shade(style, variant, x, y, row + x * 3);
    }
    page.SetResolution(300, 300);
    return page;
}

std::vector<std::uint8_t> A4Jpeg(int variant)
{
    return imaging::EncodeJpeg(A4Picture(variant)).value_or(std::vector<std::uint8_t>{});
}

}  // namespace dravolt::bench
