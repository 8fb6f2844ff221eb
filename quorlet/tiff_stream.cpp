#include "quorlet/tiff_stream.h"

#include "quorlet/file_access.h"
#include "quorlet/pdf_error.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

namespace quorlet {
namespace {

TiffSource& SourceOf(thandle_t handle) { return *static_cast<TiffSource*>(handle); }

tmsize_t Read(thandle_t h, void* into, tmsize_t size)
{
    TiffSource& s = SourceOf(h);
    if (size <= 0) return 0;
    if (s.file) return static_cast<tmsize_t>(std::fread(into, 1, static_cast<size_t>(size), s.file));
    const std::uint64_t left = s.memory->size() > s.position ? s.memory->size() - s.position : 0;
    const auto n = static_cast<size_t>(std::min<std::uint64_t>(left, static_cast<std::uint64_t>(size)));
    if (n) std::memcpy(into, s.memory->data() + s.position, n);
    s.position += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t Write(thandle_t h, void* from, tmsize_t size)
{
    TiffSource& s = SourceOf(h);
    if (s.file || size < 0) return -1;
    const auto n = static_cast<size_t>(size);
    if (s.memory->size() < s.position + n) s.memory->resize(s.position + n);
    if (n) std::memcpy(s.memory->data() + s.position, from, n);
    s.position += n;
    return size;
}

toff_t Seek(thandle_t h, toff_t offset, int whence)
{
    TiffSource& s = SourceOf(h);
    const auto delta = static_cast<std::int64_t>(offset);
    if (s.file) {
        const bool ok = whence == SEEK_SET ? SeekTo(s.file, offset)
                        : whence == SEEK_CUR ? SeekBy(s.file, delta)
                                             : SeekTo(s.file, FileSize(s.file) + delta);
        return ok ? Tell(s.file) : static_cast<toff_t>(-1);
    }
    const std::uint64_t base = whence == SEEK_SET ? 0
                               : whence == SEEK_CUR ? s.position
                                                    : s.memory->size();
    s.position = base + offset;
    return s.position;
}

int Close(thandle_t) { return 0; }

toff_t Size(thandle_t h)
{
    TiffSource& s = SourceOf(h);
    return s.file ? FileSize(s.file) : s.memory->size();
}

int NoMap(thandle_t, void**, toff_t*) { return 0; }
void NoUnmap(thandle_t, void*, toff_t) {}

int OnError(TIFF*, void* user, const char*, const char* format, va_list args)
{
    auto& source = *static_cast<TiffSource*>(user);
    if (source.firstError.empty()) {
        char text[256];
        std::vsnprintf(text, sizeof text, format, args);
        source.firstError = text;
    }
    return 1;
}

int OnWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

}  // namespace

TiffPtr OpenTiff(TiffSource& source, const char* mode)
{
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, OnError, &source);
    TIFFOpenOptionsSetWarningHandlerExtR(options, OnWarning, &source);
    // "m": no memory mapping; the stream callbacks are the only way in.
    TIFF* tiff = TIFFClientOpenExt("image", mode[0] == 'w' ? "wm" : "rm", &source, Read, Write,
                                   Seek, Close, Size, NoMap, NoUnmap, options);
    TIFFOpenOptionsFree(options);
    if (!tiff) throw PdfError("the TIFF file cannot be read: " + source.firstError);
    return TiffPtr(tiff);
}

}  // namespace quorlet
