// The background task that runs one image search under the wait dialog, so
// the window stays responsive while a large folder tree is walked. The
// walk reports to the caller's callback; cancelling is the callback's
// ShouldStop. The task never updates its progress until it ends: the wait
// dialog shows a marquee bar meanwhile.
#pragma once

#include <string>
#include <vector>

#include "import/image_search_win.h"
#include "tasks/taskable_thread_win.h"

namespace dravolt {

class CImageSearchWorker : public CTaskableThreadBaseImpl {
public:
    CImageSearchWorker() = default;
    ~CImageSearchWorker() override { WaitForEnd(); }

    // Copies the patterns; keeps the result list and the callback, which the
    // caller owns and keeps alive until the task has ended. Records whether
    // the folder is an existing folder now.
    void Setup(const std::vector<std::wstring>& patterns, const std::wstring& folder,
               bool includeSubfolders, std::vector<std::wstring>* result, IFindFileCallback* callback);
    bool FolderIsValid() const { return folderIsValid_; }

    // Walks the folder; ends as failed without walking when there is no
    // result list or the folder was not valid at setup, or when the walk threw.
    void Run() override;

private:
    std::vector<std::wstring>* result_ = nullptr;  // not owned
    std::vector<std::wstring> patterns_;
    std::wstring folder_;
    IFindFileCallback* callback_ = nullptr;  // not owned
    bool includeSubfolders_ = false;
    bool folderIsValid_ = false;
};

}  // namespace dravolt
