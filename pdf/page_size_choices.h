// The rules of the options dialog's page-size list, without the window:
// which entries it offers, which one opens selected, what choosing one does
// to the orientation, the radios and the margin limits, and the size OK
// stores. Portable: no Windows header.
#pragma once

#include <string>
#include <vector>

#include "app/page_size_table.h"

namespace dravolt {

// The first entry of the list: each PDF page takes its image's size.
inline constexpr wchar_t kUseImageSize[] = L"Use image size";

// "Use image size", then every name of the table in table order.
std::vector<std::wstring> PageSizeChoices(const CPageSizeTable& table);

// The index in PageSizeChoices of the first table entry whose size is
// bit-for-bit the current one; 0 ("Use image size") when none is.
int InitialPageSizeChoice(const CPageSizeTable& table, PageSize current);

// What selecting an entry means for the rest of the dialog.
struct PageSizeChoiceEffect {
    bool orientationEnabled = false;  // the Landscape and Portrait radios
    float leftRightMaximum = 1000.0f;
    float topBottomMaximum = 1000.0f;
    // For a table entry: the orientation follows the size's own shape.
    bool setsOrientation = false;
    bool landscape = false;
};
PageSizeChoiceEffect EffectOfPageSizeChoice(const CPageSizeTable& table, const std::wstring& name);

// The page size OK stores: the entry's size, or -1 x -1 for "Use image size"
// and any name the table does not hold.
PageSize SizeOfPageSizeChoice(const CPageSizeTable& table, const std::wstring& name);

}  // namespace dravolt
