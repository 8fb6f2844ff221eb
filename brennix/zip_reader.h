// Reading ZIP archives that lie in memory: the central directory is indexed
// without inflating anything, and single entries are extracted on demand.
// Every size, offset and name is checked against the archive before use, so
// a damaged or hostile archive fails cleanly instead of reading out of
// bounds or allocating without limit.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace dravolt::brennix {

// Entries larger than this are refused when the directory is read: skin
// images are small, and a forged size must not drive an allocation.
inline constexpr std::uint32_t kMaxZipEntrySize = 64u * 1024 * 1024;

struct ZipEntry {
    std::string name;  // as stored: 8-bit, '/' separated
    std::uint16_t method = 0;  // 0 stored, 8 deflated
    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint64_t dataOffset = 0;  // first byte of the entry's data
};

// The file entries of the archive (directories are left out), or nothing
// when the directory is damaged, an entry points outside the archive, an
// entry is encrypted, uses an unknown method or is beyond kMaxZipEntrySize.
std::optional<std::vector<ZipEntry>> ReadZipDirectory(std::span<const std::uint8_t> archive);

// The bytes of one entry of ReadZipDirectory's result for the same archive;
// nothing when its data does not inflate to exactly its stated size or its
// checksum differs.
std::optional<std::vector<std::uint8_t>> ExtractZipEntry(std::span<const std::uint8_t> archive,
                                                         const ZipEntry& entry);

}  // namespace dravolt::brennix
