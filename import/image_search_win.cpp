// FindFiles over FindFirstFileW/FindNextFileW.
#include "import/image_search_win.h"

#include <windows.h>

#include "framework/handles_win.h"

namespace dravolt {

namespace {

struct FindTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
using UniqueFind = UniqueHandle<FindTraits>;

bool IsDotEntry(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

struct Walk {
    std::vector<std::wstring>& result;
    bool addFolders;
    const std::vector<std::wstring>& patterns;
    bool includeSubfolders;
    IFindFileCallback* callback;

    void Folder(const std::wstring& folder);
    void Entry(const std::wstring& folder, const WIN32_FIND_DATAW& entry);
};

void Walk::Folder(const std::wstring& folder)
{
    // The stop request is only looked at here, so the files of a folder
    // being enumerated are all reported.
    if (callback && callback->ShouldStop())
        return;
    if (folder.empty() || patterns.empty())
        return;
    const std::wstring base = SearchFolder(folder);
    WIN32_FIND_DATAW entry{};
    UniqueFind find(FindFirstFileW((base + L"*").c_str(), &entry));
    if (!find)
        return;
    do {
        if (!IsDotEntry(entry.cFileName))
            Entry(base, entry);
    } while (FindNextFileW(find.Get(), &entry));
}

void Walk::Entry(const std::wstring& base, const WIN32_FIND_DATAW& entry)
{
    const std::wstring path = base + entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (addFolders)
            result.push_back(path);
        if (callback)
            callback->OnFolderFound(path);
        if (includeSubfolders)
            Folder(path);
        return;
    }
    // No stop after the first match: each matching pattern reports the file.
    for (const std::wstring& pattern : patterns) {
        if (!MatchWildcard(pattern, entry.cFileName))
            continue;
        result.push_back(path);
        if (callback)
            callback->OnFileFound(path);
    }
}

}  // namespace

void FindFiles(std::vector<std::wstring>& result, const std::wstring& folder, bool addFolders,
               const std::vector<std::wstring>& patterns, bool includeSubfolders,
               IFindFileCallback* callback)
{
    Walk{result, addFolders, patterns, includeSubfolders, callback}.Folder(folder);
}

}  // namespace dravolt
