// The table of skin image files by name, filled from archives that stay in
// memory. Adding an archive only reads its directory; the files are read
// when an image is first asked for.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "brennix/zip_reader.h"

namespace dravolt::brennix {

struct IndexedFile {
    std::span<const std::uint8_t> archive;  // not owned: lives for the process
    ZipEntry entry;
};

class ImageIndex {
public:
    // Adds every file of the archive under its name, replacing files of the
    // same name. The number added, or nothing (and no change) for a damaged
    // archive.
    std::optional<int> AddArchive(std::span<const std::uint8_t> archive);
    const IndexedFile* Find(const std::wstring& name) const;
    bool Remove(const std::wstring& name);

private:
    std::map<std::wstring, IndexedFile> files_;
};

// Archive names are 8-bit; skin names are plain ASCII, and any other byte
// is widened as Latin-1 so that no code page is needed under the loader lock.
std::wstring WidenArchiveName(const std::string& name);

}  // namespace dravolt::brennix
