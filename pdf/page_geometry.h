// Page layout of the PDF: from the chosen page size, orientation and margins
// (millimetres) and a page image's pixel size, the PDF page size and the
// rectangle the image is drawn into (points, whole numbers). One pixel of the
// image is one point; the resolution stored in the page file plays no part.
#pragma once

#include <optional>

namespace dravolt {

struct PageSetup {
    float pageWidthMm = -1.0f;  // negative: each page takes its image's size
    float pageHeightMm = -1.0f;
    float leftMm = 0.0f;
    float topMm = 0.0f;
    float rightMm = 0.0f;
    float bottomMm = 0.0f;
    bool portrait = true;  // ignored in image-size mode
};

// The writer's convention: x from the left edge of the page, y downwards from
// the top edge of the page to the lower edge of the image.
struct PagePlacement {
    double pageWidth = 0;
    double pageHeight = 0;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool operator==(const PagePlacement&) const = default;
};

// Millimetres to points, computed in extended precision and kept as a float.
float MillimetresToPoints(float mm);

// Lays out one page. Margins that leave no room for the image are dropped
// (the image is placed as if all margins were 0). Returns nothing when the
// page cannot be laid out at all: an image without pixels, a page size that
// leaves no area even without margins, or values that are not finite.
std::optional<PagePlacement> LayOutPage(const PageSetup& setup, int imageWidth, int imageHeight);

}  // namespace dravolt
