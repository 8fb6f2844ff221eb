// What the PDF needs to know about a JPEG file to embed it unchanged:
// found by walking the marker segments up to the first scan, without
// decoding anything.
#pragma once

#include <cstdio>

namespace quorlet {

struct JpegInfo {
    int width = 0;
    int height = 0;
    int components = 0;        // 1 gray, 3 YCbCr/RGB, 4 CMYK/YCCK
    int precision = 0;         // bits per sample
    bool huffmanDct = false;   // baseline, extended or progressive Huffman DCT
    bool adobeMarker = false;  // APP14 "Adobe": CMYK samples are stored inverted
};

// Reads the headers of the JPEG file open in `file` (positioned anywhere).
// Throws PdfError when it is not a JPEG, its headers are damaged or cut off,
// or its data does not end with the end-of-image marker (a truncated file).
JpegInfo ReadJpegInfo(std::FILE* file);

// True when DCTDecode in every reader handles the file as it stands.
bool CanPassThrough(const JpegInfo& info);

}  // namespace quorlet
