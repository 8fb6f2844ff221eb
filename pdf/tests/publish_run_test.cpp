#include "pdf/publish_run.h"

#include <gtest/gtest.h>

#include "pdf/tests/publish_fakes.h"

namespace dravolt {
namespace {

using test::FixedPages;
using test::RecordingWriter;
using Calls = std::vector<std::string>;

const PageSetup kA4Portrait10{210, 297, 10, 10, 10, 10, true};

PublishHooks TiffByName()
{
    PublishHooks hooks;
    hooks.isTiff = [](const std::wstring& path) { return path.find(L"bw") != std::wstring::npos; };
    return hooks;
}

TEST(PublishRun, A4PortraitWithMarginsPlacesEachPageAndUsesTheTiffCallByContent)
{
    FixedPages pages({PublishPage{L"scan.jpg", 1654, 2339}, PublishPage{L"bw", 400, 300}});
    RecordingWriter writer;
    const auto result = RunPublish(kA4Portrait10, L"out.pdf", pages, writer, TiffByName());
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.pagesWritten, 2);
    EXPECT_EQ(writer.calls, (Calls{"Init out.pdf", "Begin 595,841", "Image 28,801,538,761 scan.jpg",
                                   "End", "Begin 595,841", "Tiff 97,570,400,300 bw", "End",
                                   "Finish"}));
}

TEST(PublishRun, ImageSizeModeAndTurnedTableEntry)
{
    FixedPages pages({PublishPage{L"a", 800, 600}});
    RecordingWriter imageSize;
    RunPublish({-1, -1, 0, 0, 0, 0, false}, L"o", pages, imageSize, {});
    EXPECT_EQ(imageSize.calls[1], "Begin 800,600");
    EXPECT_EQ(imageSize.calls[2], "Image 0,600,800,600 a");

    RecordingWriter turned;
    RunPublish({297, 210, 0, 0, 0, 0, true}, L"o", pages, turned, {});
    EXPECT_EQ(turned.calls[1], "Begin 595,841");
}

TEST(PublishRun, NoPagesFailsWithoutCallingTheWriter)
{
    FixedPages none({});
    RecordingWriter writer;
    EXPECT_TRUE(RunPublish(kA4Portrait10, L"o", none, writer, {}).failed);
    EXPECT_TRUE(writer.calls.empty());
}

TEST(PublishRun, RowsWithoutPageOrAreaAreSkippedAndAllSkippedIsFailure)
{
    FixedPages gaps({std::nullopt, PublishPage{L"zero", 0, 10}, PublishPage{L"a", 10, 10}});
    RecordingWriter writer;
    const auto result = RunPublish(kA4Portrait10, L"o", gaps, writer, {});
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(writer.calls, (Calls{"Init o", "Begin 595,841", "Image 292,425,10,10 a", "End",
                                   "Finish"}));

    FixedPages nothingUsable({std::nullopt, PublishPage{L"zero", 0, 0}});
    RecordingWriter untouched;
    EXPECT_TRUE(RunPublish(kA4Portrait10, L"o", nothingUsable, untouched, {}).failed);
    EXPECT_TRUE(untouched.calls.empty());
}

TEST(PublishRun, CancelFinishesWithThePagesWrittenAndSucceeds)
{
    FixedPages pages({PublishPage{L"1", 10, 10}, PublishPage{L"2", 10, 10}, PublishPage{L"3", 10, 10}});
    RecordingWriter writer;
    PublishHooks hooks;
    int polls = 0;
    hooks.cancelRequested = [&] { return ++polls > 2; };
    const auto result = RunPublish({-1, -1, 0, 0, 0, 0, true}, L"o", pages, writer, hooks);
    EXPECT_FALSE(result.failed);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.pagesWritten, 2);
    EXPECT_EQ(pages.prepared, (std::vector<int>{0, 1}));
    EXPECT_EQ(writer.calls.back(), "Finish");
}

TEST(PublishRun, CancelBeforeAnyPageWritesNothingAndIsNoSuccess)
{
    FixedPages pages({PublishPage{L"1", 10, 10}});
    RecordingWriter writer;
    PublishHooks hooks;
    hooks.cancelRequested = [] { return true; };
    const auto result = RunPublish(kA4Portrait10, L"o", pages, writer, hooks);
    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(writer.calls.empty());
}

TEST(PublishRun, WriterFailureEndsPageAndDocumentOnceEachEvenWhenTheyThrowToo)
{
    struct Case {
        std::set<std::size_t> throwAt;
        Calls expected;
    };
    const std::vector<Case> cases = {
        // The image call fails: the page and the document are ended.
        {{2}, {"Init o", "Begin 10,10", "Image 0,10,10,10 1", "End", "Finish"}},
        // ... and the clean-up calls fail as well: still no exception.
        {{2, 3, 4}, {"Init o", "Begin 10,10", "Image 0,10,10,10 1", "End", "Finish"}},
        // The final Finish fails: it is tried once more by the clean-up.
        {{7}, {"Init o", "Begin 10,10", "Image 0,10,10,10 1", "End", "Begin 10,10",
               "Image 0,10,10,10 2", "End", "Finish", "End", "Finish"}},
        // Init fails.
        {{0}, {"Init o", "End", "Finish"}},
    };
    for (const auto& c : cases) {
        FixedPages pages({PublishPage{L"1", 10, 10}, PublishPage{L"2", 10, 10}});
        RecordingWriter writer;
        writer.throwAt = c.throwAt;
        PublishResult result;
        ASSERT_NO_THROW(result = RunPublish({-1, -1, 0, 0, 0, 0, true}, L"o", pages, writer, {}));
        EXPECT_TRUE(result.failed);
        EXPECT_EQ(writer.calls, c.expected);
    }
}

TEST(PublishRun, ProgressIsTruncatedPerRowAndEndsAt100)
{
    FixedPages pages({PublishPage{L"1", 10, 10}, PublishPage{L"2", 10, 10}, PublishPage{L"3", 10, 10}});
    RecordingWriter writer;
    std::vector<int> seen;
    PublishHooks hooks;
    hooks.setProgress = [&](int p) { seen.push_back(p); };
    RunPublish({-1, -1, 0, 0, 0, 0, true}, L"o", pages, writer, hooks);
    EXPECT_EQ(seen, (std::vector<int>{0, 33, 66, 100}));
}

}  // namespace
}  // namespace dravolt
