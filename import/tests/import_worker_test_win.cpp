// The import worker end to end: a mixed batch of sources through the real
// working folder into a page list, on the task's own thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "app/page_file_store_win.h"
#include "document/tests/page_fixtures.h"
#include "import/import_images_worker_win.h"

namespace dravolt {
namespace {

namespace fs = std::filesystem;

struct ImportWorkerTest : testing::Test {
    test::PageFolder sources;
    test::VectorRows rows;
    test::RecordingOwner owner;
    CPageList pages{rows, owner};

    void SetUp() override { ASSERT_TRUE(CPageFileStore::Instance().Prepare()); }

    TaskProgress Import(CImportImagesWorker& worker)
    {
        EXPECT_TRUE(worker.Start());
        worker.WaitForEnd();
        TaskProgress record;
        EXPECT_TRUE(worker.QueryProgress(&record));
        return record;
    }
    std::wstring WriteJunk(const wchar_t* name)
    {
        const fs::path path = sources.Path() / name;
        std::ofstream(path, std::ios::binary) << "not an image at all";
        return path.wstring();
    }
};

TEST_F(ImportWorkerTest, AMixedBatchAddsTheImagesAndNamesTheFilesThatGaveNoPage)
{
    const std::vector<std::wstring> files = {
        sources.Write(L"colour.jpg", test::ColourPage(120, 160)),
        WriteJunk(L"notes.jpg"),
        sources.Write(L"lineart.tif", test::OneBitPage(128, 96), true),
        (sources.Path() / L"gone.png").wstring(),
        sources.Write(L"second.jpg", test::ColourPage(80, 60)),
    };
    std::vector<std::vector<std::uint8_t>> before;
    for (const auto& file : files)
        before.push_back(fs::exists(file) ? test::FileBytes(file) : std::vector<std::uint8_t>{});

    CImportImagesWorker worker;
    worker.pageList = &pages;
    worker.sourceFiles = &files;
    worker.autoEnhance = true;
    worker.colourMode = kNoChange;
    const TaskProgress record = Import(worker);

    EXPECT_FALSE(record.failed);
    EXPECT_EQ(record.progress, 100);
    EXPECT_EQ(worker.Result().pagesAdded, 3);
    EXPECT_EQ(worker.Result().notImported, (std::vector<std::wstring>{files[1], files[3]}));
    EXPECT_EQ(worker.NotImportedText(), L"2 files could not be imported:\r\nnotes.jpg\r\ngone.png");
    ASSERT_EQ(rows.keys.size(), 3u);
    const std::wstring folder = CPageFileStore::Instance().Folder();
    for (const auto& key : rows.keys) {
        EXPECT_EQ(key.rfind(folder, 0), 0u) << "page files live in the working folder";
        EXPECT_FALSE(pages.Collection().Find(key)->NeedsWriteBack()) << "just written";
    }
    EXPECT_FALSE(fs::exists(fs::path(folder) / L"notes.jpg")) << "no junk copy is left";
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!before[i].empty()) {
            EXPECT_EQ(test::FileBytes(files[i]), before[i]) << "sources are never modified";
        }
    }
}

TEST_F(ImportWorkerTest, WithoutAFileListTheTaskFails)
{
    CImportImagesWorker worker;
    worker.pageList = &pages;
    const TaskProgress record = Import(worker);
    EXPECT_TRUE(record.failed);
    EXPECT_TRUE(rows.keys.empty());
}

}  // namespace
}  // namespace dravolt
