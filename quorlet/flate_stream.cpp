#include "quorlet/flate_stream.h"

#include "quorlet/pdf_error.h"

#include <string>

namespace quorlet {

FlateStream::FlateStream(ObjectWriter& writer, int number, std::string_view dictionary)
    : writer_(writer)
{
    // Level 6 is zlib's balance; pages are written once, so more effort
    // would only slow the save.
    if (deflateInit(&zlib_, 6) != Z_OK) throw PdfError("cannot start compression");
    writer_.BeginStream(number, std::string(dictionary) + " /Filter /FlateDecode", std::nullopt);
}

FlateStream::~FlateStream() { deflateEnd(&zlib_); }

void FlateStream::Write(const void* data, std::size_t size)
{
    // zlib takes 32-bit counts: feed large buffers in pieces.
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const std::size_t piece = size < (1u << 30) ? size : (1u << 30);
        zlib_.next_in = const_cast<unsigned char*>(bytes);
        zlib_.avail_in = static_cast<uInt>(piece);
        Pump(Z_NO_FLUSH);
        bytes += piece;
        size -= piece;
    }
}

void FlateStream::Finish()
{
    if (finished_) return;
    zlib_.next_in = nullptr;
    zlib_.avail_in = 0;
    Pump(Z_FINISH);
    finished_ = true;
    writer_.EndStream();
}

void FlateStream::Pump(int flush)
{
    for (;;) {
        zlib_.next_out = out_;
        zlib_.avail_out = sizeof out_;
        const int result = deflate(&zlib_, flush);
        if (result == Z_STREAM_ERROR) throw PdfError("compression failed");
        writer_.WriteStreamData(out_, sizeof out_ - zlib_.avail_out);
        if (flush == Z_FINISH ? result == Z_STREAM_END : zlib_.avail_out != 0) return;
    }
}

}  // namespace quorlet
