// Copies device rows into an image, checking every size against the buffer.
#include "imaging/raw_rows.h"

#include <algorithm>

namespace dravolt::imaging {

Image ImageFromRawRows(const RawRows& raw) {
    if (!PixelDataSize(raw.width, raw.height, raw.bpp)) return {};
    const std::size_t packed = (static_cast<std::size_t>(raw.width) * raw.bpp + 7) / 8;
    if (raw.bytesPerRow < packed || raw.bits.size() / raw.bytesPerRow < static_cast<std::size_t>(raw.height))
        return {};
    Image image = Image::Create(raw.width, raw.height, raw.bpp);
    if (!image.IsValid()) return {};
    if (raw.bpp <= 8 && !raw.palette.empty()) image.SetPalette(raw.palette);
    for (int row = 0; row < raw.height; ++row) {
        const std::uint8_t* in = raw.bits.data() + static_cast<std::size_t>(row) * raw.bytesPerRow;
        const int y = raw.topDown ? row : raw.height - 1 - row;
        std::copy_n(in, packed, image.Row(y));
    }
    return image;
}

}  // namespace dravolt::imaging
