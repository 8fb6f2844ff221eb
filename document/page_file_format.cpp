#include "document/page_file_format.h"

#include "imaging/encode.h"

namespace dravolt {

namespace {
constexpr int kPageJpegQuality = 80;
constexpr int kTiffNoCompression = 1;
}  // namespace

PageFileFormat ChooseWriteBackFormat(std::wstring_view path, int bitsPerPixel)
{
    if (path.find(L".tif") != std::wstring_view::npos || bitsPerPixel == 1)
        return PageFileFormat::UncompressedTiff;
    return PageFileFormat::Jpeg80;
}

bool WritePageFile(const imaging::Image& image, int xDpi, int yDpi,
                   const std::filesystem::path& path)
{
    if (!image.IsValid())
        return false;
    imaging::Image out = image;
    out.SetResolution(xDpi, yDpi);
    if (ChooseWriteBackFormat(path.wstring(), out.Bpp()) == PageFileFormat::UncompressedTiff) {
        out.SetTiffCompression(kTiffNoCompression);
        return imaging::EncodeToFile(out, imaging::EncodeFormat::Tiff, path);
    }
    out.SetJpegQuality(kPageJpegQuality);
    return imaging::EncodeToFile(out, imaging::EncodeFormat::Jpeg, path);
}

}  // namespace dravolt
