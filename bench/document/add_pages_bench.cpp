// Adds 500 A4 pages scanned at 300 dpi (JPEG page files) to a page list and
// prints the time per page and the peak memory. Only the selected page may
// hold its full image, so the peak should stay near the thumbnails plus one
// or two full pages (the new page is decoded while the previous one is
// released), whatever the number of pages.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "document/page_list.h"
#include "imaging/encode.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

using namespace dravolt;

double PeakMegabytes()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PeakWorkingSetSize / 1048576.0;
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
#endif
}

struct Rows : IPageRows {
    std::vector<std::wstring> keys;
    int selected = -1;
    int RowCount() const override { return static_cast<int>(keys.size()); }
    std::wstring RowKey(int row) const override { return keys[static_cast<std::size_t>(row)]; }
    int AppendRow(const std::wstring& key) override { keys.push_back(key); return RowCount() - 1; }
    int InsertRow(int row, const std::wstring& key) override { keys.insert(keys.begin() + row, key); return row; }
    bool DeleteRow(int row) override { keys.erase(keys.begin() + row); return true; }
    void ClearRows() override { keys.clear(); }
    int SelectedRow() const override { return selected; }
    void SetSelectedRow(int row) override { selected = row; }
    void InvalidateRow(int) override {}
    void NotifySelectionChange() override {}
    imaging::Size ThumbnailSize() const override { return {130, 95}; }
};

struct Owner : IPageOwner {
    void RedrawPage(const CPageItem&) override {}
    void InvalidateViewer() override {}
    void RedrawViewerNow() override {}
    void PageListChanged() override {}
    void ReportWriteBackFailure(const std::wstring&) override {}
};

// An A4 page at 300 dpi with some structure, so the JPEG is not trivial.
std::vector<std::uint8_t> A4Scan()
{
    imaging::Image page = imaging::Image::Create(2480, 3508, 24);
    for (int y = 0; y < page.Height(); ++y) {
        std::uint8_t* row = page.Row(y);
        for (int x = 0; x < page.Width() * 3; ++x)
            row[x] = static_cast<std::uint8_t>(((x / 3) ^ y) % 7 == 0 ? 40 : 235);
    }
    page.SetResolution(300, 300);
    return imaging::EncodeJpeg(page).value_or(std::vector<std::uint8_t>{});
}

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
