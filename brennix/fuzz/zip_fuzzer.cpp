// Feeds arbitrary bytes to the ZIP reader: indexing and then extracting
// every entry it accepts must never read out of bounds or over-allocate.
#include <cstddef>
#include <cstdint>

#include "brennix/zip_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> archive(data, size);
    if (const auto entries = dravolt::brennix::ReadZipDirectory(archive)) {
        for (const auto& entry : *entries)
            (void)dravolt::brennix::ExtractZipEntry(archive, entry);
    }
    return 0;
}
