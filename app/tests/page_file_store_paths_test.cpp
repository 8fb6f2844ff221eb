// Path helpers and names of the working folder.
#include <gtest/gtest.h>

#include "app/page_file_store_paths.h"

namespace dravolt {
namespace {

TEST(PathHelpers, FolderFileNameAndExtension) {
    struct Case {
        const wchar_t* path;
        const wchar_t* folder;
        const wchar_t* name;
        const wchar_t* extension;
    };
    const Case cases[] = {
        {L"C:\\scans\\page.one.jpg", L"C:\\scans\\", L"page.one.jpg", L".jpg"},
        {L"C:\\scans/page.png", L"C:\\", L"page.png", L".png"},
        {L"page", L"", L"page", L""},
        {L"C:\\dir.d\\noext", L"C:\\dir.d\\", L"noext", L""},
        {L"C:\\x\\my file. old", L"C:\\x\\", L"my file. old", L""},
        {L"C:\\x\\", L"C:\\x\\", L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderOfPath(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNameOfPath(c.path), c.name) << c.path;
        EXPECT_EQ(ExtensionOfPath(c.path), c.extension) << c.path;
    }
}

TEST(PathHelpers, ParentFolderName) {
    EXPECT_EQ(ParentFolderName(L"C:\\photos\\holiday\\a.jpg"), L"holiday");
    EXPECT_EQ(ParentFolderName(L"C:\\a.jpg"), L"C");
    EXPECT_EQ(ParentFolderName(L"a.jpg"), L"");
    EXPECT_EQ(ParentFolderName(L"\\a.jpg"), L"");
    EXPECT_EQ(ParentFolderName(L"C:\\photos\\"), L"photos");
}

TEST(PathHelpers, NormaliseFolder) {
    EXPECT_EQ(NormaliseFolder(L"C:/Temp\\\\work/sub"), L"C:\\Temp\\work\\sub\\");
    EXPECT_EQ(NormaliseFolder(L"\\\\server\\share\\"), L"\\server\\share\\");
    EXPECT_EQ(NormaliseFolder(L"C:\\Temp/"), L"C:\\Temp\\");
    // Pairs are collapsed without overlap: three backslashes become two.
    EXPECT_EQ(NormaliseFolder(L"a\\\\\\b"), L"a\\\\b\\");
    EXPECT_EQ(NormaliseFolder(L""), L"");
}

TEST(PathHelpers, JoinPath) {
    EXPECT_EQ(JoinPath(L"C:\\Users\\Public\\Documents", L"x.pdf"), L"C:\\Users\\Public\\Documents\\x.pdf");
    EXPECT_EQ(JoinPath(L"C:\\", L"x.pdf"), L"C:\\x.pdf");
}

TEST(StoreNames, DefaultPdfNameCarriesMonthDayAndNumber) {
    EXPECT_EQ(DefaultPdfName(3, 7, 1), L"Velquin_Pellmar_3.7(1).pdf");
    EXPECT_EQ(DefaultPdfName(12, 31, 2), L"Velquin_Pellmar_12.31(2).pdf");
}

TEST(StoreNames, TimeUniqueNameHasNoLeadingZeros) {
    EXPECT_EQ(TimeUniqueName({2024, 3, 7, 9, 5, 0, 42}), L"2024-3-7-9-5-0-42");
}

TEST(StoreNames, OnlyOtherImageFormatsAreConverted) {
    EXPECT_EQ(ChooseImportAction(SourceKind::Jpeg), ImportAction::CopyBytes);
    EXPECT_EQ(ChooseImportAction(SourceKind::Tiff), ImportAction::CopyBytes);
    EXPECT_EQ(ChooseImportAction(SourceKind::NotRecognised), ImportAction::CopyBytes);
    EXPECT_EQ(ChooseImportAction(SourceKind::OtherImage), ImportAction::ConvertToJpeg);
}

}  // namespace
}  // namespace dravolt
