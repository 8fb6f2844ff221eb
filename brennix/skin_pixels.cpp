#include "brennix/skin_pixels.h"

#include "imaging/decode.h"

namespace dravolt::brennix {

std::optional<SkinPixels> DecodeSkinPixels(std::span<const std::uint8_t> file)
{
    const imaging::Image image = imaging::Decode(file);
    if (!image.IsValid())
        return std::nullopt;
    SkinPixels pixels;
    pixels.width = image.Width();
    pixels.height = image.Height();
    pixels.alpha = image.Bpp() == 32;
    pixels.bgra.resize(static_cast<std::size_t>(pixels.width) * pixels.height * 4);
    std::uint8_t* out = pixels.bgra.data();
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x, out += 4) {
            const imaging::Rgba c = image.ColorAt(x, y);
            const int a = pixels.alpha ? c.a : 255;
            out[0] = static_cast<std::uint8_t>(c.b * a / 255);
            out[1] = static_cast<std::uint8_t>(c.g * a / 255);
            out[2] = static_cast<std::uint8_t>(c.r * a / 255);
            out[3] = static_cast<std::uint8_t>(a);
        }
    }
    return pixels;
}

}  // namespace dravolt::brennix
