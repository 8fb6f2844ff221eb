// The rows of the page list as the document sees them: one key per row, in
// page order, with one selected row. The list box implements it with its
// window; tests use a plain vector.
#pragma once

#include <string>

#include "imaging/thumbnail.h"

namespace dravolt {

class IPageRows {
public:
    virtual ~IPageRows() = default;
    virtual int RowCount() const = 0;
    virtual std::wstring RowKey(int row) const = 0;
    // The new row's index, or -1 when the list refuses the row.
    virtual int AppendRow(const std::wstring& key) = 0;
    virtual int InsertRow(int row, const std::wstring& key) = 0;
    virtual bool DeleteRow(int row) = 0;
    virtual void ClearRows() = 0;
    virtual int SelectedRow() const = 0;  // -1 for none
    virtual void SetSelectedRow(int row) = 0;
    virtual void InvalidateRow(int row) = 0;
    // The selection-change notification to the list's parent.
    virtual void NotifySelectionChange() = 0;
    // The size of a thumbnail in a row of the list's current width.
    virtual imaging::Size ThumbnailSize() const = 0;
};

// The row to select after row `deleted` went, with `newCount` rows left:
// the row above, or the new row at the same place for the first row.
int NeighbourAfterDelete(int deleted, int newCount);

}  // namespace dravolt
