// What the page-list benchmarks share: a page list without windows (rows
// and owner that only remember what they are told), a realistic A4 scan,
// and the process's peak memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/page_list.h"
#include "imaging/encode.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace dravolt::bench {

inline double PeakMegabytes()
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

// An A4 page at 300 dpi with text-like structure, so the JPEG is not trivial.
inline std::vector<std::uint8_t> A4Scan()
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

}  // namespace dravolt::bench
