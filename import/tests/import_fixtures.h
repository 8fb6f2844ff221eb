// Source images made in code, a working-folder stand-in that copies them,
// and readers for what the import wrote (format, depth, TIFF compression,
// JPEG quality), for the import tests.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "imaging/image.h"
#include "import/import_run.h"

namespace dravolt::test {

namespace fs = std::filesystem;

imaging::Image ColourImage(int width, int height);  // a 24-bit gradient
imaging::Image GreyImage(int width, int height);    // 8-bit, mid-range levels
imaging::Image OneBitImage(int width, int height);  // a checker
void WriteJpeg(const fs::path& path, const imaging::Image& image);
void WriteTiff(const fs::path& path, const imaging::Image& image);

std::vector<std::uint8_t> Bytes(const fs::path& path);
fs::path FreshFolder(const std::string& name);

// What a written page file holds.
struct PageFileFacts {
    std::string format;  // "jpeg", "tiff" or "other"
    int bpp = 0;
    int tiffCompression = 0;
    int jpegLuminanceDc = 0;  // first luminance quantiser: 6 at quality 80
    bool greyPixels = false;
};
PageFileFacts ReadFacts(const fs::path& path);

// Copies sources into its folder under their names; a page is added for
// every file the image library can decode.
class CopyingTarget : public IImportTarget {
public:
    explicit CopyingTarget(fs::path folder) : folder_(std::move(folder)) {}
    std::wstring MakePageFile(const std::wstring& source) override;
    bool AddPage(const std::wstring& pageFile) override;
    void DiscardPageFile(const std::wstring& pageFile) override;

    std::vector<std::wstring> pages;
    std::vector<std::wstring> discarded;

private:
    fs::path folder_;
};

}  // namespace dravolt::test
