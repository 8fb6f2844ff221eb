// A stream object compressed with Flate while it is written: rows go in,
// compressed chunks go out, so only zlib's window stays in memory.
#pragma once

#include "quorlet/object_writer.h"

#include <zlib.h>

#include <string_view>

namespace quorlet {

class FlateStream {
public:
    // Begins stream object `number` with the dictionary entries (Filter and
    // Length are added here).
    FlateStream(ObjectWriter& writer, int number, std::string_view dictionary);
    ~FlateStream();
    FlateStream(const FlateStream&) = delete;
    FlateStream& operator=(const FlateStream&) = delete;

    void Write(const void* data, std::size_t size);
    void Finish();  // flushes zlib and ends the stream object

private:
    void Pump(int flush);

    ObjectWriter& writer_;
    z_stream zlib_{};
    unsigned char out_[1 << 16];
    bool finished_ = false;
};

}  // namespace quorlet
