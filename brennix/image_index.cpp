#include "brennix/image_index.h"

namespace dravolt::brennix {

std::wstring WidenArchiveName(const std::string& name)
{
    std::wstring wide;
    wide.reserve(name.size());
    for (const char c : name)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return wide;
}

std::optional<int> ImageIndex::AddArchive(std::span<const std::uint8_t> archive)
{
    auto entries = ReadZipDirectory(archive);
    if (!entries)
        return std::nullopt;
    for (ZipEntry& entry : *entries) {
        std::wstring name = WidenArchiveName(entry.name);
        files_.insert_or_assign(std::move(name), IndexedFile{archive, std::move(entry)});
    }
    return static_cast<int>(entries->size());
}

const IndexedFile* ImageIndex::Find(const std::wstring& name) const
{
    const auto found = files_.find(name);
    return found == files_.end() ? nullptr : &found->second;
}

bool ImageIndex::Remove(const std::wstring& name) { return files_.erase(name) > 0; }

}  // namespace dravolt::brennix
