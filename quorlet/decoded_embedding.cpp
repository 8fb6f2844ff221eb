// Decoded images as PDF images: gray and RGB with 8 bits per component,
// palettes as Indexed, one-bit black and white as Group 4, and alpha kept as
// a soft mask so transparent areas show the page (white) behind them.
#include "quorlet/decoded_embedding.h"

#include "quorlet/ccitt_embedding.h"
#include "quorlet/flate_stream.h"
#include "quorlet/pdf_error.h"
#include "quorlet/pdf_syntax.h"

#include "imaging/decode.h"

#include <string>
#include <vector>

namespace quorlet {
namespace {

using dravolt::imaging::Image;
using dravolt::imaging::Rgba;

std::string ImageHead(const Image& image)
{
    return " /Type /XObject /Subtype /Image /Width " + std::to_string(image.Width()) +
           " /Height " + std::to_string(image.Height());
}

bool HasAlpha(const Image& image)
{
    if (image.Bpp() == 32) {
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                if (image.Row(y)[4 * x + 3] != 255) return true;
        return false;
    }
    for (const Rgba& entry : image.Palette())
        if (entry.a != 255) return true;
    return false;
}

// Black-and-white one-bit images: the palette's darker entry is black.
std::optional<BilevelImage> AsBilevel(const Image& image)
{
    const auto& palette = image.Palette();
    if (image.Bpp() != 1 || palette.size() < 2) return std::nullopt;
    for (const Rgba& entry : palette)
        if (entry.r != entry.g || entry.g != entry.b || (entry.r != 0 && entry.r != 255))
            return std::nullopt;
    if (palette[0].r == palette[1].r) return std::nullopt;
    const bool invert = palette[0].r == 0;  // index 0 black: flip so 0 = white
    BilevelImage out{image.Width(), image.Height(), {}};
    const std::size_t stride = (static_cast<std::size_t>(image.Width()) + 7) / 8;
    for (int y = 0; y < image.Height(); ++y)
        for (std::size_t i = 0; i < stride; ++i)
            out.rows.push_back(static_cast<unsigned char>(invert ? ~image.Row(y)[i] : image.Row(y)[i]));
    return out;
}

std::string IndexedSpace(const Image& image)
{
    std::string table;
    for (const Rgba& c : image.Palette()) table += {char(c.r), char(c.g), char(c.b)};
    return "[/Indexed /DeviceRGB " + std::to_string(image.Palette().size() - 1) + " " +
           PdfHexString(table) + "]";
}

// Rows as the PDF wants them: byte-aligned, RGB order, no alpha.
void WriteColourRows(FlateStream& stream, const Image& image)
{
    const int w = image.Width();
    std::vector<unsigned char> row;
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t* in = image.Row(y);
        if (image.Bpp() <= 8) {
            stream.Write(in, (static_cast<std::size_t>(w) * image.Bpp() + 7) / 8);
            continue;
        }
        const int step = image.Bpp() / 8;
        row.resize(static_cast<std::size_t>(w) * 3);
        for (int x = 0; x < w; ++x) {
            row[3 * x] = in[step * x + 2];
            row[3 * x + 1] = in[step * x + 1];
            row[3 * x + 2] = in[step * x];
        }
        stream.Write(row.data(), row.size());
    }
}

void WriteSoftMask(ObjectWriter& writer, int object, const Image& image)
{
    FlateStream stream(writer, object, ImageHead(image) + " /ColorSpace /DeviceGray /BitsPerComponent 8");
    std::vector<unsigned char> row(static_cast<std::size_t>(image.Width()));
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) row[x] = image.ColorAt(x, y).a;
        stream.Write(row.data(), row.size());
    }
    stream.Finish();
}

}  // namespace

EmbeddedImage EmbedDecoded(ObjectWriter& writer, const std::filesystem::path& path)
{
    const Image image = dravolt::imaging::DecodeFile(path);
    if (!image.IsValid()) throw PdfError("the image file is damaged or cannot be decoded");
    const bool alpha = HasAlpha(image);
    if (!alpha)
        if (auto bilevel = AsBilevel(image)) return EmbedGroup4(writer, *bilevel);

    std::string dict = ImageHead(image);
    if (image.IsGray()) dict += " /ColorSpace /DeviceGray /BitsPerComponent 8";
    else if (image.HasPalette()) dict += " /ColorSpace " + IndexedSpace(image) + " /BitsPerComponent " + std::to_string(image.Bpp());
    else dict += " /ColorSpace /DeviceRGB /BitsPerComponent 8";
    const int mask = alpha ? writer.Reserve() : 0;
    if (mask) dict += " /SMask " + std::to_string(mask) + " 0 R";

    const int object = writer.Reserve();
    FlateStream stream(writer, object, dict);
    WriteColourRows(stream, image);
    stream.Finish();
    if (mask) WriteSoftMask(writer, mask, image);
    return {object, image.Width(), image.Height()};
}

}  // namespace quorlet
