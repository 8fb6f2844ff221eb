// The import worker and its page-list target.
#include "import/import_images_worker_win.h"

#include <windows.h>

#include "app/page_file_store_win.h"

namespace dravolt {

namespace {

class CPageListTarget : public IImportTarget {
public:
    explicit CPageListTarget(CPageList& pages) : pages_(pages) {}

    std::wstring MakePageFile(const std::wstring& source) override
    {
        return CPageFileStore::Instance().ImportFile(source);
    }
    bool AddPage(const std::wstring& pageFile) override
    {
        if (pages_.AddPage(pageFile) < 0)
            return false;
        // The file was just written; the page must not re-encode it when it
        // stops being selected.
        if (CPageItem* page = pages_.Collection().Find(pageFile))
            page->ClearWriteBack();
        return true;
    }
    void DiscardPageFile(const std::wstring& pageFile) override
    {
        // Never the file of a page that is in the document.
        if (!pages_.Collection().Contains(pageFile))
            DeleteFileW(pageFile.c_str());
    }

private:
    CPageList& pages_;
};

}  // namespace

void CImportImagesWorker::Run()
{
    TaskSharedState& shared = Shared();
    if (!pageList || !sourceFiles) {
        result_.failed = true;
        shared.progress.store(100);
        shared.Finish(true);
        return;
    }
    CPageListTarget target(*pageList);
    ImportHooks hooks;
    hooks.cancelRequested = [&shared] { return shared.cancelRequested.load(); };
    hooks.setProgress = [&shared](int progress) { shared.progress.store(progress); };
    result_ = RunImport(*sourceFiles, {colourMode, autoEnhance}, target, hooks);
    shared.Finish(result_.failed);
}

}  // namespace dravolt
