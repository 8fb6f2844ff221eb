// The 3 x 3 convolution filter over grey-ramp, 24- and 32-bit images.
#include <algorithm>

#include "imaging/color_ops.h"

namespace dravolt::imaging {

bool Convolve3x3(Image& image, const std::array<int, 9>& kernel, int divisor, int offset) {
    if (!image.IsValid() || divisor == 0) return false;
    if (!image.IsGray() && image.Bpp() <= 8 && !IncreaseBpp24(image)) return false;
    const int channels = image.Bpp() / 8;
    const int colorChannels = std::min(channels, 3);  // alpha is not filtered
    const Image source = image;
    const int w = image.Width(), h = image.Height();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* out = image.Row(y);
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < colorChannels; ++c) {
                long long sum = 0;
                for (int k = 0; k < 9; ++k) {
                    const int sx = std::clamp(x + k % 3 - 1, 0, w - 1);
                    const int sy = std::clamp(y + k / 3 - 1, 0, h - 1);
                    sum += static_cast<long long>(kernel[static_cast<std::size_t>(k)]) *
                           source.Row(sy)[sx * channels + c];
                }
                out[x * channels + c] =
                    static_cast<std::uint8_t>(std::clamp<long long>(sum / divisor + offset, 0, 255));
            }
    }
    return true;
}

}  // namespace dravolt::imaging
