// The skin pack as the program sees it: loading Tamsel fills the paint
// library's table with the 27 skin images at their sizes.
#include <gtest/gtest.h>

#include <windows.h>

#include "brennix/brennix.h"
#include "skin/tamsel.h"

namespace {

struct SkinImage {
    const wchar_t* name;
    int width, height;
    bool alpha;  // PNG with alpha, or 24-bit BMP without
};

constexpr SkinImage kSkin[] = {
    {L"scanner.png", 32, 32, true}, {L"save_all.png", 32, 32, true}, {L"send.png", 32, 32, true},
    {L"import_images.png", 32, 32, true}, {L"dropdown_arrow.png", 10, 40, true},
    {L"turn_left.png", 16, 16, true}, {L"turn_right.png", 16, 16, true}, {L"zoom_in.png", 16, 16, true},
    {L"zoom_out.png", 16, 16, true}, {L"zoom_to_actual.png", 16, 16, true}, {L"optimize.png", 16, 16, true},
    {L"button_normal.png", 104, 26, true}, {L"button_hover.png", 104, 26, true},
    {L"button_pushed.png", 104, 26, true}, {L"portrait.bmp", 39, 58, false}, {L"landscape.bmp", 58, 39, false},
    {L"no_scanner.png", 283, 76, true}, {L"info_icon.png", 48, 48, true}, {L"1342.bmp", 200, 40, false},
    {L"1324.bmp", 200, 40, false}, {L"logo.png", 465, 89, true}, {L"brightness.png", 16, 16, true},
    {L"text.png", 16, 16, true}, {L"menu_dot.png", 18, 12, true}, {L"vr_normal.png", 18, 23, true},
    {L"vr_hover.png", 18, 23, true}, {L"vr_pushed.png", 18, 23, true},
};

TEST(SkinPack, HoldsTheScannerImageButNotTheWindowlessButtonFaces)
{
    work(0);
    const TImageInfo* scanner = thePaintManager.GetImage(L"scanner.png");
    ASSERT_NE(scanner, nullptr);
    EXPECT_EQ(scanner->nX, 32);
    EXPECT_EQ(scanner->nY, 32);
    for (const wchar_t* absent : {L"dui_button_normal.png", L"dui_button_hover.png", L"dui_button_pushed.png",
                                  L"SCANNER.PNG", L""})
        EXPECT_EQ(thePaintManager.GetImage(absent), nullptr) << absent;
}

TEST(SkinPack, EveryImageHasItsSizeAndFormat)
{
    for (const SkinImage& image : kSkin) {
        const TImageInfo* info = thePaintManager.GetImage(image.name);
        ASSERT_NE(info, nullptr) << image.name;
        EXPECT_EQ(info->nX, image.width) << image.name;
        EXPECT_EQ(info->nY, image.height) << image.name;
        EXPECT_EQ(info->alphaChannel, image.alpha) << image.name;
        BITMAP bitmap{};
        ASSERT_EQ(GetObjectW(info->hBitmap, sizeof(bitmap), &bitmap), static_cast<int>(sizeof(bitmap)));
        EXPECT_EQ(bitmap.bmWidth, image.width) << image.name;
    }
}

TEST(SkinPack, WorkWithZeroChangesNothing)
{
    const TImageInfo* before = thePaintManager.GetImage(L"logo.png");
    ASSERT_NE(before, nullptr);
    const TImageInfo copy = *before;
    for (int i = 0; i < 100; ++i)
        work(0);
    const TImageInfo* after = thePaintManager.GetImage(L"logo.png");
    ASSERT_EQ(after, before);  // still the cached picture
    EXPECT_EQ(after->hBitmap, copy.hBitmap);
    EXPECT_EQ(after->nX, copy.nX);
    EXPECT_NE(thePaintManager.GetImage(L"scanner.png"), nullptr);
}

}  // namespace
