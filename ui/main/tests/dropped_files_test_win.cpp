// What a drop on the page list imports, from a real folder tree under Wine.
#include "ui/main/dropped_files_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace dravolt::mainui {
namespace {

namespace fs = std::filesystem;

class DroppedFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / (L"dravolt-drop-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(root_);
        for (const wchar_t* name : {L"loose.png", L"scan.TIF", L"notes.txt", L"folder/A.JPG", L"folder/readme.txt",
                                    L"folder/deep/inner.jpg"})
            Touch(root_ / name);
        fs::create_directories(root_ / L"empty");
    }
    void TearDown() override { fs::remove_all(root_); }

    static void Touch(const fs::path& path)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }
    std::wstring At(const wchar_t* name) const { return (root_ / name).make_preferred().wstring(); }

    fs::path root_;
};

TEST_F(DroppedFolderTest, FilesAndFoldersGiveTheirImagesInDropOrder)
{
    const std::vector<std::wstring> dropped{At(L"loose.png"), At(L"folder"),   At(L"empty"),
                                            At(L"scan.TIF"),  At(L"notes.txt"), At(L"gone.gif")};
    // Only the folder's own image is taken, not its subfolder's; a path that
    // no longer exists is still handed on by name (the import skips it).
    const std::vector<std::wstring> expected{At(L"loose.png"), At(L"folder\\A.JPG"), At(L"scan.TIF"),
                                             At(L"gone.gif")};
    EXPECT_EQ(CollectDroppedImages(dropped), expected);
}

TEST_F(DroppedFolderTest, AFolderWithATrailingSeparatorIsSearchedToo)
{
    EXPECT_EQ(CollectDroppedImages({At(L"folder") + L"\\"}), std::vector<std::wstring>{At(L"folder\\A.JPG")});
}

}  // namespace
}  // namespace dravolt::mainui
