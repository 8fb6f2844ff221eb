// Builds small ZIP archives in memory for the reader's tests, with hooks to
// damage them the way hostile archives do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dravolt::brennix::test {

struct ZipFile {
    std::string name;
    std::vector<std::uint8_t> data;
    bool deflate = false;
};

// Offsets of the parts of a built archive, for tests that damage them.
struct ZipLayout {
    std::vector<std::size_t> localHeaders;
    std::vector<std::size_t> centralRecords;
    std::size_t endRecord = 0;
};

std::vector<std::uint8_t> BuildZip(const std::vector<ZipFile>& files, ZipLayout* layout = nullptr);

std::vector<std::uint8_t> Bytes(const std::string& text);
void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);
void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value);

}  // namespace dravolt::brennix::test
