// Content sniffing and the decoder entry points.
#include "imaging/decode.h"

#include <algorithm>
#include <fstream>

namespace dravolt::imaging {

namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

}  // namespace

ImageFormat DetectFormat(std::span<const std::uint8_t> bytes) {
    if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) return ImageFormat::Jpeg;
    if (StartsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return ImageFormat::Png;
    // Classic TIFF and BigTIFF, both byte orders.
    if (StartsWith(bytes, {'I', 'I', 42, 0}) || StartsWith(bytes, {'M', 'M', 0, 42}) ||
        StartsWith(bytes, {'I', 'I', 43, 0}) || StartsWith(bytes, {'M', 'M', 0, 43}))
        return ImageFormat::Tiff;
    if (StartsWith(bytes, {'G', 'I', 'F', '8'})) return ImageFormat::Gif;
    if (StartsWith(bytes, {'B', 'M'})) return ImageFormat::Bmp;
    return ImageFormat::Unknown;
}

ImageFormat DetectFileFormat(const std::filesystem::path& path) {
    std::uint8_t head[8] = {};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(head), sizeof head);
    return DetectFormat(std::span<const std::uint8_t>(head, static_cast<std::size_t>(in.gcount())));
}

Image Decode(std::span<const std::uint8_t> bytes) {
    switch (DetectFormat(bytes)) {
        case ImageFormat::Jpeg: return DecodeJpeg(bytes);
        case ImageFormat::Png: return DecodePng(bytes);
        case ImageFormat::Tiff: return DecodeTiff(bytes);
        case ImageFormat::Bmp: return DecodeBmp(bytes);
        case ImageFormat::Gif: return DecodeGif(bytes);
        case ImageFormat::Unknown: break;
    }
    return {};
}

bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    // A folder opens as a stream on Linux and reports a size near the
    // largest offset, which would be allocated here.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    return size == 0 || static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

Image DecodeFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) return {};
    return Decode(bytes);
}

}  // namespace dravolt::imaging
