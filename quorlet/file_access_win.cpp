// File access on Windows: wide paths throughout, so a name that the system
// code page cannot hold still opens the right file.
#include "quorlet/file_access.h"

#include "quorlet/pdf_error.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace quorlet {

FilePtr OpenFile(const std::filesystem::path& path, const char* mode)
{
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return FilePtr(_wfopen(path.c_str(), wideMode.c_str()));
}

void MoveFileOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // MOVEFILE_REPLACE_EXISTING fails (and leaves the target alone) when
    // another program holds the target open; that must surface as a failure.
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw PdfError("cannot replace the output file (error " +
                       std::to_string(GetLastError()) + ")");
}

bool SeekTo(std::FILE* file, std::uint64_t offset)
{
    return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
}

bool SeekBy(std::FILE* file, std::int64_t delta)
{
    return _fseeki64(file, delta, SEEK_CUR) == 0;
}

std::uint64_t Tell(std::FILE* file)
{
    const __int64 here = _ftelli64(file);
    return here < 0 ? 0 : static_cast<std::uint64_t>(here);
}

std::uint64_t FileSize(std::FILE* file)
{
    const __int64 here = _ftelli64(file);
    _fseeki64(file, 0, SEEK_END);
    const __int64 size = _ftelli64(file);
    _fseeki64(file, here, SEEK_SET);
    return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace quorlet
