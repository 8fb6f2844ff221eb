// Thumbnail scaling by area averaging, and the DCT-scaled JPEG shortcut.
#include "imaging/thumbnail.h"

#include <algorithm>
#include <cmath>

#include "imaging/decode.h"

namespace dravolt::imaging {

Size FitInside(Size source, Size target) {
    if (source.width <= target.width && source.height <= target.height) return source;
    const double scale = std::min(static_cast<double>(target.width) / source.width,
                                  static_cast<double>(target.height) / source.height);
    const auto side = [scale](int length, int limit) {
        return std::clamp(static_cast<int>(std::lround(length * scale)), 1, limit);
    };
    return {side(source.width, target.width), side(source.height, target.height)};
}

Image ScaleDown(const Image& image, Size size) {
    Image scaled = Image::Create(size.width, size.height, 24);
    if (!image.IsValid() || !scaled.IsValid()) return {};
    scaled.CopySettingsFrom(image);
    const long long w = image.Width(), h = image.Height();
    for (int y = 0; y < size.height; ++y) {
        const int y0 = static_cast<int>(y * h / size.height);
        const int y1 = std::max(y0 + 1, static_cast<int>((y + 1) * h / size.height));
        for (int x = 0; x < size.width; ++x) {
            const int x0 = static_cast<int>(x * w / size.width);
            const int x1 = std::max(x0 + 1, static_cast<int>((x + 1) * w / size.width));
            unsigned long long r = 0, g = 0, b = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const Rgba c = image.ColorAt(sx, sy);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            const unsigned long long n = static_cast<unsigned long long>(y1 - y0) * (x1 - x0);
            scaled.SetRaw(x, y, PackBgra({static_cast<std::uint8_t>((r + n / 2) / n),
                                          static_cast<std::uint8_t>((g + n / 2) / n),
                                          static_cast<std::uint8_t>((b + n / 2) / n), 255}));
        }
    }
    return scaled;
}

Image Thumbnail(const Image& image, Size target, Rgba canvas) {
    if (!image.IsValid() || target.width <= 0 || target.height <= 0) return {};
    const Size fitted = FitInside({image.Width(), image.Height()}, target);
    const Image scaled = ScaleDown(image, fitted);
    Image result = Image::Create(target.width, target.height, 24);
    if (!scaled.IsValid() || !result.IsValid()) return {};
    result.CopySettingsFrom(image);
    for (int y = 0; y < target.height; ++y)
        for (int x = 0; x < target.width; ++x) result.SetRaw(x, y, PackBgra(canvas));
    const int left = (target.width - fitted.width) / 2, top = (target.height - fitted.height) / 2;
    for (int y = 0; y < fitted.height; ++y)
        std::copy_n(scaled.Row(y), static_cast<std::size_t>(fitted.width) * 3, result.Row(top + y) + left * 3);
    return result;
}

int JpegScaleToCover(Size source, Size target) {
    const Size fitted = FitInside(source, target);
    for (int eighths = 1; eighths < 8; ++eighths) {
        // libjpeg rounds scaled sizes up.
        const long long w = (static_cast<long long>(source.width) * eighths + 7) / 8;
        const long long h = (static_cast<long long>(source.height) * eighths + 7) / 8;
        if (w >= fitted.width && h >= fitted.height) return eighths;
    }
    return 8;
}

Image DecodeThumbnail(std::span<const std::uint8_t> bytes, Size target, Rgba canvas) {
    if (target.width <= 0 || target.height <= 0) return {};
    if (DetectFormat(bytes) != ImageFormat::Jpeg) return Thumbnail(Decode(bytes), target, canvas);
    const Image reduced = DecodeJpegScaled(
        bytes, [target](int width, int height) { return JpegScaleToCover({width, height}, target); });
    // The reduced image keeps the original's aspect ratio up to rounding.
    return Thumbnail(reduced, target, canvas);
}

}  // namespace dravolt::imaging
