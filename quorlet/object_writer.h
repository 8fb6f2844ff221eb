// Numbered PDF objects written one after another into the output, with the
// byte offset of each kept for the cross-reference table. Nothing of an
// object stays in memory once it is written.
#pragma once

#include "quorlet/output_file.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quorlet {

class ObjectWriter {
public:
    explicit ObjectWriter(OutputFile& out);  // writes the file header

    // Allocates an object number; the object may be written later.
    int Reserve();

    void WriteObject(int number, std::string_view body);

    // A stream object. With a known length the dictionary carries it and
    // EndStream checks that exactly that many bytes were written; without,
    // the length goes into an object of its own after the stream.
    void BeginStream(int number, std::string_view dictionary, std::optional<std::uint64_t> length);
    void WriteStreamData(const void* data, std::size_t size) { out_.Write(data, size); }
    void EndStream();

    // Cross-reference table and trailer. Every reserved object must have
    // been written by then.
    void WriteTrailer(int root, int info, std::string_view fileId);

private:
    void BeginObject(int number);

    OutputFile& out_;
    std::vector<std::uint64_t> offsets_{0};  // index = object number; 0 = not written
    struct OpenStream {
        std::uint64_t start = 0;
        std::optional<std::uint64_t> declared;
        int lengthObject = 0;
    };
    std::optional<OpenStream> stream_;
};

}  // namespace quorlet
