// BMP header parsing: the core (12-byte) header and the 40- to 124-byte
// info headers, palettes and bit-field masks.
#include "imaging/bmp_header.h"

#include "imaging/byte_reader.h"

namespace dravolt::imaging {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

std::optional<BmpCompression> CompressionOf(std::uint32_t code, int bpp) {
    if (code == 0) return BmpCompression::None;
    if (code == 1 && bpp == 8) return BmpCompression::Rle8;
    if (code == 2 && bpp == 4) return BmpCompression::Rle4;
    if ((code == 3 || code == 6) && (bpp == 16 || bpp == 32)) return BmpCompression::BitFields;
    return std::nullopt;
}

void SetDefaultMasks(BmpHeader& h) {
    if (h.bpp == 16) h.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (h.bpp == 32) h.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
}

bool ReadPalette(std::span<const std::uint8_t> bytes, std::size_t offset, int entrySize, std::uint32_t used,
                 BmpHeader& h) {
    if (h.bpp > 8) return true;
    const std::uint32_t maxEntries = 1u << h.bpp;
    const std::uint32_t count = (used == 0 || used > maxEntries) ? maxEntries : used;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = offset + i * static_cast<std::size_t>(entrySize);
        if (at + 3 > bytes.size()) return false;
        h.palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at], 255});
    }
    return true;
}

bool IsKnownDepth(int bpp) { return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32; }

}  // namespace

std::optional<BmpHeader> ParseBmpHeader(std::span<const std::uint8_t> bytes) {
    const auto infoSize = ReadLe(bytes, kFileHeaderSize, 4);
    if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M' || !infoSize) return std::nullopt;
    BmpHeader h;
    h.pixelOffset = Le32Or0(bytes, 10);
    const std::size_t info = kFileHeaderSize;
    const bool core = *infoSize == 12;
    if (!core && (*infoSize < 40 || *infoSize > 124)) return std::nullopt;
    if (bytes.size() < info + *infoSize) return std::nullopt;
    std::uint32_t code = 0, used = 0;
    if (core) {
        h.width = Le16Or0(bytes, info + 4);
        h.height = Le16Or0(bytes, info + 6);
        h.bpp = Le16Or0(bytes, info + 10);
    } else {
        h.width = static_cast<std::int32_t>(Le32Or0(bytes, info + 4));
        h.height = static_cast<std::int32_t>(Le32Or0(bytes, info + 8));
        h.bpp = Le16Or0(bytes, info + 14);
        code = Le32Or0(bytes, info + 16);
        h.xPerMetre = static_cast<std::int32_t>(Le32Or0(bytes, info + 24));
        h.yPerMetre = static_cast<std::int32_t>(Le32Or0(bytes, info + 28));
        used = Le32Or0(bytes, info + 32);
    }
    h.topDown = h.height < 0;
    if (h.topDown) h.height = -h.height;
    const auto compression = CompressionOf(code, h.bpp);
    if (!compression || h.width <= 0 || h.height <= 0 || !IsKnownDepth(h.bpp)) return std::nullopt;
    h.compression = *compression;
    SetDefaultMasks(h);
    std::size_t paletteOffset = info + *infoSize;
    if (h.compression == BmpCompression::BitFields) {
        // A 40-byte header keeps its masks just after it; longer ones inside.
        const std::size_t maskAt = *infoSize == 40 ? paletteOffset : info + 40;
        const int maskCount = (*infoSize == 40 && code == 3) ? 3 : 4;
        for (int i = 0; i < maskCount; ++i)
            h.masks[static_cast<std::size_t>(i)] = Le32Or0(bytes, maskAt + 4 * static_cast<std::size_t>(i));
        if (*infoSize == 40) paletteOffset += 4 * static_cast<std::size_t>(maskCount);
    }
    if (!ReadPalette(bytes, paletteOffset, core ? 3 : 4, used, h)) return std::nullopt;
    return h;
}

}  // namespace dravolt::imaging
