// The portable half of the image search: the callback a folder walk reports
// to, the case-insensitive wildcard match of file names, and the form a
// folder is put into before it is walked. Portable: no Windows header.
#pragma once

#include <string>
#include <string_view>

namespace dravolt {

// What a folder walk tells its caller. Called on the walking thread.
class IFindFileCallback {
public:
    virtual ~IFindFileCallback() = default;
    // Asked on entering each folder; true ends the walk there.
    virtual bool ShouldStop() = 0;
    // A file whose name matched a pattern, by its full path.
    virtual void OnFileFound(const std::wstring& path) = 0;
    // A subfolder met by the walk, by its full path without a trailing backslash.
    virtual void OnFolderFound(const std::wstring& path) = 0;
};

// Whether the whole name matches the whole pattern, ignoring case: "?" is
// any one character, "*" any run of characters, including none.
bool MatchWildcard(std::wstring_view pattern, std::wstring_view name);

// The folder as the walk uses it: ending in one backslash, slashes turned
// into backslashes, doubled backslashes made single. The two leading
// separators of a network path ("\\server\share") or of the long-path
// form ("\\?\C:\...") are kept, since without them the path names another
// place. Empty stays empty.
std::wstring SearchFolder(std::wstring_view folder);

}  // namespace dravolt
