// One PDF document written in a single pass: each page's images, content and
// page object go out as soon as they are complete; only object offsets and
// the list of page objects stay in memory. The file appears under its name
// only when Finish succeeds.
#pragma once

#include "quorlet/object_writer.h"
#include "quorlet/output_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorlet {

class PdfDocument {
public:
    explicit PdfDocument(const std::filesystem::path& target);

    // Page size in points; throws PdfError for sizes readers cannot show.
    void BeginPage(double width, double height);
    // Draws the image file into the rectangle: x from the left edge, y from
    // the top edge of the page down to the lower edge of the image.
    void DrawImage(double x, double y, double width, double height,
                   const std::filesystem::path& image);
    // Text in Helvetica with its baseline y below the top edge.
    void PlaceText(double x, double y, double fontSize, std::string_view text);
    // Fill colour for later text: components 0..1, or 0..255 when any
    // component is above 1.
    void SetColor(double red, double green, double blue);
    void EndPage();
    bool PageOpen() const { return page_.open; }

    // Writes the page tree, catalogue, Info and cross-reference table and
    // puts the file in place. Ends an open page first.
    void Finish();

private:
    struct Page {
        bool open = false;
        double width = 0, height = 0;
        std::string content;    // the page's drawing operators
        std::string resources;  // XObject entries "/Im1 5 0 R ..."
        int imageCount = 0;
        bool usesFont = false;
    };

    int FontObject();
    std::string ColorOperator() const;

    std::filesystem::path target_;
    OutputFile out_;
    ObjectWriter writer_;
    int pagesObject_;
    std::vector<int> pageObjects_;
    Page page_;
    int fontObject_ = 0;
    double color_[3] = {0, 0, 0};
};

}  // namespace quorlet
