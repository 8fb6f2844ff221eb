// Prints, for 300-dpi A4 colour JPEGs, the time of a full decode, of a
// thumbnail made through the DCT-scaled decode, and of a thumbnail made
// from a full decode (the peer), with their ratios. Two pages: a dense one
// whose text covers every line, and a lighter one laid out like a letter.
// The DCT scale saves the inverse transforms and colour conversion but not
// the entropy decoding, so the gain shrinks as the file grows and as the
// saved steps get cheaper (libjpeg-turbo with SIMD, as natively here).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "imaging/color_ops.h"
#include "imaging/decode.h"
#include "imaging/encode.h"
#include "imaging/thumbnail.h"

namespace {

using namespace dravolt::imaging;

constexpr int kWidth = 2480, kHeight = 3508;  // A4 at 300 dpi

Image A4Page(const std::function<Rgba(int, int)>& colourAt) {
    Image page = Image::Create(kWidth, kHeight, 24);
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x) page.SetRaw(x, y, PackBgra(colourAt(x, y)));
    page.SetResolution(300, 300);
    return page;
}

// Text strokes on every line across the page, on a tinted background.
Rgba DensePage(int x, int y) {
    const bool text = (y % 40 < 12) && (x % 9 < 4) && x > 200 && x < 2280;
    if (text) return {20, 20, 30, 255};
    return {static_cast<std::uint8_t>(230 - x / 40), static_cast<std::uint8_t>(235 - y / 60), 225, 255};
}

// A letter: white paper with a slight scanner tint and wide margins, lines
// of 12-point text (60 px pitch) made of glyph-like strokes grouped into
// words, with ragged line ends and paragraph breaks; about a tenth of the
// page is ink, as in a typed letter.
bool GlyphInk(int glyph, int gx, int gy) {
    const bool tall = glyph % 3 == 0, deep = glyph % 7 == 1;  // ascender, descender
    if (gy < 10 && !tall) return false;
    if (gy >= 30 && !deep) return false;
    const bool leftStem = gx >= 3 && gx < 6;
    if (gy < 10 || gy >= 30) return leftStem;
    const bool bowl = glyph % 2 == 0;
    const bool bar = (gy < 13 || gy >= 27) && gx >= 3 && gx < 16;
    return leftStem || (bowl && (bar || (gx >= 13 && gx < 16)));
}

Rgba LetterPage(int x, int y) {
    const Rgba paper{250, 249, 246, 255};
    const Rgba ink{35, 35, 45, 255};
    if (x < 300 || x >= 2180 || y < 360 || y >= 3200) return paper;
    const int line = (y - 360) / 60, gy = (y - 360) % 60;
    if (gy >= 34 || line % 10 == 9) return paper;  // line gaps, paragraph breaks
    if (x > 2180 - (line * 137) % 500) return paper;  // ragged right edge
    const int cell = (x - 300) / 20, gx = (x - 300) % 20;
    const int glyph = (cell * 31 + line * 17) % 23;
    if ((cell + line) % 7 == 6) return paper;  // the space between words
    return GlyphInk(glyph, gx, gy) ? ink : paper;
}

// Best of several runs, in milliseconds.
double Milliseconds(const std::function<void()>& work, int runs = 5) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void Measure(const char* name, const Image& page) {
    const auto jpeg = *EncodeJpeg(page);
    const Size target{120, 160};
    const Rgba canvas{100, 100, 100, 255};
    const double full = Milliseconds([&] { Decode(jpeg); });
    const double scaled = Milliseconds([&] { DecodeThumbnail(jpeg, target, canvas); });
    const double peer = Milliseconds([&] { Thumbnail(Decode(jpeg), target, canvas); });
    std::printf("%s: A4 300 dpi colour JPEG, quality %d, %zu bytes, %d x %d\n", name, page.JpegQuality(),
                jpeg.size(), kWidth, kHeight);
    std::printf("  full decode:                       %8.2f ms\n", full);
    std::printf("  thumbnail %dx%d, DCT-scaled:      %8.2f ms\n", target.width, target.height, scaled);
    std::printf("  thumbnail from a full decode:      %8.2f ms\n", peer);
    std::printf("  full decode / DCT thumbnail:       %8.1f x\n", full / scaled);
    std::printf("  full-decode thumbnail / DCT one:   %8.1f x\n", peer / scaled);
}

}  // namespace

int main() {
    Measure("dense page", A4Page(DensePage));
    // A scanner's optics soften the edges of the strokes a little.
    Image letter = A4Page(LetterPage);
    Convolve3x3(letter, {1, 1, 1, 1, 8, 1, 1, 1, 1}, 16, 0);
    Measure("letter page", letter);
    return 0;
}
