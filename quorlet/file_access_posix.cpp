// File access on POSIX systems (the native test build).
#include "quorlet/file_access.h"

#include "quorlet/pdf_error.h"

#include <cerrno>
#include <cstring>

namespace quorlet {

FilePtr OpenFile(const std::filesystem::path& path, const char* mode)
{
    return FilePtr(std::fopen(path.c_str(), mode));
}

void MoveFileOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (std::rename(from.c_str(), to.c_str()) != 0)
        throw PdfError("cannot replace " + to.string() + ": " + std::strerror(errno));
}

bool SeekTo(std::FILE* file, std::uint64_t offset)
{
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool SeekBy(std::FILE* file, std::int64_t delta)
{
    return fseeko(file, static_cast<off_t>(delta), SEEK_CUR) == 0;
}

std::uint64_t Tell(std::FILE* file)
{
    const off_t here = ftello(file);
    return here < 0 ? 0 : static_cast<std::uint64_t>(here);
}

std::uint64_t FileSize(std::FILE* file)
{
    const off_t here = ftello(file);
    fseeko(file, 0, SEEK_END);
    const off_t size = ftello(file);
    fseeko(file, here, SEEK_SET);
    return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace quorlet
