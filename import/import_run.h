// The body of the import worker without threads or windows: each source
// file becomes a page file in the working folder, is converted as the
// options ask, and is appended as a page. Files that give no page are
// counted and named, and their copies removed, so the user can be told.
// Portable: no Windows header.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "import/import_conversion.h"

namespace dravolt {

// Where imported pages go: the working folder and the page list.
class IImportTarget {
public:
    virtual ~IImportTarget() = default;
    // The page file made from `source` (a byte copy or a JPEG conversion),
    // or empty when none could be made.
    virtual std::wstring MakePageFile(const std::wstring& source) = 0;
    // Appends the page file as a page, marking it as already written. False
    // when no page could be made of it.
    virtual bool AddPage(const std::wstring& pageFile) = 0;
    // Removes a page file that gave no page.
    virtual void DiscardPageFile(const std::wstring& pageFile) = 0;
};

struct ImportHooks {
    std::function<bool()> cancelRequested = [] { return false; };
    std::function<void(int)> setProgress = [](int) {};
    // The conversion of one page file; tests may replace it.
    std::function<PageFileConversion(const std::wstring&, const ImportOptions&)> convert =
        [](const std::wstring& file, const ImportOptions& options) {
            return ConvertPageFile(std::filesystem::path(file), options);
        };
};

struct ImportResult {
    bool failed = false;  // an exception ended the run
    bool cancelled = false;
    int pagesAdded = 0;
    std::vector<std::wstring> notImported;  // sources that gave no page, in order
};

ImportResult RunImport(const std::vector<std::wstring>& sources, const ImportOptions& options,
                       IImportTarget& target, const ImportHooks& hooks);

// The progress after file `index` of `count`: trunc(100 / count * index).
int ImportProgress(int index, int count);

// The message for the files that could not be imported: how many, and the
// first few of their names; empty when every file was imported.
std::wstring NotImportedMessage(const std::vector<std::wstring>& notImported);

}  // namespace dravolt
