#include "brennix/tests/zip_builder.h"

#include <zlib.h>

namespace dravolt::brennix::test {
namespace {

void Append16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Append16(out, v & 0xFFFF);
    Append16(out, v >> 16);
}

std::vector<std::uint8_t> RawDeflate(const std::vector<std::uint8_t>& in)
{
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::vector<std::uint8_t> out(deflateBound(&s, static_cast<uLong>(in.size())) + 16);
    s.next_in = const_cast<Bytef*>(in.data());
    s.avail_in = static_cast<uInt>(in.size());
    s.next_out = out.data();
    s.avail_out = static_cast<uInt>(out.size());
    deflate(&s, Z_FINISH);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

}  // namespace

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    Put16(bytes, at, static_cast<std::uint16_t>(value));
    Put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::vector<std::uint8_t> BuildZip(const std::vector<ZipFile>& files, ZipLayout* layout)
{
    std::vector<std::uint8_t> out, central;
    ZipLayout parts;
    for (const ZipFile& file : files) {
        const auto crc = static_cast<std::uint32_t>(crc32(0, file.data.data(), static_cast<uInt>(file.data.size())));
        const auto stored = file.deflate ? RawDeflate(file.data) : file.data;
        const auto offset = static_cast<std::uint32_t>(out.size());
        parts.localHeaders.push_back(out.size());
        Append32(out, 0x04034b50);
        Append16(out, 20); Append16(out, 0); Append16(out, file.deflate ? 8 : 0);
        Append32(out, 0);  // time and date
        Append32(out, crc);
        Append32(out, static_cast<std::uint32_t>(stored.size()));
        Append32(out, static_cast<std::uint32_t>(file.data.size()));
        Append16(out, static_cast<std::uint32_t>(file.name.size())); Append16(out, 0);
        out.insert(out.end(), file.name.begin(), file.name.end());
        out.insert(out.end(), stored.begin(), stored.end());

        parts.centralRecords.push_back(central.size());
        Append32(central, 0x02014b50);
        Append16(central, 20); Append16(central, 20); Append16(central, 0);
        Append16(central, file.deflate ? 8 : 0);
        Append32(central, 0);
        Append32(central, crc);
        Append32(central, static_cast<std::uint32_t>(stored.size()));
        Append32(central, static_cast<std::uint32_t>(file.data.size()));
        Append16(central, static_cast<std::uint32_t>(file.name.size()));
        Append16(central, 0); Append16(central, 0); Append16(central, 0); Append16(central, 0);
        Append32(central, 0);
        Append32(central, offset);
        central.insert(central.end(), file.name.begin(), file.name.end());
    }
    const auto dirOffset = static_cast<std::uint32_t>(out.size());
    for (auto& at : parts.centralRecords)
        at += dirOffset;
    out.insert(out.end(), central.begin(), central.end());
    parts.endRecord = out.size();
    Append32(out, 0x06054b50);
    Append16(out, 0); Append16(out, 0);
    Append16(out, static_cast<std::uint32_t>(files.size())); Append16(out, static_cast<std::uint32_t>(files.size()));
    Append32(out, static_cast<std::uint32_t>(central.size()));
    Append32(out, dirOffset);
    Append16(out, 0);
    if (layout)
        *layout = parts;
    return out;
}

}  // namespace dravolt::brennix::test
