// The import run and its report of files that gave no page.
#include "import/import_run.h"

namespace dravolt {

namespace {

constexpr std::size_t kNamesShown = 5;

std::wstring FileNameOf(const std::wstring& path)
{
    const auto cut = path.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

}  // namespace

int ImportProgress(int index, int count)
{
    if (count <= 0)
        return 100;
    return static_cast<int>(100.0 / count * index);
}

ImportResult RunImport(const std::vector<std::wstring>& sources, const ImportOptions& options,
                       IImportTarget& target, const ImportHooks& hooks)
{
    ImportResult result;
    const int count = static_cast<int>(sources.size());
    try {
        for (int i = 0; i < count; ++i) {
            if (hooks.cancelRequested()) {
                result.cancelled = true;
                break;
            }
            const std::wstring& source = sources[static_cast<std::size_t>(i)];
            const std::wstring pageFile = target.MakePageFile(source);
            if (!pageFile.empty() && NeedsProcessing(options))
                hooks.convert(pageFile, options);
            if (!pageFile.empty() && target.AddPage(pageFile)) {
                ++result.pagesAdded;
            } else {
                // A copy that gives no page would only be junk in the folder.
                if (!pageFile.empty())
                    target.DiscardPageFile(pageFile);
                result.notImported.push_back(source);
            }
            hooks.setProgress(ImportProgress(i, count));
        }
    } catch (...) {
        result.failed = true;
    }
    hooks.setProgress(100);
    return result;
}

std::wstring NotImportedMessage(const std::vector<std::wstring>& notImported)
{
    if (notImported.empty())
        return {};
    std::wstring text = notImported.size() == 1
                            ? std::wstring(L"1 file could not be imported:")
                            : std::to_wstring(notImported.size()) + L" files could not be imported:";
    for (std::size_t i = 0; i < notImported.size() && i < kNamesShown; ++i)
        text += L"\r\n" + FileNameOf(notImported[i]);
    if (notImported.size() > kNamesShown)
        text += L"\r\n...";
    return text;
}

}  // namespace dravolt
