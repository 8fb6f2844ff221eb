// Adds 500 A4 pages scanned at 300 dpi (JPEG page files) to a page list and
// prints the time per page and the peak memory. Only the selected page may
// hold its full image, so the peak should stay near the thumbnails plus one
// or two full pages (the new page is decoded while the previous one is
// released), whatever the number of pages.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench/common/page_list_fakes.h"

namespace {

using namespace dravolt;

using bench::A4Scan;
using bench::Owner;
using bench::PeakMegabytes;
using bench::Rows;

}  // namespace

int main()
{
    constexpr int kPages = 500;
    const auto folder = std::filesystem::temp_directory_path() / "dravolt-add-pages-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::vector<std::uint8_t> jpeg = A4Scan();
    std::vector<std::wstring> paths;
    for (int i = 0; i < kPages; ++i) {
        paths.push_back((folder / ("page" + std::to_string(i))).wstring());
        imaging::WriteFileBytes(paths.back(), jpeg);
    }
    const double before = PeakMegabytes();
    std::printf("page file %.1f KB, peak before adding %.1f MB\n", jpeg.size() / 1024.0, before);

    Rows rows;
    Owner owner;
    {
        CPageList list(rows, owner);
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kPages; ++i) {
            if (list.AddPage(paths[static_cast<std::size_t>(i)]) != i)
                std::printf("page %d was not added\n", i);
            if ((i + 1) % 100 == 0)
                std::printf("%d pages: peak %.1f MB\n", i + 1, PeakMegabytes());
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double fullPage = 2480.0 * 3508 * 3 / 1048576.0;
        const double thumbnails = kPages * 130.0 * 95 * 3 / 1048576.0;
        std::printf("%d pages in %.2f s: %.1f ms per page\n", kPages, seconds, seconds * 1000 / kPages);
        std::printf("peak %.1f MB (+%.1f MB while adding); one full page %.1f MB, all thumbnails %.1f MB\n",
                    PeakMegabytes(), PeakMegabytes() - before, fullPage, thumbnails);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
