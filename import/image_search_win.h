// The folder walk of the image search: every file of a folder (and, when
// asked, of its subfolders, depth first) whose name matches one of the
// wildcard patterns is appended to a result list and reported to an
// optional callback.
#pragma once

#include <string>
#include <vector>

#include "import/image_search.h"

namespace dravolt {

// Appends the full path of every match to `result`, once per matching
// pattern, in the file system's order; with `addFolders` the paths of the
// subfolders met too. The callback (may be null) is asked whether to stop
// on entering each folder and hears of every match and every subfolder.
// A folder that cannot be read is skipped silently.
void FindFiles(std::vector<std::wstring>& result, const std::wstring& folder, bool addFolders,
               const std::vector<std::wstring>& patterns, bool includeSubfolders,
               IFindFileCallback* callback);

}  // namespace dravolt
