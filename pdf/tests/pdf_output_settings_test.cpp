#include "pdf/page_size_choices.h"
#include "pdf/pdf_output_settings.h"

#include <gtest/gtest.h>

namespace dravolt {
namespace {

CPageSizeTable SampleTable()
{
    CPageSizeTable table;
    table.LoadText("Letter[215.9,279.4]\nA4[210,297]\nA4 turned[297,210]\nA5[148,210]\n");
    return table;
}

TEST(PdfOutputSettings, DefaultsAreImageSizeModeWithoutMargins)
{
    const PdfOutputSettings settings;
    EXPECT_LT(settings.pageWidthMm, 0);
    EXPECT_LT(settings.pageHeightMm, 0);
    EXPECT_EQ(settings.leftMm + settings.topMm + settings.rightMm + settings.bottomMm, 0);
    EXPECT_TRUE(settings.portrait);
    EXPECT_TRUE(settings.outputPath.empty());
}

TEST(PdfOutputSettings, SummaryListsSizeAspectMarginsInOrderAndPath)
{
    PdfOutputSettings settings;
    settings.leftMm = 1;
    settings.rightMm = 2.5f;
    settings.topMm = 12.345f;
    settings.bottomMm = 1000;
    settings.outputPath = L"C:\\out\\a.pdf";
    EXPECT_EQ(PdfOutputSummary(L"A4", true, settings),
              L"Current option:\r\nPage Size: A4\r\nPage Aspect: Landscape\r\nPage Margin:\r\n"
              L"Left:1.00 Right:2.50 Top:12.35 Bottom:1000.00\r\nOutput File:\r\nC:\\out\\a.pdf");
    EXPECT_NE(PdfOutputSummary(kUseImageSize, false, {}).find(
                  L"Page Size: Use image size\r\nPage Aspect: Portrait\r\n"),
              std::wstring::npos);
}

TEST(PdfOutputSettings, SummaryOfHugeMarginsIsNotCut)
{
    PdfOutputSettings settings;
    settings.leftMm = settings.rightMm = settings.topMm = settings.bottomMm = 3.0e38f;
    const std::wstring text = PdfOutputSummary(L"A4", false, settings);
    EXPECT_NE(text.find(L"\r\nOutput File:\r\n"), std::wstring::npos);
}

TEST(PageSizeChoices, ImageSizeComesFirstThenTheTableInOrder)
{
    const auto choices = PageSizeChoices(SampleTable());
    EXPECT_EQ(choices, (std::vector<std::wstring>{kUseImageSize, L"Letter", L"A4", L"A4 turned",
                                                  L"A5"}));
}

TEST(PageSizeChoices, OpensOnTheFirstEntryOfExactlyTheCurrentSize)
{
    const auto table = SampleTable();
    EXPECT_EQ(InitialPageSizeChoice(table, {}), 0);
    EXPECT_EQ(InitialPageSizeChoice(table, {210, 297}), 2);
    EXPECT_EQ(InitialPageSizeChoice(table, {297, 210}), 3);
    EXPECT_EQ(InitialPageSizeChoice(table, {210.0001f, 297}), 0);
}

TEST(PageSizeChoices, EntryDecidesRadiosLimitsAndOrientation)
{
    const auto table = SampleTable();
    const auto a4 = EffectOfPageSizeChoice(table, L"A4");
    EXPECT_TRUE(a4.orientationEnabled);
    EXPECT_FLOAT_EQ(a4.leftRightMaximum, 105);
    EXPECT_FLOAT_EQ(a4.topBottomMaximum, 148.5f);
    EXPECT_TRUE(a4.setsOrientation);
    EXPECT_FALSE(a4.landscape);

    EXPECT_TRUE(EffectOfPageSizeChoice(table, L"A4 turned").landscape);

    for (const wchar_t* name : {kUseImageSize, L"not in the table"}) {
        const auto effect = EffectOfPageSizeChoice(table, name);
        EXPECT_FALSE(effect.orientationEnabled) << name;
        EXPECT_FALSE(effect.setsOrientation) << name;
        EXPECT_EQ(effect.leftRightMaximum, 1000) << name;
        EXPECT_EQ(effect.topBottomMaximum, 1000) << name;
    }
}

TEST(PageSizeChoices, OkStoresTheEntrySizeOrImageSizeMode)
{
    const auto table = SampleTable();
    const PageSize a5 = SizeOfPageSizeChoice(table, L"A5");
    EXPECT_EQ(a5.width, 148);
    EXPECT_EQ(a5.height, 210);
    for (const wchar_t* name : {kUseImageSize, L"gone"}) {
        const PageSize size = SizeOfPageSizeChoice(table, name);
        EXPECT_EQ(size.width, -1) << name;
        EXPECT_EQ(size.height, -1) << name;
    }
}

}  // namespace
}  // namespace dravolt

#include "pdf/aspect_picture.h"

namespace dravolt {
namespace {

TEST(AspectPicture, TurnsAboutTheCentreOfItsPlace)
{
    const PictureRect upright{100, 50, 140, 110};  // 40 x 60, centre (120, 80)
    EXPECT_EQ(AspectPictureRect(upright, true), (PictureRect{90, 60, 150, 100}));
    EXPECT_EQ(AspectPictureRect(upright, false), upright);
    EXPECT_FALSE(AspectPictureMoves(false, false));
    EXPECT_TRUE(AspectPictureMoves(true, false));
}

}  // namespace
}  // namespace dravolt
