// Colour mode, enhancement and encoding of imported page files.
#include "import/import_conversion.h"

#include <system_error>

#include "imaging/color_ops.h"
#include "imaging/decode.h"
#include "imaging/threshold.h"

namespace dravolt {

namespace {

constexpr int kImportJpegQuality = 80;
constexpr int kTiffCcittRunLength = 2;

// Box 64, bias 0, half global and half local: the import's line-art setting.
const imaging::AdaptiveThresholdOptions kLineArt{64, 0, 0.5};

}  // namespace

ImportOptions& TheImportOptions()
{
    static ImportOptions options;
    return options;
}

bool ProcessImportedImage(imaging::Image& image, const ImportOptions& options)
{
    switch (options.colourMode) {
    case kNoChange:
        // A one-bit image has nothing to stretch.
        if (options.autoEnhance && image.Bpp() != 1)
            return imaging::HistogramStretch(image);
        return true;
    case kGrayscale:
        if (!imaging::Grayscale(image))
            return false;
        return !options.autoEnhance || imaging::HistogramStretch(image);
    case kBlackAndWhite:
        return imaging::AdaptiveThreshold(image, kLineArt);
    default:
        return true;
    }
}

imaging::EncodeFormat PrepareImportEncoding(imaging::Image& image, const ImportOptions& options)
{
    if (options.colourMode == kBlackAndWhite || image.Bpp() == 1) {
        image.SetTiffCompression(kTiffCcittRunLength);
        return imaging::EncodeFormat::Tiff;
    }
    if (image.Bpp() < 24)
        imaging::IncreaseBpp24(image);
    image.SetJpegQuality(kImportJpegQuality);
    return imaging::EncodeFormat::Jpeg;
}

PageFileConversion ConvertPageFile(const std::filesystem::path& pageFile, const ImportOptions& options)
{
    if (!NeedsProcessing(options))
        return PageFileConversion::Unchanged;
    imaging::Image image = imaging::DecodeFile(pageFile);
    if (!image.IsValid())
        return PageFileConversion::NotDecoded;
    if (!ProcessImportedImage(image, options))
        return PageFileConversion::Failed;
    const imaging::EncodeFormat format = PrepareImportEncoding(image, options);
    const auto bytes = imaging::Encode(image, format);
    if (!bytes)
        return PageFileConversion::Failed;
    std::filesystem::path staging = pageFile;
    staging += L".new";
    std::error_code error;
    if (!imaging::WriteFileBytes(staging, *bytes)) {
        std::filesystem::remove(staging, error);
        return PageFileConversion::Failed;
    }
    std::filesystem::rename(staging, pageFile, error);
    if (error) {
        std::filesystem::remove(staging, error);
        return PageFileConversion::Failed;
    }
    return PageFileConversion::Rewritten;
}

}  // namespace dravolt
