#include "import/tests/import_fixtures.h"

#include <tiffio.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "imaging/decode.h"
#include "imaging/encode.h"

namespace dravolt::test {

imaging::Image ColourImage(int width, int height)
{
    imaging::Image image = imaging::Image::Create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetRaw(x, y, imaging::PackBgra({static_cast<std::uint8_t>(60 + x % 120),
                                                  static_cast<std::uint8_t>(50 + y % 100), 90, 255}));
    return image;
}

imaging::Image GreyImage(int width, int height)
{
    imaging::Image image = imaging::Image::Create(width, height, 8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetRaw(x, y, 70 + (x + y) % 100);
    return image;
}

imaging::Image OneBitImage(int width, int height)
{
    imaging::Image image = imaging::Image::Create(width, height, 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetRaw(x, y, ((x / 8) + (y / 8)) % 2);
    return image;
}

void WriteJpeg(const fs::path& path, const imaging::Image& image)
{
    if (!imaging::EncodeToFile(image, imaging::EncodeFormat::Jpeg, path))
        std::abort();
}

void WriteTiff(const fs::path& path, const imaging::Image& image)
{
    if (!imaging::EncodeToFile(image, imaging::EncodeFormat::Tiff, path))
        std::abort();
}

std::vector<std::uint8_t> Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

fs::path FreshFolder(const std::string& name)
{
    const fs::path folder = fs::temp_directory_path() / ("dravolt-import-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

namespace {

int TiffCompression(const fs::path& path)
{
    TIFF* tiff = TIFFOpen(path.string().c_str(), "r");
    if (!tiff)
        return -1;
    uint16_t compression = 0;
    TIFFGetField(tiff, TIFFTAG_COMPRESSION, &compression);
    TIFFClose(tiff);
    return compression;
}

// The first quantiser of the first DQT table (8-bit precision).
int FirstQuantiser(const std::vector<std::uint8_t>& jpeg)
{
    for (std::size_t i = 2; i + 5 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDB)
            return jpeg[i + 5];
    return -1;
}

bool AllGrey(const imaging::Image& image)
{
    for (int y = 0; y < image.Height(); y += 3)
        for (int x = 0; x < image.Width(); x += 3) {
            const auto c = image.ColorAt(x, y);
            if (std::abs(c.r - c.g) > 2 || std::abs(c.g - c.b) > 2)
                return false;
        }
    return true;
}

}  // namespace

PageFileFacts ReadFacts(const fs::path& path)
{
    const auto bytes = Bytes(path);
    PageFileFacts facts;
    const auto format = imaging::DetectFormat(bytes);
    facts.format = format == imaging::ImageFormat::Jpeg   ? "jpeg"
                   : format == imaging::ImageFormat::Tiff ? "tiff"
                                                          : "other";
    const imaging::Image image = imaging::Decode(bytes);
    facts.bpp = image.Bpp();
    facts.greyPixels = image.IsValid() && AllGrey(image);
    if (format == imaging::ImageFormat::Tiff)
        facts.tiffCompression = TiffCompression(path);
    if (format == imaging::ImageFormat::Jpeg)
        facts.jpegLuminanceDc = FirstQuantiser(bytes);
    return facts;
}

std::wstring CopyingTarget::MakePageFile(const std::wstring& source)
{
    const fs::path target = folder_ / fs::path(source).filename();
    std::error_code error;
    // Remove first: the mingw standard library takes any two existing files
    // for the same file (no inode numbers there) and refuses to overwrite.
    fs::remove(target, error);
    if (!fs::copy_file(fs::path(source), target, error))
        return {};
    return target.wstring();
}

bool CopyingTarget::AddPage(const std::wstring& pageFile)
{
    if (!imaging::DecodeFile(fs::path(pageFile)).IsValid())
        return false;
    pages.push_back(pageFile);
    return true;
}

void CopyingTarget::DiscardPageFile(const std::wstring& pageFile)
{
    discarded.push_back(pageFile);
    fs::remove(fs::path(pageFile));
}

}  // namespace dravolt::test
