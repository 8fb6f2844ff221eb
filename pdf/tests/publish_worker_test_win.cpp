// The publish worker end to end: generated page files in a real page list,
// the writer library loaded from its DLL and bound as the program binds it,
// the task run on its own thread. The PDFs are left in worker_pdfs beside
// the test program, where the ctest wrapper checks them with qpdf, poppler
// and MuPDF.
#include <gtest/gtest.h>

#include <windows.h>
#include <gdiplus.h>

#include <filesystem>

#include "document/tests/page_fixtures.h"
#include "pdf/pdf_publish_worker_win.h"
#include "pdf/pdf_writer_binding.h"

namespace dravolt {
namespace {

namespace fs = std::filesystem;

fs::path OutputFolder()
{
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    return fs::path(module).parent_path() / L"worker_pdfs";
}

// The writer DLL and GDI+, for the whole program.
class WriterEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        library_ = LoadLibraryW(L"Quorlet.dll");
        ASSERT_NE(library_, nullptr) << "Quorlet.dll beside the test program";
        auto lookup = [this](const char* name) {
            return reinterpret_cast<void*>(GetProcAddress(library_, name));
        };
        ThePdfWriter() = BindPdfWriter(lookup);
        ThePdfWriterWide() = BindPdfWriterWide(lookup);
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr), Gdiplus::Ok);
        fs::remove_all(OutputFolder());
    }
    void TearDown() override
    {
        Gdiplus::GdiplusShutdown(gdiplusToken_);
        ThePdfWriter() = {};
        ThePdfWriterWide() = {};
        FreeLibrary(library_);
    }

private:
    HMODULE library_ = nullptr;
    ULONG_PTR gdiplusToken_ = 0;
};
const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new WriterEnvironment);

// Rows that ask the task to stop while the given row is being read, as the
// wait dialog's poll would: that row is still written, the next is not.
struct CancellingRows : test::VectorRows {
    ITaskable* task = nullptr;
    int cancelAtRow = -1;
    std::wstring RowKey(int row) const override
    {
        if (task && row == cancelAtRow) {
            TaskProgress record;
            record.cancel = true;
            task->QueryProgress(&record);
        }
        return VectorRows::RowKey(row);
    }
};

struct PublishWorkerTest : testing::Test {
    test::PageFolder folder;
    CancellingRows rows;
    test::RecordingOwner owner;
    CPageList pages{rows, owner};

    // A colour JPEG, an extension-less JPEG, a one-bit TIFF and a colour
    // JPEG under a ".tif" name: the TIFF call only for the real TIFF.
    void AddMixedPages()
    {
        ASSERT_EQ(pages.AddPage(folder.Write(L"colour.jpg", test::ColourPage(1654, 2339))), 0);
        ASSERT_EQ(pages.AddPage(folder.Write(L"noextension", test::ColourPage(400, 300))), 1);
        ASSERT_EQ(pages.AddPage(folder.Write(L"bw.tif", test::OneBitPage(640, 480), true)), 2);
        ASSERT_EQ(pages.AddPage(folder.Write(L"colour-named.tif", test::ColourPage(300, 400))), 3);
    }

    TaskProgress Publish(CPDFPublishWorker& worker, PdfOutputSettings settings, const wchar_t* name)
    {
        settings.outputPath = (OutputFolder() / name).wstring();
        worker.Init(settings, pages);
        EXPECT_TRUE(worker.Start());
        worker.WaitForEnd();
        TaskProgress record;
        EXPECT_TRUE(worker.QueryProgress(&record));
        return record;
    }
};

TEST_F(PublishWorkerTest, WritesEveryPageForA4AndForImageSize)
{
    AddMixedPages();
    ASSERT_TRUE(ThePdfWriterWide().Complete()) << "the DLL's wide twins are preferred";
    EXPECT_TRUE(IsTiffByGdiplus(pages.PageAt(2)->GetFilePath()));
    EXPECT_FALSE(IsTiffByGdiplus(pages.PageAt(3)->GetFilePath())) << "named .tif, holds JPEG";
    EXPECT_FALSE(IsTiffByGdiplus(L"Z:\\no\\such\\file"));

    struct Case {
        PdfOutputSettings settings;
        const wchar_t* name;
    };
    const Case cases[] = {
        {{210, 297, 10, 10, 10, 10, true, {}}, L"a4-portrait-10mm.pdf"},
        {{-1, -1, 0, 0, 0, 0, true, {}}, L"image-size.pdf"},
    };
    for (const Case& c : cases) {
        CPDFPublishWorker worker;
        const TaskProgress record = Publish(worker, c.settings, c.name);
        EXPECT_FALSE(record.failed) << c.name;
        EXPECT_EQ(record.progress, 100);
        EXPECT_EQ(worker.Result().pagesWritten, 4) << c.name;
        EXPECT_TRUE(fs::exists(OutputFolder() / c.name));
    }
}

TEST_F(PublishWorkerTest, CancelDuringTheThirdRowSucceedsWithThreePages)
{
    AddMixedPages();
    CPDFPublishWorker worker;
    rows.task = &worker;
    rows.cancelAtRow = 2;
    const TaskProgress record = Publish(worker, {-1, -1, 0, 0, 0, 0, true, {}}, L"cancelled.pdf");
    EXPECT_FALSE(record.failed) << "a cancelled save counts as successful";
    EXPECT_TRUE(worker.Result().cancelled);
    EXPECT_EQ(worker.Result().pagesWritten, 3);
}

TEST_F(PublishWorkerTest, NoPagesFailsAndWritesNoFile)
{
    CPDFPublishWorker worker;
    const TaskProgress record = Publish(worker, {210, 297, 0, 0, 0, 0, true, {}}, L"none.pdf");
    EXPECT_TRUE(record.failed);
    EXPECT_EQ(record.progress, 100);
    EXPECT_FALSE(fs::exists(OutputFolder() / L"none.pdf"));
}

TEST_F(PublishWorkerTest, AnEditedPageIsWrittenBackBeforeItIsPublished)
{
    AddMixedPages();
    pages.SelectPage(1);
    CPageItem* page = pages.PageAt(1);
    ASSERT_NE(page, nullptr);
    page->SetImage(test::ColourPage(200, 150));
    ASSERT_TRUE(page->NeedsWriteBack());
    CPDFPublishWorker worker;
    EXPECT_FALSE(Publish(worker, {-1, -1, 0, 0, 0, 0, true, {}}, L"edited.pdf").failed);
    const auto written = CPageItem::Create({90, 95}, nullptr, page->GetFilePath());
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->ImageWidth(), 200) << "the edit reached the page file before the PDF";
    EXPECT_TRUE(page->NeedsWriteBack()) << "the flag stays for the page list";
}

}  // namespace
}  // namespace dravolt
