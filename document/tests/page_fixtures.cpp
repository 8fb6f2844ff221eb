#include "document/tests/page_fixtures.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

#include "imaging/encode.h"

namespace dravolt::test {

PageFolder::PageFolder()
{
    // Each test case runs in its own process and ctest runs several at once;
    // addresses and counters repeat between processes, so a random token
    // keeps one case from removing another's folder.
    static std::atomic<int> counter{0};
    static const unsigned token = std::random_device{}();
    folder_ = std::filesystem::temp_directory_path() /
              ("dravolt-pages-" + std::to_string(token) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder_);
}

PageFolder::~PageFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::wstring PageFolder::Write(const std::wstring& name, const imaging::Image& image, bool tiff)
{
    const std::filesystem::path path = folder_ / name;
    std::filesystem::create_directories(path.parent_path());
    imaging::EncodeToFile(image, tiff ? imaging::EncodeFormat::Tiff : imaging::EncodeFormat::Jpeg,
                          path);
    return path.wstring();
}

imaging::Image ColourPage(int width, int height)
{
    imaging::Image image = imaging::Image::Create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetRaw(x, y, imaging::PackBgra({static_cast<std::uint8_t>(x * 7),
                                                  static_cast<std::uint8_t>(y * 5), 200, 255}));
    image.SetResolution(300, 300);
    return image;
}

imaging::Image OneBitPage(int width, int height)
{
    imaging::Image image = imaging::Image::Create(width, height, 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetRaw(x, y, (x / 4 + y / 4) % 2);
    image.SetResolution(200, 200);
    return image;
}

std::vector<std::uint8_t> FileBytes(const std::wstring& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int VectorRows::AppendRow(const std::wstring& key)
{
    if (refuse)
        return -1;
    keys.push_back(key);
    return RowCount() - 1;
}

int VectorRows::InsertRow(int row, const std::wstring& key)
{
    keys.insert(keys.begin() + row, key);
    return row;
}

bool VectorRows::DeleteRow(int row)
{
    if (row < 0 || row >= RowCount())
        return false;
    keys.erase(keys.begin() + row);
    if (selected >= RowCount())
        selected = -1;
    return true;
}

}  // namespace dravolt::test
