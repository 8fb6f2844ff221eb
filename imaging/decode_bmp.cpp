// BMP decoding: 1, 4, 8 (palette), 16, 24 and 32 bits, bottom-up and
// top-down rows, RLE4/RLE8 and bit-field masks. Palette depths keep their
// depth; 16-bit pixels become 24-bit; 32-bit pixels keep alpha only when the
// header names an alpha mask.
#include <algorithm>
#include <bit>

#include "imaging/bmp_header.h"
#include "imaging/decode.h"
#include "imaging/resolution.h"

namespace dravolt::imaging {

namespace {

int ImageDepth(const BmpHeader& h) {
    if (h.bpp <= 8) return h.bpp;
    return h.bpp == 32 && h.masks[3] != 0 ? 32 : 24;
}

// Scales the masked bits of a pixel to 0..255.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 255;
    const int shift = std::countr_zero(mask);
    const std::uint64_t maximum = mask >> shift;
    return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255 / maximum);
}

void ConvertMaskedRow(const std::uint8_t* in, const BmpHeader& h, Image& image, int y) {
    const int size = h.bpp / 8;
    for (int x = 0; x < image.Width(); ++x, in += size) {
        std::uint32_t pixel = in[0] | (in[1] << 8);
        if (size == 4) pixel |= (in[2] << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
        const Rgba c{Channel(pixel, h.masks[0]), Channel(pixel, h.masks[1]), Channel(pixel, h.masks[2]),
                     Channel(pixel, h.masks[3])};
        image.SetRaw(x, y, PackBgra(c));
    }
}

bool ReadPlainRows(std::span<const std::uint8_t> bytes, const BmpHeader& h, Image& image) {
    const std::size_t rowBytes = (static_cast<std::size_t>(h.width) * h.bpp + 31) / 32 * 4;
    if (h.pixelOffset > bytes.size() || (bytes.size() - h.pixelOffset) / rowBytes < static_cast<std::size_t>(h.height))
        return false;
    for (int fileRow = 0; fileRow < image.Height(); ++fileRow) {
        const std::uint8_t* in = bytes.data() + h.pixelOffset + fileRow * rowBytes;
        const int y = h.topDown ? fileRow : image.Height() - 1 - fileRow;
        if (h.bpp == 16 || h.bpp == 32)
            ConvertMaskedRow(in, h, image, y);
        else
            std::copy_n(in, std::min(rowBytes, image.Stride()), image.Row(y));
    }
    return true;
}

// Run-length data: pairs of count and value, with escapes for end of line,
// end of bitmap, a jump (delta) and literal runs padded to 16 bits. Runs
// that leave the image are clipped.
void ReadRle(std::span<const std::uint8_t> bytes, const BmpHeader& h, Image& image) {
    const bool four = h.compression == BmpCompression::Rle4;
    std::size_t at = h.pixelOffset;
    long long x = 0, fileRow = 0;
    auto put = [&](std::uint32_t index) {
        if (x < image.Width() && fileRow < image.Height()) {
            const int y = h.topDown ? static_cast<int>(fileRow) : image.Height() - 1 - static_cast<int>(fileRow);
            image.SetRaw(static_cast<int>(x), y, index);
        }
        ++x;
    };
    while (at + 1 < bytes.size() && fileRow < image.Height()) {
        const int count = bytes[at], value = bytes[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0xF : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++fileRow;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 1 >= bytes.size()) break;
            x += bytes[at];
            fileRow += bytes[at + 1];
            at += 2;
        } else {
            const std::size_t literalBytes = four ? (value + 1) / 2 : value;
            if (at + literalBytes > bytes.size()) break;
            for (int i = 0; i < value; ++i) {
                const std::uint8_t b = bytes[at + static_cast<std::size_t>(four ? i / 2 : i)];
                put(four ? ((i & 1) ? b & 0xF : b >> 4) : b);
            }
            at += (literalBytes + 1) & ~std::size_t{1};
        }
    }
}

}  // namespace

Image DecodeBmp(std::span<const std::uint8_t> bytes) {
    const auto header = ParseBmpHeader(bytes);
    if (!header) return {};
    const int depth = ImageDepth(*header);
    if (!PixelDataSize(header->width, header->height, depth)) return {};
    Image image = Image::Create(header->width, header->height, depth);
    if (!image.IsValid()) return {};
    if (depth <= 8) image.SetPalette(header->palette);
    if (header->compression == BmpCompression::Rle4 || header->compression == BmpCompression::Rle8)
        ReadRle(bytes, *header, image);
    else if (!ReadPlainRows(bytes, *header, image))
        return {};
    if (const auto dpi = DpiFromPerMetre(header->xPerMetre, header->yPerMetre)) image.SetResolution(dpi->x, dpi->y);
    return image;
}

}  // namespace dravolt::imaging
