// Imports 200 A4 pages scanned at 300 dpi (JPEG files) the way the import
// worker does: copy into a working folder, convert as the options ask,
// append to a page list. Prints pages per second and the peak memory, once
// with the default options (automatic enhancement on) and once with no
// processing at all.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "document/page_list.h"
#include "imaging/encode.h"
#include "import/import_run.h"

namespace {

using namespace dravolt;
namespace fs = std::filesystem;

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

// An A4 page at 300 dpi with text-like structure, so the JPEG is realistic.
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

struct Rows : IPageRows {
    std::vector<std::wstring> keys;
    int selected = -1;
    int RowCount() const override { return static_cast<int>(keys.size()); }
    std::wstring RowKey(int row) const override { return keys[static_cast<std::size_t>(row)]; }
    int AppendRow(const std::wstring& key) override
    {
        keys.push_back(key);
        return RowCount() - 1;
    }
    int InsertRow(int row, const std::wstring& key) override
    {
        keys.insert(keys.begin() + row, key);
        return row;
    }
    bool DeleteRow(int row) override
    {
        keys.erase(keys.begin() + row);
        return true;
    }
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

// The working folder and page list of one run.
class Target : public IImportTarget {
public:
    Target(fs::path folder, CPageList& list) : folder_(std::move(folder)), list_(list) {}
    std::wstring MakePageFile(const std::wstring& source) override
    {
        const fs::path page = folder_ / fs::path(source).filename();
        std::error_code error;
        fs::remove(page, error);
        return fs::copy_file(source, page, error) ? page.wstring() : std::wstring();
    }
    bool AddPage(const std::wstring& pageFile) override { return list_.AddPage(pageFile) >= 0; }
    void DiscardPageFile(const std::wstring& pageFile) override { fs::remove(pageFile); }

private:
    fs::path folder_;
    CPageList& list_;
};

void Run(const char* label, const std::vector<std::wstring>& sources, const ImportOptions& options,
         const fs::path& work)
{
    fs::remove_all(work);
    fs::create_directories(work);
    Rows rows;
    Owner owner;
    CPageList list(rows, owner);
    Target target(work, list);
    const auto start = std::chrono::steady_clock::now();
    const ImportResult result = RunImport(sources, options, target, {});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %d pages in %6.2f s: %5.1f pages/s, peak %.1f MB\n", label, result.pagesAdded,
                seconds, result.pagesAdded / seconds, PeakMegabytes());
}

}  // namespace

int main()
{
    constexpr int kPages = 200;
    const fs::path root = fs::temp_directory_path() / "dravolt-import-bench";
    fs::remove_all(root);
    fs::create_directories(root / "scans");
    const std::vector<std::uint8_t> jpeg = A4Scan();
    std::vector<std::wstring> sources;
    for (int i = 0; i < kPages; ++i) {
        sources.push_back((root / "scans" / ("scan" + std::to_string(i) + ".jpg")).wstring());
        imaging::WriteFileBytes(sources.back(), jpeg);
    }
    std::printf("%d A4 300-dpi JPEGs of %.1f KB each\n", kPages, jpeg.size() / 1024.0);
    // Without processing first, so its peak is not hidden by the other run's.
    Run("no processing", sources, {kNoChange, false}, root / "work-plain");
    Run("default (auto-enhance on)", sources, {kNoChange, true}, root / "work-enhanced");
    fs::remove_all(root);
    return 0;
}
