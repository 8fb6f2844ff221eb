#include "import/import_run.h"

#include <gtest/gtest.h>

#include <fstream>

#include "import/tests/import_fixtures.h"

namespace dravolt {
namespace {

using namespace test;

class ImportRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        sources_ = FreshFolder(name + "-sources");
        work_ = FreshFolder(name + "-work");
        WriteJpeg(sources_ / "colour.jpg", ColourImage(96, 64));
        WriteTiff(sources_ / "grey.tif", GreyImage(96, 64));
        WriteTiff(sources_ / "bw.tif", OneBitImage(96, 64));
    }
    std::wstring Source(const char* name) const { return (sources_ / name).wstring(); }

    fs::path sources_, work_;
};

struct Expect {
    const char* source;
    int mode;
    bool enhance;
    const char* result;  // "copy", "jpeg" (24-bit, quality 80), "grey jpeg", "tiff2" (1-bit CCITT)
};

TEST_F(ImportRun, ColourModeAndEnhanceDecideCopyJpegOrTiff)
{
    const std::vector<Expect> table = {
        {"colour.jpg", 0, false, "copy"},     {"colour.jpg", 0, true, "jpeg"},
        {"colour.jpg", 1, false, "grey jpeg"}, {"colour.jpg", 1, true, "grey jpeg"},
        {"colour.jpg", 2, false, "tiff2"},    {"colour.jpg", 2, true, "tiff2"},
        {"colour.jpg", 7, true, "jpeg"},      {"colour.jpg", -1, false, "jpeg"},
        {"grey.tif", 0, false, "copy"},       {"grey.tif", 0, true, "grey jpeg"},
        {"grey.tif", 1, false, "grey jpeg"},  {"grey.tif", 2, true, "tiff2"},
        {"bw.tif", 0, false, "copy"},         {"bw.tif", 0, true, "tiff2"},
        {"bw.tif", 1, true, "grey jpeg"},     {"bw.tif", 2, false, "tiff2"},
    };
    for (const auto& e : table) {
        SCOPED_TRACE(std::string(e.source) + " mode " + std::to_string(e.mode) +
                     (e.enhance ? " enhance" : ""));
        const auto before = Bytes(sources_ / e.source);
        CopyingTarget target(work_);
        const auto result = RunImport({Source(e.source)}, {e.mode, e.enhance}, target, {});
        ASSERT_EQ(result.pagesAdded, 1);
        const fs::path page = target.pages.at(0);
        EXPECT_EQ(page.filename(), e.source);  // the name stays whatever the content
        EXPECT_EQ(Bytes(sources_ / e.source), before) << "the source was modified";

        const std::string want = e.result;
        const PageFileFacts facts = ReadFacts(page);
        if (want == "copy") {
            EXPECT_EQ(Bytes(page), before);
        } else if (want == "tiff2") {
            EXPECT_EQ(facts.format, "tiff");
            EXPECT_EQ(facts.bpp, 1);
            EXPECT_EQ(facts.tiffCompression, 2);
        } else {
            EXPECT_EQ(facts.format, "jpeg");
            EXPECT_EQ(facts.bpp, 24);
            EXPECT_EQ(facts.jpegLuminanceDc, 6) << "not quality 80";
            EXPECT_EQ(facts.greyPixels, want == "grey jpeg");
        }
    }
}

TEST_F(ImportRun, MixedBatchReportsAndRemovesWhatGaveNoPage)
{
    std::ofstream(sources_ / "notes.txt") << "not an image";
    const std::vector<std::wstring> batch = {Source("colour.jpg"), Source("missing.jpg"),
                                             Source("notes.txt"), Source("bw.tif")};
    CopyingTarget target(work_);
    const auto result = RunImport(batch, {kGrayscale, true}, target, {});
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.pagesAdded, 2);
    EXPECT_EQ(result.notImported, (std::vector<std::wstring>{batch[1], batch[2]}));
    EXPECT_FALSE(fs::exists(work_ / "notes.txt")) << "junk copy left in the working folder";
    EXPECT_EQ(NotImportedMessage(result.notImported),
              L"2 files could not be imported:\r\nmissing.jpg\r\nnotes.txt");
}

TEST_F(ImportRun, ProgressCancelAndExceptions)
{
    const std::vector<std::wstring> five(5, Source("colour.jpg"));
    std::vector<int> seen;
    ImportHooks hooks;
    hooks.setProgress = [&](int p) { seen.push_back(p); };
    CopyingTarget all(work_);
    RunImport({five.begin(), five.begin() + 3}, {0, false}, all, hooks);
    EXPECT_EQ(seen, (std::vector<int>{0, 33, 66, 100}));

    int polls = 0;
    hooks.cancelRequested = [&] { return ++polls > 2; };
    CopyingTarget cancelled(work_);
    const auto stopped = RunImport(five, {0, false}, cancelled, hooks);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.failed);
    EXPECT_EQ(stopped.pagesAdded, 2);

    ImportHooks throwing;
    throwing.convert = [](const std::wstring&, const ImportOptions&) -> PageFileConversion {
        throw std::bad_alloc();
    };
    CopyingTarget broken(work_);
    EXPECT_TRUE(RunImport(five, {1, false}, broken, throwing).failed);
}

TEST(ImportMessage, CountsAllAndNamesTheFirstFive)
{
    EXPECT_EQ(NotImportedMessage({}), L"");
    EXPECT_EQ(NotImportedMessage({L"C:\\a\\x.png"}), L"1 file could not be imported:\r\nx.png");
    const std::vector<std::wstring> seven = {L"1", L"2", L"3", L"4", L"5", L"6", L"7"};
    EXPECT_EQ(NotImportedMessage(seven),
              L"7 files could not be imported:\r\n1\r\n2\r\n3\r\n4\r\n5\r\n...");
}

}  // namespace
}  // namespace dravolt
