// Images to and from device-independent bitmaps (DIB sections), the form in
// which pages are drawn and handed to dialogs. The only Windows part of the
// image library.
#pragma once

#include <windows.h>

#include "imaging/image.h"

namespace dravolt::imaging {

// Owns one bitmap handle and deletes it.
class DibBitmap {
public:
    DibBitmap() = default;
    explicit DibBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~DibBitmap() { Reset(); }
    DibBitmap(DibBitmap&& other) noexcept : bitmap_(other.Release()) {}
    DibBitmap& operator=(DibBitmap&& other) noexcept {
        if (this != &other) {
            Reset();
            bitmap_ = other.Release();
        }
        return *this;
    }
    DibBitmap(const DibBitmap&) = delete;
    DibBitmap& operator=(const DibBitmap&) = delete;

    HBITMAP Get() const { return bitmap_; }
    explicit operator bool() const { return bitmap_ != nullptr; }
    // Hands the handle to a new owner.
    HBITMAP Release() {
        HBITMAP bitmap = bitmap_;
        bitmap_ = nullptr;
        return bitmap;
    }
    void Reset() {
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }

private:
    HBITMAP bitmap_ = nullptr;
};

// A bottom-up DIB section of the image's depth, palette and resolution,
// made without a device context. Alpha bytes of 32-bit images are carried
// over but the bitmap is not premultiplied: it is drawn opaque. Empty when
// the image is invalid or the bitmap cannot be made.
DibBitmap MakeDib(const Image& image);

// Draws the `source` part of the image stretched onto `target` of `dc`,
// straight from the image's own rows: no bitmap copy of a large page is
// made to show a part of it. A source reaching past the image is clipped and
// its target shrunk with it. False when nothing could be drawn.
bool DrawImagePart(HDC dc, const Image& image, const RECT& source, const RECT& target);

// The pixels of any bitmap: a DIB section keeps its depth, colour table and
// resolution; other bitmaps and depths (16-bit, bit fields) become 24-bit
// at 96 dpi. Invalid when the handle is not a bitmap or its size is refused.
Image ImageFromBitmap(HBITMAP bitmap);

}  // namespace dravolt::imaging
