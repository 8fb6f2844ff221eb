#include "document/page_list.h"

namespace dravolt {

int NeighbourAfterDelete(int deleted, int newCount)
{
    return deleted > 0 && deleted <= newCount ? deleted - 1 : deleted;
}

int CPageList::AddPage(const std::wstring& path)
{
    if (path.empty() || pages_.Contains(path))
        return -1;
    std::unique_ptr<CPageItem> page = CPageItem::Create(rows_.ThumbnailSize(), &owner_, path);
    if (!page)
        return -1;
    pages_.Add(path, std::move(page));
    const int row = rows_.AppendRow(path);
    if (row < 0) {
        pages_.Take(path);
        return -1;
    }
    SelectPage(row);
    rows_.InvalidateRow(row);
    return row;
}

int CPageList::DeletePage(int row)
{
    if (IsRow(row)) {
        const std::wstring key = rows_.RowKey(row);
        if (rows_.DeleteRow(row)) {
            if (std::unique_ptr<CPageItem> page = pages_.Take(key))
                page->DeleteImageFile();
        }
    }
    SelectPage(NeighbourAfterDelete(row, rows_.RowCount()));
    return -1;
}

int CPageList::SelectPage(int row)
{
    int selected = -1;
    if (IsRow(row)) {
        pages_.SelectByKey(rows_.RowKey(row));
        rows_.SetSelectedRow(row);
        selected = row;
    }
    rows_.NotifySelectionChange();
    return selected;
}

void CPageList::RemoveAllPages(bool deleteFiles)
{
    pages_.RemoveAll(deleteFiles);
    rows_.ClearRows();
    rows_.NotifySelectionChange();
}

void CPageList::MoveItem(int from, int to)
{
    if (from == to || !IsRow(from) || !IsRow(to))
        return;
    const std::wstring key = rows_.RowKey(from);
    if (!rows_.DeleteRow(from))
        return;
    rows_.InsertRow(to, key);
    SelectPage(to);
}

void CPageList::OnSelectionChangedByUser()
{
    const int row = rows_.SelectedRow();
    pages_.SelectByKey(IsRow(row) ? rows_.RowKey(row) : std::wstring());
}

void CPageList::RemoveRowsWithoutPage()
{
    for (int row = rows_.RowCount() - 1; row >= 0; --row) {
        if (!pages_.Contains(rows_.RowKey(row)))
            rows_.DeleteRow(row);
    }
}

CPageItem* CPageList::GetSelectedPage() const
{
    return PageAt(rows_.SelectedRow());
}

CPageItem* CPageList::PageAt(int row) const
{
    return IsRow(row) ? pages_.Find(rows_.RowKey(row)) : nullptr;
}

int CPageList::FindPageRow(const std::wstring& key) const
{
    for (int row = 0; row < rows_.RowCount(); ++row) {
        const CPageItem* page = pages_.Find(rows_.RowKey(row));
        if (page && page->GetFilePath() == key)
            return row;
    }
    return -1;
}

std::vector<CPageItem*> CPageList::PagesInOrder() const
{
    std::vector<CPageItem*> pages;
    for (int row = 0; row < rows_.RowCount(); ++row) {
        if (CPageItem* page = pages_.Find(rows_.RowKey(row)))
            pages.push_back(page);
    }
    return pages;
}

}  // namespace dravolt
