#include "quorlet/image_embedding.h"

#include "quorlet/ccitt_embedding.h"
#include "quorlet/decoded_embedding.h"
#include "quorlet/file_access.h"
#include "quorlet/image_format.h"
#include "quorlet/jpeg_embedding.h"
#include "quorlet/pdf_error.h"

namespace quorlet {
namespace {

ImageFormat FormatOf(std::FILE* file)
{
    char head[16] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    return DetectImageFormat(std::string_view(head, got));
}

EmbeddedImage EmbedTiff(ObjectWriter& writer, std::FILE* file, const std::filesystem::path& path)
{
    // libtiff reads its header from wherever the stream stands.
    if (!SeekTo(file, 0)) throw PdfError("cannot read the TIFF file");
    TiffSource source{file, nullptr, 0, {}};
    TiffPtr tiff = OpenTiff(source, "r");
    if (IsBilevel(tiff.get())) return EmbedBilevelTiff(writer, tiff.get());
    tiff.reset();
    return EmbedDecoded(writer, path);
}

}  // namespace

EmbeddedImage EmbedImageFile(ObjectWriter& writer, const std::filesystem::path& path)
{
    const FilePtr file = OpenFile(path, "rb");
    if (!file) throw PdfError("cannot open the image file");
    switch (FormatOf(file.get())) {
    case ImageFormat::Jpeg: {
        const JpegInfo info = ReadJpegInfo(file.get());
        if (CanPassThrough(info)) return EmbedJpeg(writer, file.get(), info);
        return EmbedDecoded(writer, path);
    }
    case ImageFormat::Tiff:
        return EmbedTiff(writer, file.get(), path);
    case ImageFormat::Png:
    case ImageFormat::Bmp:
    case ImageFormat::Gif:
        return EmbedDecoded(writer, path);
    case ImageFormat::Unknown:
        break;
    }
    throw PdfError("the file is not an image the writer knows");
}

}  // namespace quorlet
