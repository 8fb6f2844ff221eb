// Value mappings shared by the colour operations: a 256-entry table applied
// to the channels, to the palette, or to the indices of a grey-ramp image
// (which keeps it on the ramp).
#include "imaging/color_ops.h"

#include <algorithm>
#include <cmath>

namespace dravolt::imaging {

namespace {

using Table = std::array<std::uint8_t, 256>;

std::uint8_t Clamp255(long long v) { return static_cast<std::uint8_t>(std::clamp<long long>(v, 0, 255)); }

void ApplyTable(Image& image, const Table& table) {
    if (image.IsGray() || image.Bpp() >= 24) {
        const int channels = image.Bpp() / 8;
        for (int y = 0; y < image.Height(); ++y) {
            std::uint8_t* p = image.Row(y);
            for (int i = 0; i < image.Width() * channels; ++i)
                if (channels != 4 || i % 4 != 3) p[i] = table[p[i]];  // alpha stays
        }
        return;
    }
    std::vector<Rgba> palette = image.Palette();
    for (Rgba& c : palette) c = {table[c.r], table[c.g], table[c.b], c.a};
    image.SetPalette(std::move(palette));
}

// Which grey levels occur, as the stretch counts them.
std::array<bool, 256> LevelsPresent(const Image& image) {
    std::array<bool, 256> present{};
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            present[static_cast<std::size_t>(Luminance(image.ColorAt(x, y)))] = true;
    return present;
}

}  // namespace

bool Grayscale(Image& image) {
    if (!image.IsValid()) return false;
    if (image.IsGray()) return true;
    Image grey = Image::Create(image.Width(), image.Height(), 8);
    if (!grey.IsValid()) return false;
    for (int y = 0; y < image.Height(); ++y) {
        std::uint8_t* out = grey.Row(y);
        for (int x = 0; x < image.Width(); ++x) out[x] = static_cast<std::uint8_t>(Luminance(image.ColorAt(x, y)));
    }
    grey.CopySettingsFrom(image);
    image = std::move(grey);
    return true;
}

bool Negative(Image& image) {
    if (!image.IsValid()) return false;
    Table table;
    for (int v = 0; v < 256; ++v) table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(255 - v);
    ApplyTable(image, table);
    return true;
}

Table LightTable(int brightness, int contrast) {
    // Exact in integers: 100 v' = 100 (b + 128) + (100 + c)(v - 128); the
    // result is rounded by adding one half and truncating towards zero.
    Table table;
    for (int v = 0; v < 256; ++v) {
        const long long scaled = 100LL * (brightness + 128) + (100LL + contrast) * (v - 128);
        table[static_cast<std::size_t>(v)] = Clamp255((scaled + 50) / 100);
    }
    return table;
}

bool Light(Image& image, int brightness, int contrast) {
    if (!image.IsValid()) return false;
    ApplyTable(image, LightTable(brightness, contrast));
    return true;
}

bool HistogramStretch(Image& image) {
    if (!image.IsValid()) return false;
    const auto present = LevelsPresent(image);
    const auto lo = static_cast<int>(std::find(present.begin(), present.end(), true) - present.begin());
    const auto hi = 255 - static_cast<int>(std::find(present.rbegin(), present.rend(), true) - present.rbegin());
    if (lo >= hi || (lo == 0 && hi == 255)) return true;
    Table table;
    for (int v = 0; v < 256; ++v)
        table[static_cast<std::size_t>(v)] = Clamp255(std::lround((v - lo) * 255.0 / (hi - lo)));
    ApplyTable(image, table);
    return true;
}

bool IncreaseBpp24(Image& image) {
    if (!image.IsValid()) return false;
    if (image.Bpp() >= 24) return true;
    Image rgb = Image::Create(image.Width(), image.Height(), 24);
    if (!rgb.IsValid()) return false;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) rgb.SetRaw(x, y, PackBgra(image.ColorAt(x, y)));
    rgb.CopySettingsFrom(image);
    image = std::move(rgb);
    return true;
}

}  // namespace dravolt::imaging
