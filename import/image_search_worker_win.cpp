// The image search task.
#include "import/image_search_worker_win.h"

#include <windows.h>

namespace dravolt {

void CImageSearchWorker::Setup(const std::vector<std::wstring>& patterns, const std::wstring& folder,
                               bool includeSubfolders, std::vector<std::wstring>* result,
                               IFindFileCallback* callback)
{
    patterns_ = patterns;
    folder_ = folder;
    includeSubfolders_ = includeSubfolders;
    result_ = result;
    callback_ = callback;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    folderIsValid_ = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CImageSearchWorker::Run()
{
    bool failed = true;
    try {
        if (result_ && folderIsValid_) {
            FindFiles(*result_, folder_, false, patterns_, includeSubfolders_, callback_);
            failed = false;
        }
    } catch (...) {
        failed = true;  // a throwing callback or a full memory ends the task as failed
    }
    Shared().progress.store(100);
    Shared().Finish(failed);
}

}  // namespace dravolt
