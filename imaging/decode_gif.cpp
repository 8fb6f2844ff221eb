// GIF decoding through giflib: the first frame, as an 8-bit palette image
// of the frame's own size (interlaced frames are put back in row order).
#include <algorithm>
#include <cstring>
#include <memory>

#include <gif_lib.h>

#include "imaging/decode.h"

namespace dravolt::imaging {

namespace {

struct GifSource {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int length) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    const std::size_t left = source->bytes.size() - source->offset;
    const std::size_t count = std::min(left, static_cast<std::size_t>(length < 0 ? 0 : length));
    std::memcpy(out, source->bytes.data() + source->offset, count);
    source->offset += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

bool SkipExtension(GifFileType* gif) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
    while (block)
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
    return true;
}

std::vector<Rgba> PaletteOf(const ColorMapObject* map) {
    std::vector<Rgba> palette;
    if (!map || !map->Colors) return palette;
    for (int i = 0; i < map->ColorCount && i < 256; ++i)
        palette.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue, 255});
    return palette;
}

// Row order of an interlaced frame: every 8th row from 0, every 8th from 4,
// every 4th from 2, every 2nd from 1.
bool ReadFrame(GifFileType* gif, Image& image) {
    const int height = image.Height();
    auto readRow = [&](int y) { return DGifGetLine(gif, image.Row(y), image.Width()) == GIF_OK; };
    if (!gif->Image.Interlace) {
        for (int y = 0; y < height; ++y)
            if (!readRow(y)) return false;
        return true;
    }
    constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass])
            if (!readRow(y)) return false;
    return true;
}

Image ReadFirstFrame(GifFileType* gif) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (DGifGetRecordType(gif, &record) == GIF_OK) {
        if (record == EXTENSION_RECORD_TYPE && SkipExtension(gif)) continue;
        if (record != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif) != GIF_OK) return {};
        const GifImageDesc& desc = gif->Image;
        if (!PixelDataSize(desc.Width, desc.Height, 8)) return {};
        Image image = Image::Create(desc.Width, desc.Height, 8);
        if (!image.IsValid()) return {};
        image.SetPalette(PaletteOf(desc.ColorMap ? desc.ColorMap : gif->SColorMap));
        return ReadFrame(gif, image) ? image : Image{};
    }
    return {};
}

}  // namespace

Image DecodeGif(std::span<const std::uint8_t> bytes) {
    GifSource source{bytes};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadFromMemory, &error));
    if (!gif) return {};
    return ReadFirstFrame(gif.get());
}

}  // namespace dravolt::imaging
