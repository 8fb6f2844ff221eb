#include "document/page_item.h"

#include <gtest/gtest.h>

#include "document/page_file_format.h"
#include "document/tests/page_fixtures.h"
#include "imaging/decode.h"
#include "imaging/encode.h"

namespace dravolt {
namespace {

using imaging::ImageFormat;
using test::FileBytes;

TEST(PageFileFormat, TiffForOneBitOrTifInThePathElseJpeg)
{
    const struct {
        const wchar_t* path;
        int bpp;
        PageFileFormat want;
    } cases[] = {
        {L"C:\\work\\page0001", 24, PageFileFormat::Jpeg80},
        {L"C:\\work\\page0001", 8, PageFileFormat::Jpeg80},
        {L"C:\\work\\page0001", 1, PageFileFormat::UncompressedTiff},
        {L"C:\\work\\page.jpg", 1, PageFileFormat::UncompressedTiff},
        {L"C:\\scans.tif\\page0001", 24, PageFileFormat::UncompressedTiff},
        {L"C:\\work\\page.tiff", 24, PageFileFormat::UncompressedTiff},
        {L"C:\\work\\page.TIF", 24, PageFileFormat::Jpeg80},  // case-sensitive
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bpp);
        EXPECT_EQ(ChooseWriteBackFormat(c.path, c.bpp), c.want);
    }
}

struct PageItemTest : testing::Test {
    test::PageFolder folder;
    test::RecordingOwner owner;
    std::unique_ptr<CPageItem> Load(const std::wstring& path)
    {
        return CPageItem::Create({90, 95}, &owner, path);
    }
};

TEST_F(PageItemTest, CreateDecodesTheFileOrGivesNone)
{
    const std::wstring path = folder.Write(L"page0001", test::ColourPage(64, 48));
    auto page = Load(path);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->ImageWidth(), 64);
    EXPECT_EQ(page->ImageHeight(), 48);
    EXPECT_EQ(page->XDpi(), 300);
    EXPECT_FALSE(page->NeedsWriteBack());
    EXPECT_EQ(page->Thumbnail().Width(), 90);
    EXPECT_EQ(page->Thumbnail().Height(), 95);

    test::PageFolder other;
    const std::wstring junk = (other.Path() / "junk").wstring();
    imaging::WriteFileBytes(junk, std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'a', 'n'});
    EXPECT_FALSE(Load(junk));
    EXPECT_FALSE(Load((other.Path() / "missing").wstring()));
}

// Merely looking at a page must not re-encode the user's scan.
TEST_F(PageItemTest, AViewedPageKeepsItsFileByteForByte)
{
    const std::wstring path = folder.Write(L"page0001", test::ColourPage(64, 48));
    const auto before = FileBytes(path);
    auto page = Load(path);
    for (int visit = 0; visit < 3; ++visit) {
        page->Select();
        EXPECT_TRUE(page->HasFullImage());
        const auto shown = page->SharedFullImage();  // as a viewer keeps it
        page->Deselect();
        EXPECT_FALSE(page->HasFullImage());
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->Width(), 64) << "a viewer's image outlives the page letting it go";
    }
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_TRUE(owner.failures.empty());
}

TEST_F(PageItemTest, AnEditedPageIsWrittenBackOnce)
{
    const std::wstring path = folder.Write(L"page0001", test::ColourPage(64, 48));
    auto page = Load(path);
    page->Select();
    page->Rotate(true);
    EXPECT_TRUE(page->NeedsWriteBack());
    EXPECT_EQ(page->ImageWidth(), 48);
    EXPECT_EQ(owner.viewerRedraws, 1);
    page->Deselect();
    EXPECT_FALSE(page->NeedsWriteBack());
    EXPECT_FALSE(page->HasFullImage());
    EXPECT_EQ(page->ImageWidth(), 48) << "the size of the written file, without its image";
    EXPECT_EQ(page->ImageHeight(), 64);
    const auto written = FileBytes(path);
    const imaging::Image reread = imaging::DecodeFile(path);
    EXPECT_EQ(reread.Width(), 48);
    EXPECT_EQ(reread.Height(), 64);
    EXPECT_EQ(reread.XDpi(), 300);
    // Selecting it again reloads it; leaving it again writes nothing.
    page->Select();
    EXPECT_EQ(page->ImageWidth(), 48);
    page->Deselect();
    EXPECT_EQ(FileBytes(path), written);
}

TEST_F(PageItemTest, RotatingAPageThatIsNotSelectedDoesNothing)
{
    const std::wstring path = folder.Write(L"page0001", test::ColourPage(64, 48));
    auto page = Load(path);
    page->Rotate(false);
    EXPECT_EQ(page->ImageWidth(), 64);
    EXPECT_FALSE(page->NeedsWriteBack());
}

TEST_F(PageItemTest, WriteBackFormatFollowsDepthAndPath)
{
    const struct {
        const wchar_t* name;
        bool oneBit;
        ImageFormat want;
    } cases[] = {
        {L"page0001", false, ImageFormat::Jpeg},
        {L"page0002", true, ImageFormat::Tiff},        // one-bit, name says nothing
        {L"page0003.jpg", true, ImageFormat::Tiff},    // one-bit whatever the name
        {L"scans.tif/page0004", false, ImageFormat::Tiff},  // colour, ".tif" in the folder
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.oneBit);
        const imaging::Image source = c.oneBit ? test::OneBitPage(64, 48) : test::ColourPage(64, 48);
        const std::wstring path = folder.Write(c.name, source, c.oneBit);
        auto page = Load(path);
        ASSERT_TRUE(page);
        page->Select();
        page->Rotate(true);
        page->Deselect();
        const auto bytes = FileBytes(path);
        EXPECT_EQ(imaging::DetectFormat(bytes), c.want);
        if (c.want == ImageFormat::Tiff) {
            // Uncompressed: at least every pixel's bits are in the file.
            const std::size_t rasterBytes = c.oneBit ? 64 * 48 / 8 : 64 * 48 * 3;
            EXPECT_GE(bytes.size(), rasterBytes);
            EXPECT_EQ(imaging::DecodeFile(path).Bpp(), c.oneBit ? 1 : 24);
        }
    }
}

TEST_F(PageItemTest, FailedWriteBackKeepsTheEditAndTellsOnce)
{
    const std::wstring path = folder.Write(L"page0001", test::ColourPage(64, 48));
    auto page = Load(path);
    page->Select();
    page->Rotate(true);
    // The page file's place is taken by a folder: the write must fail.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        page->Deselect();
        EXPECT_TRUE(page->NeedsWriteBack());
        EXPECT_TRUE(page->HasFullImage());
        EXPECT_EQ(page->ImageWidth(), 48);
        page->Select();
    }
    EXPECT_EQ(owner.failures, std::vector<std::wstring>{path});
    // Once the place is free again the kept edit is saved.
    std::filesystem::remove(path);
    page->Deselect();
    EXPECT_FALSE(page->NeedsWriteBack());
    EXPECT_EQ(imaging::DecodeFile(path).Width(), 48);
}

TEST_F(PageItemTest, ThumbnailCentresSmallImagesOnGreyAndGreysOneBitPages)
{
    const imaging::Rgba grey{100, 100, 100, 255};
    auto tiny = Load(folder.Write(L"tiny", test::ColourPage(10, 6), true));
    ASSERT_TRUE(tiny);
    const imaging::Image& thumb = tiny->Thumbnail();
    EXPECT_EQ(thumb.ColorAt(0, 0), grey);
    EXPECT_EQ(thumb.ColorAt(89, 94), grey);
    // Not enlarged: 10 x 6 pixels at (40, 44), grey around them.
    EXPECT_EQ(thumb.ColorAt(40, 44), tiny->FullImage().ColorAt(0, 0));
    EXPECT_EQ(thumb.ColorAt(49, 49), tiny->FullImage().ColorAt(9, 5));
    EXPECT_EQ(thumb.ColorAt(39, 47), grey);
    EXPECT_EQ(thumb.ColorAt(50, 47), grey);
    EXPECT_EQ(thumb.ColorAt(45, 43), grey);

    auto oneBit = Load(folder.Write(L"onebit", test::OneBitPage(180, 190), true));
    ASSERT_TRUE(oneBit);
    const imaging::Image& bw = oneBit->Thumbnail();
    for (int y = 0; y < bw.Height(); y += 7)
        for (int x = 0; x < bw.Width(); x += 7) {
            const imaging::Rgba c = bw.ColorAt(x, y);
            ASSERT_TRUE(c.r == c.g && c.g == c.b) << x << "," << y;
        }
}

TEST_F(PageItemTest, DeleteImageFileRemovesTheFileAndReportsIgnoringMissingFiles)
{
    const std::wstring path = folder.Write(L"page0001", test::ColourPage(8, 8));
    auto page = Load(path);
    page->DeleteImageFile();
    EXPECT_FALSE(std::filesystem::exists(path));
    page->DeleteImageFile();
    EXPECT_EQ(owner.changes, 2);
}

}  // namespace
}  // namespace dravolt
