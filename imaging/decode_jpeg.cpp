// JPEG decoding through libjpeg: baseline, progressive, grayscale and CMYK
// (including Adobe's inverted CMYK), optionally at a reduced DCT scale.
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/decode.h"
#include "imaging/resolution.h"

namespace dravolt::imaging {

namespace {

struct JpegErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool truncated = false;
};

// libjpeg must not print or exit: errors jump back to the decoder.
[[noreturn]] void OnJpegError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
}

// Warnings are tolerated (many cameras write stray bytes), except a premature
// end of data: libjpeg would pad the rest of the page with grey.
void OnJpegMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<JpegErrors*>(cinfo->err)->truncated = true;
}

// Everything the decoder changes after setjmp lives here, on the heap, so a
// longjmp cannot leave it half-updated in registers.
struct JpegState {
    jpeg_decompress_struct cinfo{};
    JpegErrors errors{};
    Image image;
    std::vector<std::uint8_t> cmykRow;
    bool created = false;
    ~JpegState() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

void CmykRowToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        // Adobe writes the inks inverted (255 = no ink).
        const int c = inverted ? cmyk[0] : 255 - cmyk[0];
        const int m = inverted ? cmyk[1] : 255 - cmyk[1];
        const int y = inverted ? cmyk[2] : 255 - cmyk[2];
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        bgr[0] = static_cast<std::uint8_t>(y * k / 255);
        bgr[1] = static_cast<std::uint8_t>(m * k / 255);
        bgr[2] = static_cast<std::uint8_t>(c * k / 255);
    }
}

void ChooseOutput(jpeg_decompress_struct& cinfo, int scaleEighths) {
    if (cinfo.jpeg_color_space == JCS_GRAYSCALE)
        cinfo.out_color_space = JCS_GRAYSCALE;
    else if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK)
        cinfo.out_color_space = JCS_CMYK;
    else
        cinfo.out_color_space = JCS_EXT_BGR;
    cinfo.scale_num = static_cast<unsigned>(scaleEighths);
    cinfo.scale_denom = 8;
}

bool ReadRows(JpegState& s) {
    jpeg_decompress_struct& cinfo = s.cinfo;
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    if (cmyk) s.cmykRow.resize(static_cast<std::size_t>(cinfo.output_width) * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        std::uint8_t* target = s.image.Row(static_cast<int>(cinfo.output_scanline));
        JSAMPROW row = cmyk ? s.cmykRow.data() : target;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) return false;
        if (cmyk) CmykRowToBgr(s.cmykRow.data(), target, s.image.Width(), cinfo.saw_Adobe_marker);
        if (s.errors.truncated) return false;
    }
    return true;
}

}  // namespace

Image DecodeJpeg(std::span<const std::uint8_t> bytes, int scaleEighths) {
    return DecodeJpegScaled(bytes, [scaleEighths](int, int) { return scaleEighths; });
}

Image DecodeJpegScaled(std::span<const std::uint8_t> bytes, const std::function<int(int, int)>& chooseScale) {
    if (bytes.empty()) return {};
    auto s = std::make_unique<JpegState>();
    s->cinfo.err = jpeg_std_error(&s->errors.pub);
    s->errors.pub.error_exit = OnJpegError;
    s->errors.pub.emit_message = OnJpegMessage;
    if (setjmp(s->errors.jump)) return {};
    jpeg_create_decompress(&s->cinfo);
    s->created = true;
    jpeg_mem_src(&s->cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&s->cinfo, TRUE) != JPEG_HEADER_OK) return {};
    const int bpp = s->cinfo.jpeg_color_space == JCS_GRAYSCALE ? 8 : 24;
    // The guard applies to the full raster, whatever the scale: libjpeg
    // itself allocates by the full size for progressive files.
    if (!PixelDataSize(s->cinfo.image_width, s->cinfo.image_height, bpp)) return {};
    const int scaleEighths =
        chooseScale(static_cast<int>(s->cinfo.image_width), static_cast<int>(s->cinfo.image_height));
    if (scaleEighths < 1 || scaleEighths > 8) return {};
    ChooseOutput(s->cinfo, scaleEighths);
    jpeg_calc_output_dimensions(&s->cinfo);
    s->image = Image::Create(s->cinfo.output_width, s->cinfo.output_height, bpp);
    if (!s->image.IsValid()) return {};
    jpeg_start_decompress(&s->cinfo);
    if (!ReadRows(*s)) return {};
    jpeg_finish_decompress(&s->cinfo);
    if (s->errors.truncated) return {};
    const auto dpi = DpiFromDensity(s->cinfo.density_unit, s->cinfo.X_density, s->cinfo.Y_density);
    if (dpi) s->image.SetResolution(dpi->x, dpi->y);
    return std::move(s->image);
}

}  // namespace dravolt::imaging
