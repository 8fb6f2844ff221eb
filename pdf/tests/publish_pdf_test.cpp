// The publish run end to end with the real writer core: generated page
// files in, a PDF out, checked by the independent readers.
#include <gtest/gtest.h>

#include "imaging/decode.h"
#include "pdf/publish_run.h"
#include "quorlet/tests/pdf_tools.h"
#include "quorlet/tests/test_images.h"
#include "quorlet/writer_session.h"

namespace dravolt {
namespace {

namespace qt = quorlet::test;
namespace fs = std::filesystem;

class SessionWriter : public IPublishWriter {
public:
    void InitDoc(const std::wstring& path) override { session_.Init(fs::path(path)); }
    void BeginPage(double w, double h) override { session_.BeginPage(w, h); }
    void InsertImage(double x, double y, double w, double h, const std::wstring& p) override
    {
        session_.InsertImage(x, y, w, h, fs::path(p));
    }
    void InsertTiffImage(double x, double y, double w, double h, const std::wstring& p) override
    {
        session_.InsertImage(x, y, w, h, fs::path(p));
    }
    void EndPage() override { session_.EndPage(); }
    void FinishDoc() override { session_.Finish(); }

private:
    quorlet::WriterSession session_;
};

class Pages : public IPublishPageSource {
public:
    explicit Pages(std::vector<PublishPage> pages) : pages_(std::move(pages)) {}
    int PageCount() override { return static_cast<int>(pages_.size()); }
    std::optional<PublishPage> PreparePage(int row) override { return pages_.at(row); }

private:
    std::vector<PublishPage> pages_;
};

PublishHooks ContentHooks()
{
    PublishHooks hooks;
    hooks.isTiff = [](const std::wstring& path) {
        std::vector<std::uint8_t> bytes;
        return imaging::ReadFileBytes(fs::path(path), bytes) &&
               imaging::DetectFormat(bytes) == imaging::ImageFormat::Tiff;
    };
    return hooks;
}

class PublishPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!qt::ReaderToolsAvailable())
            GTEST_SKIP() << "qpdf, poppler or MuPDF missing";
        folder_ = qt::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        qt::WriteBytes(folder_ / "colour.jpg", qt::MakeJpeg(1654, 2339, 3));
        qt::WriteBytes(folder_ / "noextension", qt::MakeJpeg(400, 300, 3));
        qt::WriteBilevelTiff(folder_ / "bw.tif", 640, 480, 2, 0, 64);
        qt::WriteBytes(folder_ / "colour-named.tif", qt::MakeJpeg(300, 400, 3));
        pages_ = {{Wide("colour.jpg"), 1654, 2339}, {Wide("noextension"), 400, 300},
                  {Wide("bw.tif"), 640, 480}, {Wide("colour-named.tif"), 300, 400}};
    }
    std::wstring Wide(const char* name) const { return (folder_ / name).wstring(); }

    fs::path folder_;
    std::vector<PublishPage> pages_;
};

TEST_F(PublishPdf, A4PortraitAndImageSizeDocumentsAreSound)
{
    struct Case {
        PageSetup setup;
        std::vector<std::pair<double, double>> sizes;
    };
    const std::vector<Case> cases = {
        {{210, 297, 10, 10, 10, 10, true}, {{595, 841}, {595, 841}, {595, 841}, {595, 841}}},
        {{-1, -1, 0, 0, 0, 0, true}, {{1654, 2339}, {400, 300}, {640, 480}, {300, 400}}},
    };
    for (const auto& c : cases) {
        const fs::path out = folder_ / "out.pdf";
        Pages pages(pages_);
        SessionWriter writer;
        const auto result = RunPublish(c.setup, out.wstring(), pages, writer, ContentHooks());
        EXPECT_FALSE(result.failed);
        qt::ExpectSoundPdf(out, c.sizes);
        EXPECT_EQ(qt::ImageEncodings(out),
                  (std::vector<std::string>{"jpeg", "jpeg", "ccitt", "jpeg"}));
    }
}

TEST_F(PublishPdf, CancelInTheMiddleGivesASoundShorterDocument)
{
    const fs::path out = folder_ / "cancelled.pdf";
    Pages pages(pages_);
    SessionWriter writer;
    PublishHooks hooks = ContentHooks();
    int rows = 0;
    hooks.cancelRequested = [&] { return ++rows > 2; };
    EXPECT_FALSE(RunPublish({-1, -1, 0, 0, 0, 0, true}, out.wstring(), pages, writer, hooks).failed);
    qt::ExpectSoundPdf(out, {{1654, 2339}, {400, 300}});
}

TEST_F(PublishPdf, NoPagesFailsAndWritesNoFile)
{
    const fs::path out = folder_ / "none.pdf";
    Pages pages({});
    SessionWriter writer;
    EXPECT_TRUE(RunPublish({210, 297, 0, 0, 0, 0, true}, out.wstring(), pages, writer, {}).failed);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(PublishPdf, AFailingPageKeepsTheEarlierFileAndLeavesNoTemporary)
{
    const fs::path out = folder_ / "kept.pdf";
    qt::WriteText(out, "earlier document");
    qt::WriteText(folder_ / "broken.jpg", "not an image");
    Pages pages({pages_[0], {Wide("broken.jpg"), 10, 10}});
    SessionWriter writer;
    EXPECT_TRUE(RunPublish({-1, -1, 0, 0, 0, 0, true}, out.wstring(), pages, writer, ContentHooks()).failed);
    const auto bytes = qt::ReadBytes(out);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "earlier document");
    // The four page files, the broken one and the kept document: no leftovers.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 6);
}

}  // namespace
}  // namespace dravolt
