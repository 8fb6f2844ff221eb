#include "brennix/zip_reader.h"

#include <zlib.h>

#include <algorithm>

namespace dravolt::brennix {
namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kLocalSize = 30;
constexpr std::size_t kMaxComment = 0xFFFF;

std::uint16_t Read16(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t Read32(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint32_t>(Read16(b, at)) | static_cast<std::uint32_t>(Read16(b, at + 2)) << 16;
}

// True when [offset, offset + length) lies inside a buffer of `size` bytes.
bool Fits(std::uint64_t offset, std::uint64_t length, std::size_t size)
{
    return offset <= size && length <= size - offset;
}

// Offset of the end-of-central-directory record: searched backwards over
// the longest possible comment; the record must end the archive exactly.
std::optional<std::size_t> FindEndRecord(std::span<const std::uint8_t> archive)
{
    if (archive.size() < kEndSize)
        return std::nullopt;
    const std::size_t last = archive.size() - kEndSize;
    const std::size_t first = last > kMaxComment ? last - kMaxComment : 0;
    for (std::size_t at = last + 1; at-- > first;) {
        if (Read32(archive, at) == kEndSignature && at + kEndSize + Read16(archive, at + 20) == archive.size())
            return at;
    }
    return std::nullopt;
}

// Where the entry's data starts, from its local header; nothing when the
// header is missing or the data would run past the archive.
std::optional<std::uint64_t> DataOffset(std::span<const std::uint8_t> archive, std::uint32_t headerOffset,
                                        std::uint32_t compressedSize)
{
    if (!Fits(headerOffset, kLocalSize, archive.size()) || Read32(archive, headerOffset) != kLocalSignature)
        return std::nullopt;
    const std::uint64_t data = std::uint64_t{headerOffset} + kLocalSize + Read16(archive, headerOffset + 26) +
                               Read16(archive, headerOffset + 28);
    if (!Fits(data, compressedSize, archive.size()))
        return std::nullopt;
    return data;
}

// One central directory record at `at` (already known to fit); advances
// `at` past it. Nothing for a damaged or unsupported record.
std::optional<ZipEntry> ReadCentralRecord(std::span<const std::uint8_t> dir, std::size_t& at,
                                          std::span<const std::uint8_t> archive)
{
    if (Read32(dir, at) != kCentralSignature)
        return std::nullopt;
    const std::uint16_t flags = Read16(dir, at + 8);
    ZipEntry entry;
    entry.method = Read16(dir, at + 10);
    entry.crc32 = Read32(dir, at + 16);
    entry.compressedSize = Read32(dir, at + 20);
    entry.uncompressedSize = Read32(dir, at + 24);
    const std::size_t nameLength = Read16(dir, at + 28);
    const std::size_t variable = nameLength + Read16(dir, at + 30) + Read16(dir, at + 32);
    const std::uint32_t headerOffset = Read32(dir, at + 42);
    if (!Fits(at + kCentralSize, variable, dir.size()) || nameLength == 0)
        return std::nullopt;
    entry.name.assign(reinterpret_cast<const char*>(dir.data() + at + kCentralSize), nameLength);
    at += kCentralSize + variable;

    if ((flags & 1) != 0 || (entry.method != 0 && entry.method != 8))
        return std::nullopt;  // encrypted or a method we cannot read
    if (entry.uncompressedSize > kMaxZipEntrySize || entry.compressedSize > kMaxZipEntrySize)
        return std::nullopt;  // also catches the zip64 marker 0xFFFFFFFF
    if (entry.method == 0 && entry.compressedSize != entry.uncompressedSize)
        return std::nullopt;
    if (entry.name.find('\0') != std::string::npos)
        return std::nullopt;
    const auto data = DataOffset(archive, headerOffset, entry.compressedSize);
    if (!data)
        return std::nullopt;
    entry.dataOffset = *data;
    return entry;
}

std::optional<std::vector<std::uint8_t>> Inflate(std::span<const std::uint8_t> in, std::uint32_t outSize)
{
    std::vector<std::uint8_t> out(outSize);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)  // raw deflate, no zlib header
        return std::nullopt;
    stream.next_in = const_cast<Bytef*>(in.data());
    stream.avail_in = static_cast<uInt>(in.size());
    // One byte of slack tells "exactly outSize" apart from "more than that".
    std::uint8_t slack = 0;
    stream.next_out = out.empty() ? &slack : out.data();
    stream.avail_out = out.empty() ? 1 : static_cast<uInt>(out.size());
    int result = inflate(&stream, Z_FINISH);
    if (result == Z_BUF_ERROR && stream.avail_out == 0 && !out.empty()) {
        stream.next_out = &slack;
        stream.avail_out = 1;
        result = inflate(&stream, Z_FINISH);
    }
    const bool exact = result == Z_STREAM_END && stream.total_out == outSize;
    inflateEnd(&stream);
    if (!exact)
        return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::vector<ZipEntry>> ReadZipDirectory(std::span<const std::uint8_t> archive)
{
    const auto end = FindEndRecord(archive);
    if (!end)
        return std::nullopt;
    const std::uint16_t disk = Read16(archive, *end + 4);
    const std::uint16_t dirDisk = Read16(archive, *end + 6);
    const std::uint16_t count = Read16(archive, *end + 10);
    const std::uint32_t dirSize = Read32(archive, *end + 12);
    const std::uint32_t dirOffset = Read32(archive, *end + 16);
    if (disk != 0 || dirDisk != 0 || Read16(archive, *end + 8) != count)
        return std::nullopt;  // spanned archives are not ours
    if (!Fits(dirOffset, dirSize, *end))
        return std::nullopt;

    const auto dir = archive.subspan(dirOffset, dirSize);
    std::vector<ZipEntry> entries;
    std::size_t at = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
        if (!Fits(at, kCentralSize, dir.size()))
            return std::nullopt;
        auto entry = ReadCentralRecord(dir, at, archive);
        if (!entry)
            return std::nullopt;
        if (entry->name.back() != '/')
            entries.push_back(std::move(*entry));
    }
    return entries;
}

std::optional<std::vector<std::uint8_t>> ExtractZipEntry(std::span<const std::uint8_t> archive,
                                                         const ZipEntry& entry)
{
    if (!Fits(entry.dataOffset, entry.compressedSize, archive.size()) ||
        entry.uncompressedSize > kMaxZipEntrySize)
        return std::nullopt;
    const auto data = archive.subspan(entry.dataOffset, entry.compressedSize);
    std::optional<std::vector<std::uint8_t>> bytes;
    if (entry.method == 0 && entry.compressedSize == entry.uncompressedSize)
        bytes.emplace(data.begin(), data.end());
    else if (entry.method == 8)
        bytes = Inflate(data, entry.uncompressedSize);
    if (!bytes)
        return std::nullopt;
    const auto crc = crc32(0L, bytes->data(), static_cast<uInt>(bytes->size()));
    if (crc != entry.crc32)
        return std::nullopt;
    return bytes;
}

}  // namespace dravolt::brennix
