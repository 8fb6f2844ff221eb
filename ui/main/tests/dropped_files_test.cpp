#include "ui/main/dropped_files.h"

#include <gtest/gtest.h>

namespace dravolt::mainui {
namespace {

struct DropCase {
    const wchar_t* path;
    bool imported;
};

TEST(DroppedFiles, ImportsImageNamesWhateverTheirCase)
{
    const DropCase cases[] = {
        {L"C:\\scans\\scan.TIF", true},   {L"C:\\scans\\page.tiff", true}, {L"photo.JPEG", true},
        {L"photo.jpg", true},             {L"a.Png", true},                {L"b.gif", true},
        {L"c.bmp", true},                 {L"notes.txt", false},           {L"tif", false},
        {L"C:\\folder.png\\readme", false}, {L"", false},
    };
    for (const DropCase& drop : cases) {
        std::vector<std::wstring> files;
        AppendDroppedImageFile(drop.path, files);
        EXPECT_EQ(files.size(), drop.imported ? 1u : 0u) << std::wstring(drop.path).size();
    }
}

TEST(DroppedFiles, KeepsTheDropOrder)
{
    std::vector<std::wstring> files;
    for (const wchar_t* path : {L"b.png", L"skip.doc", L"a.bmp"})
        AppendDroppedImageFile(path, files);
    EXPECT_EQ(files, (std::vector<std::wstring>{L"b.png", L"a.bmp"}));
}

}  // namespace
}  // namespace dravolt::mainui
