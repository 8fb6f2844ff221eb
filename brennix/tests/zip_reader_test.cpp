// The ZIP reader on well-formed archives and on the damage a hostile or
// broken archive carries.
#include "brennix/zip_reader.h"

#include <gtest/gtest.h>

#include <functional>

#include "brennix/tests/zip_builder.h"

namespace dravolt::brennix {
namespace {

using test::BuildZip;
using test::Bytes;
using test::Put16;
using test::Put32;
using test::ZipLayout;

std::vector<std::uint8_t> Repetitive()
{
    std::vector<std::uint8_t> data;
    for (int i = 0; i < 5000; ++i)
        data.push_back(static_cast<std::uint8_t>(i % 7));
    return data;
}

TEST(ZipReader, ReadsStoredAndDeflatedEntriesByName)
{
    const auto big = Repetitive();
    const auto zip = BuildZip({{"a.png", Bytes("stored bytes"), false},
                               {"b.bmp", big, true},
                               {"empty.png", {}, true},
                               {"folder/", {}, false}});
    const auto entries = ReadZipDirectory(zip);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);  // the directory entry is left out
    EXPECT_EQ((*entries)[0].name, "a.png");
    EXPECT_EQ((*entries)[1].method, 8);
    EXPECT_LT((*entries)[1].compressedSize, big.size());
    EXPECT_EQ(ExtractZipEntry(zip, (*entries)[0]), Bytes("stored bytes"));
    EXPECT_EQ(ExtractZipEntry(zip, (*entries)[1]), big);
    EXPECT_EQ(ExtractZipEntry(zip, (*entries)[2]), std::vector<std::uint8_t>{});
}

TEST(ZipReader, EmptyArchiveAndTrailingCommentAreAccepted)
{
    EXPECT_EQ(ReadZipDirectory(BuildZip({}))->size(), 0u);
    auto zip = BuildZip({{"a", Bytes("x"), false}});
    Put16(zip, zip.size() - 2, 3);
    zip.insert(zip.end(), {'a', 'b', 'c'});
    EXPECT_EQ(ReadZipDirectory(zip)->size(), 1u);
}

// Every cut of an archive is refused by the directory reader, never read
// past (AddressSanitizer watches the copies).
TEST(ZipReader, EveryTruncationFailsCleanly)
{
    const auto zip = BuildZip({{"a.png", Bytes("hello"), false}, {"b.png", Repetitive(), true}});
    for (std::size_t size = 0; size < zip.size(); ++size) {
        const std::vector<std::uint8_t> cut(zip.begin(), zip.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(ReadZipDirectory(cut)) << "size " << size;
    }
}

struct Damage {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&, const ZipLayout&)> apply;
};

// Hostile fields in the directory make the whole archive fail.
TEST(ZipReader, RefusesHostileDirectories)
{
    const std::vector<Damage> cases = {
        {"directory offset past the end", [](auto& z, auto& l) { Put32(z, l.endRecord + 16, 0xFFFFFF00); }},
        {"directory larger than the archive", [](auto& z, auto& l) { Put32(z, l.endRecord + 12, 0x7FFFFFFF); }},
        {"more entries than records", [](auto& z, auto& l) { Put16(z, l.endRecord + 10, 3); Put16(z, l.endRecord + 8, 3); }},
        {"local header outside the archive", [](auto& z, auto& l) { Put32(z, l.centralRecords[1] + 42, 0x40000000); }},
        {"local header points at the directory", [](auto& z, auto& l) { Put32(z, l.centralRecords[0] + 42, static_cast<std::uint32_t>(l.centralRecords[0])); }},
        {"compressed size runs past the end", [](auto& z, auto& l) { Put32(z, l.centralRecords[1] + 20, 0x00FFFFFF); }},
        {"zip64 size marker", [](auto& z, auto& l) { Put32(z, l.centralRecords[1] + 24, 0xFFFFFFFF); }},
        {"name longer than the directory", [](auto& z, auto& l) { Put16(z, l.centralRecords[1] + 28, 0xFFFF); }},
        {"encrypted entry", [](auto& z, auto& l) { Put16(z, l.centralRecords[0] + 8, 1); }},
        {"unknown method", [](auto& z, auto& l) { Put16(z, l.centralRecords[0] + 10, 12); }},
        {"stored sizes disagree", [](auto& z, auto& l) { Put32(z, l.centralRecords[0] + 24, 4); }},
        {"spanned archive", [](auto& z, auto& l) { Put16(z, l.endRecord + 4, 1); }},
        {"broken record signature", [](auto& z, auto& l) { z[l.centralRecords[1]] ^= 0xFF; }},
    };
    for (const Damage& damage : cases) {
        ZipLayout layout;
        auto zip = BuildZip({{"a.png", Bytes("hello"), false}, {"b.png", Repetitive(), true}}, &layout);
        damage.apply(zip, layout);
        EXPECT_FALSE(ReadZipDirectory(zip)) << damage.what;
    }
}

// Sizes that lie about the data, or data that does not match its checksum,
// are caught when the entry is extracted; the other entries stay readable.
TEST(ZipReader, ExtractRefusesLyingEntries)
{
    const std::vector<Damage> cases = {
        {"inflates to more than stated", [](auto& z, auto& l) { Put32(z, l.centralRecords[1] + 24, 4000); }},
        {"inflates to less than stated", [](auto& z, auto& l) { Put32(z, l.centralRecords[1] + 24, 6000); }},
        {"checksum differs", [](auto& z, auto& l) { Put32(z, l.centralRecords[1] + 16, 0x12345678); }},
        {"corrupt deflate data", [](auto& z, auto& l) { z[l.localHeaders[1] + 36] ^= 0x55; z[l.localHeaders[1] + 40] ^= 0xAA; }},
    };
    for (const Damage& damage : cases) {
        ZipLayout layout;
        auto zip = BuildZip({{"a.png", Bytes("hello"), false}, {"b.png", Repetitive(), true}}, &layout);
        damage.apply(zip, layout);
        const auto entries = ReadZipDirectory(zip);
        ASSERT_TRUE(entries) << damage.what;
        EXPECT_FALSE(ExtractZipEntry(zip, (*entries)[1])) << damage.what;
        EXPECT_EQ(ExtractZipEntry(zip, (*entries)[0]), Bytes("hello")) << damage.what;
    }
}

TEST(ZipReader, ExtractRefusesAnEntryOutsideTheArchive)
{
    const auto zip = BuildZip({{"a.png", Bytes("hello"), false}});
    ZipEntry forged = (*ReadZipDirectory(zip))[0];
    forged.dataOffset = zip.size() - 2;
    EXPECT_FALSE(ExtractZipEntry(zip, forged));
    forged.dataOffset = ~std::uint64_t{0} - 1;
    EXPECT_FALSE(ExtractZipEntry(zip, forged));
}

}  // namespace
}  // namespace dravolt::brennix
