// The paths of files dropped from the shell (CF_HDROP), each read at its
// full length: page files may live in folders deeper than MAX_PATH.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

namespace dravolt {

std::vector<std::wstring> DroppedFilePaths(HDROP drop);
// The dropped paths a data object offers as CF_HDROP; empty when it offers none.
std::vector<std::wstring> DroppedFilePaths(IDataObject* data);
bool OffersDroppedFiles(IDataObject* data);

}  // namespace dravolt
