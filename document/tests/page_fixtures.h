// Generated page files in a fresh folder, and recording stand-ins for the
// page list's window side.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "document/page_owner.h"
#include "document/page_rows.h"
#include "imaging/image.h"

namespace dravolt::test {

class PageFolder {
public:
    PageFolder();
    ~PageFolder();
    const std::filesystem::path& Path() const { return folder_; }
    // Writes `image` as JPEG (or TIFF when `tiff`) under `name`; its path.
    std::wstring Write(const std::wstring& name, const imaging::Image& image, bool tiff = false);

private:
    std::filesystem::path folder_;
};

// A colour page with a little pattern, and a one-bit page.
imaging::Image ColourPage(int width, int height);
imaging::Image OneBitPage(int width, int height);
std::vector<std::uint8_t> FileBytes(const std::wstring& path);

struct RecordingOwner : IPageOwner {
    int redraws = 0, viewerInvalidations = 0, viewerRedraws = 0, changes = 0;
    std::vector<std::wstring> failures;
    void RedrawPage(const CPageItem&) override { ++redraws; }
    void InvalidateViewer() override { ++viewerInvalidations; }
    void RedrawViewerNow() override { ++viewerRedraws; }
    void PageListChanged() override { ++changes; }
    void ReportWriteBackFailure(const std::wstring& path) override { failures.push_back(path); }
};

struct VectorRows : IPageRows {
    std::vector<std::wstring> keys;
    int selected = -1;
    int notifications = 0;
    bool refuse = false;
    int RowCount() const override { return static_cast<int>(keys.size()); }
    std::wstring RowKey(int row) const override { return keys.at(static_cast<std::size_t>(row)); }
    int AppendRow(const std::wstring& key) override;
    int InsertRow(int row, const std::wstring& key) override;
    bool DeleteRow(int row) override;
    void ClearRows() override { keys.clear(); selected = -1; }
    int SelectedRow() const override { return selected; }
    void SetSelectedRow(int row) override { selected = row; }
    void InvalidateRow(int) override {}
    void NotifySelectionChange() override { ++notifications; }
    imaging::Size ThumbnailSize() const override { return {90, 95}; }
};

}  // namespace dravolt::test
