// PNG decoding through libpng: every colour type and depth, interlaced or
// not. Grey without transparency gives 8-bit grey, a palette without
// transparency an 8-bit palette image, RGB 24 bits; anything carrying
// transparency is kept as 32-bit with its alpha.
#include <algorithm>
#include <csetjmp>
#include <memory>
#include <vector>

#include <png.h>

#include "imaging/decode.h"
#include "imaging/resolution.h"

namespace dravolt::imaging {

namespace {

struct PngSource {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (length > source->bytes.size() - source->offset) png_error(png, "truncated");
    std::copy_n(source->bytes.data() + source->offset, length, out);
    source->offset += length;
}

[[noreturn]] void OnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnPngWarning(png_structp, png_const_charp) {}

// State changed after setjmp lives on the heap (see the JPEG decoder).
struct PngState {
    PngSource source;
    png_structp png = nullptr;
    png_infop info = nullptr;
    Image image;
    std::vector<png_bytep> rows;
    ~PngState() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// Sets libpng's transformations and returns the depth of the result.
int ChooseTransforms(png_structp png, png_infop info) {
    const int colorType = png_get_color_type(png, info);
    const bool transparent = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    png_set_strip_16(png);
    png_set_interlace_handling(png);
    if (!transparent && colorType == PNG_COLOR_TYPE_GRAY) {
        png_set_expand_gray_1_2_4_to_8(png);
        return 8;
    }
    if (!transparent && colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_packing(png);
        return 8;
    }
    png_set_expand(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    if (!transparent) return 24;
    png_set_tRNS_to_alpha(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    return 32;
}

std::vector<Rgba> ReadPalette(png_structp png, png_infop info) {
    png_colorp entries = nullptr;
    int count = 0;
    std::vector<Rgba> palette;
    if (png_get_PLTE(png, info, &entries, &count) == PNG_INFO_PLTE)
        for (int i = 0; i < count; ++i) palette.push_back({entries[i].red, entries[i].green, entries[i].blue, 255});
    return palette;
}

void ReadResolution(png_structp png, png_infop info, Image& image) {
    png_uint_32 x = 0, y = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &x, &y, &unit) && unit == PNG_RESOLUTION_METER)
        if (const auto dpi = DpiFromPerMetre(x, y)) image.SetResolution(dpi->x, dpi->y);
}

}  // namespace

Image DecodePng(std::span<const std::uint8_t> bytes) {
    auto s = std::make_unique<PngState>();
    s->source.bytes = bytes;
    s->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    if (!s->png) return {};
    s->info = png_create_info_struct(s->png);
    if (!s->info) return {};
    if (setjmp(png_jmpbuf(s->png))) return {};
    png_set_read_fn(s->png, &s->source, ReadFromMemory);
    png_read_info(s->png, s->info);
    const auto width = png_get_image_width(s->png, s->info);
    const auto height = png_get_image_height(s->png, s->info);
    const int bpp = ChooseTransforms(s->png, s->info);
    // Refused from the header, before any row is allocated.
    if (!PixelDataSize(width, height, bpp)) return {};
    png_read_update_info(s->png, s->info);
    s->image = Image::Create(width, height, bpp);
    if (!s->image.IsValid() || png_get_rowbytes(s->png, s->info) > s->image.Stride()) return {};
    if (bpp == 8 && png_get_color_type(s->png, s->info) == PNG_COLOR_TYPE_PALETTE)
        s->image.SetPalette(ReadPalette(s->png, s->info));
    for (int y = 0; y < s->image.Height(); ++y) s->rows.push_back(s->image.Row(y));
    png_read_image(s->png, s->rows.data());
    png_read_end(s->png, nullptr);
    ReadResolution(s->png, s->info, s->image);
    return std::move(s->image);
}

}  // namespace dravolt::imaging
