// The document's page list window: the thumbnail list whose rows are the
// page keys, with the page rules of CPageList behind it. Captions read
// "Page N"; Delete removes the selected page and its file; files dropped
// from the shell go to the parent (kFilesDroppedMessage) to be imported.
#pragma once

#include "document/image_list_box_win.h"
#include "document/page_list.h"

namespace dravolt {

class CPageListBox final : public CImageListBox, public IPageRows, public IPageOwner {
public:
    CPageListBox();
    ~CPageListBox() override;

    CPageList& Pages() { return pages_; }
    int AddPage(const std::wstring& path) { return pages_.AddPage(path); }
    int DeletePage(int row) { return pages_.DeletePage(row); }
    int SelectPage(int row) { return pages_.SelectPage(row); }
    void RemoveAllPages(bool deleteFiles) { pages_.RemoveAllPages(deleteFiles); }
    CPageItem* GetSelectedPage() const { return pages_.GetSelectedPage(); }

    // The page viewer the pages repaint; none until the main window has one.
    void SetViewerWindow(HWND viewer) { viewer_ = viewer; }
    // The window told of page-list changes; the application's main window
    // unless set.
    void SetChangeTarget(HWND window) { changeTarget_ = window; }

    void MoveItem(int from, int to) override { pages_.MoveItem(from, to); }
    int SelectItem(int row) override { return pages_.SelectPage(row); }

    // IPageRows
    int RowCount() const override { return CImageListBox::RowCount(); }
    std::wstring RowKey(int row) const override { return RowText(row); }
    int AppendRow(const std::wstring& key) override;
    int InsertRow(int row, const std::wstring& key) override;
    bool DeleteRow(int row) override;
    void ClearRows() override;
    int SelectedRow() const override { return CImageListBox::SelectedRow(); }
    void SetSelectedRow(int row) override;
    void InvalidateRow(int row) override;
    void NotifySelectionChange() override;
    imaging::Size ThumbnailSize() const override;

    // IPageOwner
    void RedrawPage(const CPageItem& page) override;
    void InvalidateViewer() override;
    void RedrawViewerNow() override;
    void PageListChanged() override;
    void ReportWriteBackFailure(const std::wstring& path) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    const imaging::Image* RowThumbnail(int row) const override;
    void OnRowWithoutItem() override;
    void DrawItemCaption(HDC dc, const RowState& state, const RECT& caption) override;
    bool AcceptsForeign(IDataObject* data) const override;
    DWORD OnForeignDrop(IDataObject* data) override;

private:
    CPageList pages_{*this, *this};
    HWND viewer_ = nullptr;        // not owned
    HWND changeTarget_ = nullptr;  // not owned
    bool cleanUpPosted_ = false;
};

// The text of the write-back failure prompt.
std::wstring WriteBackFailureText(const std::wstring& path);

}  // namespace dravolt
