// The document's page list without its window: the ordered rows (keys) and
// the collection of pages behind them, with the rules for adding, deleting,
// selecting, moving and removing pages. The page list box wires it to a
// list-box control; the row order is the order of the pages in the PDF.
#pragma once

#include <string>
#include <vector>

#include "document/page_collection.h"
#include "document/page_rows.h"

namespace dravolt {

class CPageList {
public:
    // `rows` and `owner` are not owned and outlive the list.
    CPageList(IPageRows& rows, IPageOwner& owner) : rows_(rows), owner_(owner) {}

    // Appends the page and selects it: its row, or -1 for an empty or
    // duplicate path or a file that cannot be decoded.
    int AddPage(const std::wstring& path);
    // Pages are always appended; the row is ignored.
    int InsertPage(int row, const std::wstring& path) { (void)row; return AddPage(path); }
    // Removes the row, deletes its page file and page (no write-back), then
    // selects the neighbour. Always -1.
    int DeletePage(int row);
    // Makes the row's page the selected page; notifies the parent always.
    int SelectPage(int row);
    void RemoveAllPages(bool deleteFiles);
    // Moves a row; its page stays, the moved row is selected.
    void MoveItem(int from, int to);
    // The user changed the selection in the control itself.
    void OnSelectionChangedByUser();
    // Rows whose key has no page (found while drawing) go, rows only; called
    // after the paint, never from inside it.
    void RemoveRowsWithoutPage();

    CPageItem* GetSelectedPage() const;
    CPageItem* PageAt(int row) const;
    int FindPageRow(const std::wstring& key) const;
    // The pages in row order.
    std::vector<CPageItem*> PagesInOrder() const;
    CPageCollection& Collection() { return pages_; }
    const CPageCollection& Collection() const { return pages_; }

private:
    bool IsRow(int row) const { return row >= 0 && row < rows_.RowCount(); }

    IPageRows& rows_;
    IPageOwner& owner_;
    CPageCollection pages_;
};

}  // namespace dravolt
