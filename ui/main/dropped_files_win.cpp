#include "ui/main/dropped_files_win.h"

#include <windows.h>

#include "app/page_file_store_win.h"
#include "import/image_search_win.h"
#include "ui/main/dropped_files.h"

namespace dravolt::mainui {

namespace {
bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

std::vector<std::wstring> CollectDroppedImages(const std::vector<std::wstring>& dropped)
{
    std::vector<std::wstring> files;
    for (const std::wstring& path : dropped) {
        if (IsFolder(path)) {
            // Only the folder's own files: a drop is not a deep search.
            if (!IsFolderEmpty(path))
                FindFiles(files, path, false, DroppedImagePatterns(), false, nullptr);
            continue;
        }
        AppendDroppedImageFile(path, files);
    }
    return files;
}

}  // namespace dravolt::mainui
