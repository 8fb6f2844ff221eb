// File handles for the writer: opening by std::filesystem::path (so wide
// paths reach the system unchanged on Windows) and replacing one file by
// another in a single step.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace quorlet {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens with a C stdio mode ("rb", "wb"); null on failure.
FilePtr OpenFile(const std::filesystem::path& path, const char* mode);

// Moves `from` over `to`, replacing an existing file. Throws PdfError on
// failure, leaving `to` as it was.
void MoveFileOver(const std::filesystem::path& from, const std::filesystem::path& to);

// 64-bit seek and tell: page files can be larger than 2 GB, and `long` is
// 32 bits on Windows.
bool SeekTo(std::FILE* file, std::uint64_t offset);
bool SeekBy(std::FILE* file, std::int64_t delta);
std::uint64_t Tell(std::FILE* file);
std::uint64_t FileSize(std::FILE* file);

}  // namespace quorlet
