// Texts of the common file dialogs: the "|"-separated filter form the
// dialogs are described with, and the list a multi-selection open dialog
// returns. Portable: no Windows header.
#pragma once

#include <string>
#include <vector>

namespace dravolt {

// "PDF File(*.pdf)|*.pdf|" -> "PDF File(*.pdf)\0*.pdf\0\0": every "|" becomes
// a NUL, and the list ends with two NULs whether or not it ended with "|".
std::wstring FilterFromBars(const std::wstring& barred);

// The selection of an open dialog's buffer (up to its double NUL): one full
// path, or a folder followed by file names, which are joined to it.
std::vector<std::wstring> SelectedFiles(const std::wstring& buffer);

}  // namespace dravolt
