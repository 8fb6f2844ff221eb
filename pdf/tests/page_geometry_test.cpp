#include "pdf/page_geometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

namespace dravolt {

std::ostream& operator<<(std::ostream& out, const PagePlacement& p)
{
    return out << "page " << p.pageWidth << "x" << p.pageHeight << " image (" << p.x << ","
               << p.y << ") " << p.width << "x" << p.height;
}

namespace {

PageSetup A4(float margin, bool portrait = true)
{
    return {210, 297, margin, margin, margin, margin, portrait};
}

PageSetup ImageSize(float margin) { return {-1, -1, margin, margin, margin, margin, true}; }

struct Case {
    const char* what;
    PageSetup setup;
    int iw, ih;
    PagePlacement expected;
};

TEST(PageGeometry, LaysOutTheKnownCases)
{
    const std::vector<Case> cases = {
        {"A4 10 mm, large scan scaled to the width", A4(10), 1654, 2339,
         {595, 841, 28, 801, 538, 761}},
        {"A4 10 mm, small image centred at natural size", A4(10), 400, 300,
         {595, 841, 97, 570, 400, 300}},
        {"image-size mode without margins", ImageSize(0), 800, 600, {800, 600, 0, 600, 800, 600}},
        {"image-size mode with 10 mm margins", ImageSize(10), 800, 600,
         {856, 656, 28, 628, 800, 600}},
        {"297 x 210 entry chosen portrait", {297, 210, 10, 10, 10, 10, true}, 400, 300,
         {595, 841, 97, 570, 400, 300}},
        {"A4 landscape", A4(10, false), 400, 300, {841, 595, 220, 447, 400, 300}},
        {"wide image scaled to the width on landscape", A4(0, false), 2000, 500,
         {841, 595, 0, 403, 841, 210}},
        {"tall image scaled to the height", A4(0), 100, 2000, {595, 841, 276, 841, 42, 841}},
        {"exactly page-wide image takes the scaling branch at scale 1", A4(0), 595, 300,
         {595, 841, 0, 571, 595, 300}},
        {"margins leaving no area are dropped", A4(150), 400, 300,
         {595, 841, 97, 570, 400, 300}},
    };
    for (const Case& c : cases) {
        const auto got = LayOutPage(c.setup, c.iw, c.ih);
        ASSERT_TRUE(got.has_value()) << c.what;
        EXPECT_EQ(*got, c.expected) << c.what;
    }
}

TEST(PageGeometry, RefusesPagesThatCannotBeLaidOut)
{
    EXPECT_FALSE(LayOutPage(A4(10), 0, 300));
    EXPECT_FALSE(LayOutPage(A4(10), 400, 0));
    EXPECT_FALSE(LayOutPage(ImageSize(0), 0, 0));
    EXPECT_FALSE(LayOutPage(A4(10), -5, 300));
    EXPECT_FALSE(LayOutPage({0.1f, 297, 0, 0, 0, 0, true}, 400, 300)) << "no page area at all";
    EXPECT_FALSE(LayOutPage({210, 297, std::numeric_limits<float>::quiet_NaN(), 0, 0, 0, true}, 400, 300)) << "NaN margin";
}

TEST(PageGeometry, MillimetresToPoints)
{
    EXPECT_FLOAT_EQ(MillimetresToPoints(10), 28.346457f);
    EXPECT_FLOAT_EQ(MillimetresToPoints(25.4f), 72.0f);
}

}  // namespace
}  // namespace dravolt
