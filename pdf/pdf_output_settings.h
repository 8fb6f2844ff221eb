// The PDF output settings: one process-wide record of page size (or the
// size of each image), orientation, margins and the file Save and Send
// write. The options dialog edits it; the publish worker takes a copy.
// Every run starts from the defaults. Portable: no Windows header.
#pragma once

#include <string>

#include "pdf/page_geometry.h"

namespace dravolt {

struct PdfOutputSettings {
    float pageWidthMm = -1.0f;  // negative: each page takes its image's size
    float pageHeightMm = -1.0f;
    float leftMm = 0.0f;
    float topMm = 0.0f;
    float rightMm = 0.0f;
    float bottomMm = 0.0f;
    bool portrait = true;
    std::wstring outputPath;

    // The layout part, as the page geometry takes it.
    PageSetup Setup() const
    {
        return {pageWidthMm, pageHeightMm, leftMm, topMm, rightMm, bottomMm, portrait};
    }
};

// The process-wide record (user-interface thread only; workers copy it).
PdfOutputSettings& ThePdfOutputSettings();

// The text the options dialog shows under the page-size list: the chosen
// page size, the orientation, the four margins with two decimals (left,
// right, top, bottom) and the output path, lines ending in CR LF.
std::wstring PdfOutputSummary(const std::wstring& pageSizeName, bool landscape,
                              const PdfOutputSettings& settings);

}  // namespace dravolt
