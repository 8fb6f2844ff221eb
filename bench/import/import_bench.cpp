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

#include "bench/common/page_list_fakes.h"
#include "import/import_run.h"

namespace {

using namespace dravolt;
namespace fs = std::filesystem;

using bench::A4Scan;
using bench::Owner;
using bench::PeakMegabytes;
using bench::Rows;

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
