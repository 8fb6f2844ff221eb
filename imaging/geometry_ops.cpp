// Lossless pixel moves for every bit depth, through the raw pixel values.
#include "imaging/geometry_ops.h"

#include <algorithm>
#include <cstring>

namespace dravolt::imaging {

namespace {

// A blank image of another size with the same depth, palette and settings.
Image BlankLike(const Image& image, int width, int height) {
    Image result = Image::Create(width, height, image.Bpp());
    if (!result.IsValid()) return result;
    result.SetPalette(image.Palette());
    result.CopySettingsFrom(image);
    return result;
}

}  // namespace

bool Mirror(Image& image) {
    if (!image.IsValid()) return false;
    const int w = image.Width();
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < w / 2; ++x) {
            const std::uint32_t left = image.RawAt(x, y);
            image.SetRaw(x, y, image.RawAt(w - 1 - x, y));
            image.SetRaw(w - 1 - x, y, left);
        }
    return true;
}

bool Flip(Image& image) {
    if (!image.IsValid()) return false;
    for (int y = 0; y < image.Height() / 2; ++y)
        std::swap_ranges(image.Row(y), image.Row(y) + image.Stride(), image.Row(image.Height() - 1 - y));
    return true;
}

bool RotateRight(Image& image) {
    if (!image.IsValid()) return false;
    const int w = image.Width(), h = image.Height();
    Image turned = BlankLike(image, h, w);
    if (!turned.IsValid()) return false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) turned.SetRaw(h - 1 - y, x, image.RawAt(x, y));
    turned.SetResolution(image.YDpi(), image.XDpi());
    image = std::move(turned);
    return true;
}

bool RotateLeft(Image& image) {
    if (!image.IsValid()) return false;
    const int w = image.Width(), h = image.Height();
    Image turned = BlankLike(image, h, w);
    if (!turned.IsValid()) return false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) turned.SetRaw(y, w - 1 - x, image.RawAt(x, y));
    turned.SetResolution(image.YDpi(), image.XDpi());
    image = std::move(turned);
    return true;
}

bool Crop(Image& image, long long left, long long top, long long right, long long bottom) {
    if (!image.IsValid()) return false;
    left = std::max(left, 0LL);
    top = std::max(top, 0LL);
    right = std::min<long long>(right, image.Width());
    bottom = std::min<long long>(bottom, image.Height());
    if (left >= right || top >= bottom) return false;
    const int x0 = static_cast<int>(left), y0 = static_cast<int>(top);
    Image cut = BlankLike(image, static_cast<int>(right - left), static_cast<int>(bottom - top));
    if (!cut.IsValid()) return false;
    for (int y = 0; y < cut.Height(); ++y) {
        if (image.Bpp() >= 8) {
            const std::size_t bytesPerPixel = static_cast<std::size_t>(image.Bpp() / 8);
            std::memcpy(cut.Row(y), image.Row(y0 + y) + x0 * bytesPerPixel, cut.Width() * bytesPerPixel);
        } else {
            for (int x = 0; x < cut.Width(); ++x) cut.SetRaw(x, y, image.RawAt(x0 + x, y0 + y));
        }
    }
    image = std::move(cut);
    return true;
}

}  // namespace dravolt::imaging
