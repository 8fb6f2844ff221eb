// The named page sizes the user can choose for the PDF and for scanning.
// They come from a small text file beside the program, one size per line in
// the form  name[width,height]  with millimetres, and are read once at
// start-up; the table is read-only afterwards.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravolt {

// Width and height in millimetres. −1 × −1 means "the size of each image".
struct PageSize {
    float width = -1.0f;
    float height = -1.0f;
};

struct NamedPageSize {
    std::wstring name;
    PageSize size;
};

// Reads one line of the page-size file. Returns nothing for lines that do not
// define a usable size (comments, malformed lines, sizes of 10 mm or less).
std::optional<NamedPageSize> ParsePageSizeLine(std::wstring_view line);

class CPageSizeTable {
public:
    // Adds the entries of the file at `path`. True when at least one line of
    // the file held a valid size, even if its name was already known.
    bool Load(const std::filesystem::path& path);

    // Adds the entries of already-read file contents (bytes of the 8-bit file).
    bool LoadText(std::string_view text);

    std::optional<PageSize> Lookup(const std::wstring& name) const;
    const std::vector<std::wstring>& Names() const { return names_; }

private:
    // Adds a size unless its name is already there: the first definition wins.
    void Add(NamedPageSize entry);

    std::map<std::wstring, PageSize> sizes_;
    std::vector<std::wstring> names_;  // in the order first read
};

// The process-wide table, filled by start-up.
CPageSizeTable& ThePageSizeTable();

}  // namespace dravolt
