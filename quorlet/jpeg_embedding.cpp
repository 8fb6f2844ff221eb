#include "quorlet/jpeg_embedding.h"

#include "quorlet/file_access.h"
#include "quorlet/pdf_error.h"

#include <memory>

namespace quorlet {

std::string JpegImageDictionary(const JpegInfo& info)
{
    static const char* const spaces[] = {"", "/DeviceGray", "", "/DeviceRGB", "/DeviceCMYK"};
    std::string dict = " /Type /XObject /Subtype /Image /Width " + std::to_string(info.width) +
                       " /Height " + std::to_string(info.height) + " /ColorSpace " +
                       spaces[info.components] + " /BitsPerComponent 8 /Filter /DCTDecode";
    // Adobe applications write CMYK JPEGs with inverted samples and say so
    // with their APP14 marker; the Decode array turns them back.
    if (info.components == 4 && info.adobeMarker) dict += " /Decode [1 0 1 0 1 0 1 0]";
    return dict;
}

EmbeddedImage EmbedJpeg(ObjectWriter& writer, std::FILE* file, const JpegInfo& info)
{
    const std::uint64_t size = FileSize(file);
    if (!SeekTo(file, 0)) throw PdfError("cannot read the JPEG file");
    const int object = writer.Reserve();
    writer.BeginStream(object, JpegImageDictionary(info), size);
    constexpr std::size_t chunk = 1 << 20;
    const std::unique_ptr<char[]> buffer(new char[chunk]);
    std::uint64_t left = size;
    while (left > 0) {
        const std::size_t want = left < chunk ? static_cast<std::size_t>(left) : chunk;
        const std::size_t got = std::fread(buffer.get(), 1, want, file);
        if (got == 0) throw PdfError("cannot read the JPEG file");
        writer.WriteStreamData(buffer.get(), got);
        left -= got;
    }
    writer.EndStream();
    return {object, info.width, info.height};
}

}  // namespace quorlet
