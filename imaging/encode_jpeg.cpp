// JPEG encoding through libjpeg, with the file-writing entry points.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include <jpeglib.h>

#include "imaging/encode.h"

namespace dravolt::imaging {

namespace {

struct JpegErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
}
void OnJpegMessage(j_common_ptr, int) {}

// Changed after setjmp, so kept on the heap (see the JPEG decoder).
struct JpegWriteState {
    jpeg_compress_struct cinfo{};
    JpegErrors errors{};
    unsigned char* buffer = nullptr;  // malloc'ed by libjpeg's memory destination
    unsigned long size = 0;
    std::vector<std::uint8_t> row;
    bool grey = false;    // written as a one-component grey JPEG
    bool direct = false;  // rows need no conversion
    bool created = false;
    ~JpegWriteState() {
        if (created) jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }
};

bool HasGreyPalette(const Image& image) {
    for (const Rgba& c : image.Palette())
        if (c.r != c.g || c.g != c.b) return false;
    return image.HasPalette();
}

// One row in the input layout: grey levels, or B, G, R. Rows of 24-bit and
// grey-ramp images are passed as they are.
const std::uint8_t* PrepareRow(const Image& image, int y, const JpegWriteState& s, std::vector<std::uint8_t>& row) {
    if (s.direct) return image.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
        const Rgba c = image.ColorAt(x, y);
        if (s.grey) {
            row[static_cast<std::size_t>(x)] = c.r;
        } else {
            row[3 * static_cast<std::size_t>(x)] = c.b;
            row[3 * static_cast<std::size_t>(x) + 1] = c.g;
            row[3 * static_cast<std::size_t>(x) + 2] = c.r;
        }
    }
    return row.data();
}

void SetUp(jpeg_compress_struct& cinfo, const Image& image, bool grey) {
    cinfo.image_width = static_cast<JDIMENSION>(image.Width());
    cinfo.image_height = static_cast<JDIMENSION>(image.Height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, image.JpegQuality(), TRUE);
    cinfo.density_unit = 1;
    cinfo.X_density = static_cast<UINT16>(std::min(image.XDpi(), 65535));
    cinfo.Y_density = static_cast<UINT16>(std::min(image.YDpi(), 65535));
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Image& image) {
    // JPEG's own limit on each side is 65500 pixels.
    if (!image.IsValid() || image.Bpp() == 1 || image.Width() > 65500 || image.Height() > 65500) return std::nullopt;
    auto s = std::make_unique<JpegWriteState>();
    s->grey = HasGreyPalette(image);
    s->direct = image.Bpp() == 24 || image.IsGray();
    s->row.resize(static_cast<std::size_t>(image.Width()) * 3);
    s->cinfo.err = jpeg_std_error(&s->errors.pub);
    s->errors.pub.error_exit = OnJpegError;
    s->errors.pub.emit_message = OnJpegMessage;
    if (setjmp(s->errors.jump)) return std::nullopt;
    jpeg_create_compress(&s->cinfo);
    s->created = true;
    jpeg_mem_dest(&s->cinfo, &s->buffer, &s->size);
    SetUp(s->cinfo, image, s->grey);
    jpeg_start_compress(&s->cinfo, TRUE);
    for (int y = 0; y < image.Height(); ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(PrepareRow(image, y, *s, s->row));
        jpeg_write_scanlines(&s->cinfo, &row, 1);
    }
    jpeg_finish_compress(&s->cinfo);
    return std::vector<std::uint8_t>(s->buffer, s->buffer + s->size);
}

std::optional<std::vector<std::uint8_t>> Encode(const Image& image, EncodeFormat format) {
    return format == EncodeFormat::Jpeg ? EncodeJpeg(image) : EncodeTiff(image);
}

bool WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

bool EncodeToFile(const Image& image, EncodeFormat format, const std::filesystem::path& path) {
    const auto bytes = Encode(image, format);
    return bytes && WriteFileBytes(path, *bytes);
}

}  // namespace dravolt::imaging
