// The PDF being written: a temporary file beside the target that replaces
// the target only when the document is complete, so a failed save never
// damages an existing file of that name. Tracks the byte offset for the
// cross-reference table.
#pragma once

#include "quorlet/file_access.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace quorlet {

class OutputFile {
public:
    // Creates the temporary file; throws PdfError when the folder is not
    // writable or the target names a folder.
    explicit OutputFile(std::filesystem::path target);
    ~OutputFile();  // removes the temporary file unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(std::string_view bytes);
    void Write(const void* data, std::size_t size);
    std::uint64_t Offset() const { return offset_; }

    // Flushes, closes and moves the temporary file over the target.
    void Commit();

    const std::filesystem::path& TemporaryPath() const { return temporary_; }

private:
    [[noreturn]] void Fail(const char* what);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::vector<char> buffer_;  // stdio buffer of file_, so it must outlive it
    FilePtr file_;
    std::uint64_t offset_ = 0;
    bool committed_ = false;
};

}  // namespace quorlet
