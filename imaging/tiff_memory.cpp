// Memory I/O callbacks for libtiff.
#include "imaging/tiff_memory.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "imaging/image.h"

namespace dravolt::imaging {

namespace {

// Neither a page read nor a page written comes near this.
constexpr std::uint64_t kMaxStreamBytes = kMaxPixelBytes * 2;

TiffMemoryStream& StreamOf(thandle_t handle) { return *static_cast<TiffMemoryStream*>(handle); }

std::uint64_t StreamSize(const TiffMemoryStream& s) { return s.output ? s.output->size() : s.input.size(); }

tmsize_t ReadProc(thandle_t handle, void* buffer, tmsize_t size) {
    TiffMemoryStream& s = StreamOf(handle);
    const std::uint8_t* data = s.output ? s.output->data() : s.input.data();
    const std::uint64_t total = StreamSize(s);
    if (size <= 0 || s.position >= total) return 0;
    const auto count =
        static_cast<std::size_t>(std::min<std::uint64_t>(static_cast<std::uint64_t>(size), total - s.position));
    std::memcpy(buffer, data + s.position, count);
    s.position += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t WriteProc(thandle_t handle, void* buffer, tmsize_t size) {
    TiffMemoryStream& s = StreamOf(handle);
    if (!s.output || size < 0) return 0;
    const std::uint64_t end = s.position + static_cast<std::uint64_t>(size);
    if (end > kMaxStreamBytes) return 0;
    if (end > s.output->size()) s.output->resize(static_cast<std::size_t>(end));
    std::memcpy(s.output->data() + s.position, buffer, static_cast<std::size_t>(size));
    s.position = end;
    return size;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
    TiffMemoryStream& s = StreamOf(handle);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR) base = s.position;
    if (whence == SEEK_END) base = StreamSize(s);
    const std::uint64_t target = base + offset;
    if (target < base || target > kMaxStreamBytes) return static_cast<toff_t>(-1);
    s.position = target;
    return target;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t handle) { return StreamSize(StreamOf(handle)); }
int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

int QuietHandler(TIFF*, void*, const char*, const char*, va_list) { return 1; }

TiffHandle Open(TiffMemoryStream& stream, const char* mode) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(options, QuietHandler, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, QuietHandler, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, static_cast<tmsize_t>(kMaxPixelBytes));
    TIFF* tif = TIFFClientOpenExt("memory", mode, &stream, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc,
                                  MapProc, UnmapProc, options);
    TIFFOpenOptionsFree(options);
    return TiffHandle(tif);
}

}  // namespace

TiffHandle OpenTiffReader(TiffMemoryStream& stream) { return Open(stream, "rm"); }
TiffHandle OpenTiffWriter(TiffMemoryStream& stream) { return Open(stream, "wm"); }

}  // namespace dravolt::imaging
