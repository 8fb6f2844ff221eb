// The off-screen drawing context of one painting pass: drawing at the
// target's coordinates lands in a bitmap, copied to the target in one
// BitBlt when the buffer ends, so nothing flickers. Also wraps a bitmap as
// the source of a stretched or blended copy.
#pragma once

#include <windows.h>

#include "framework/handles_win.h"

namespace dravolt::controls {

class CDoubleBufferDC {
public:
    // A buffer over `rect` (target logical units) of `target`; invalid when
    // there is no target or the rectangle is empty both ways.
    CDoubleBufferDC(const RECT& rect, HDC target, bool copyBack = true);
    // A context with `bitmap` selected, as a copy source; never copied back.
    explicit CDoubleBufferDC(HBITMAP bitmap);
    ~CDoubleBufferDC();
    CDoubleBufferDC(const CDoubleBufferDC&) = delete;
    CDoubleBufferDC& operator=(const CDoubleBufferDC&) = delete;

    HDC Get() const { return dc_.Get(); }
    bool IsValid() const { return valid_; }
    const RECT& Rect() const { return rect_; }
    // Copies the buffer to the target now.
    void Flush();

private:
    HDC target_ = nullptr;  // not owned
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;   // empty for a wrapped bitmap, which stays its owner's
    HGDIOBJ previous_ = nullptr;  // not owned: what the context held before the bitmap
    RECT rect_{};
    bool valid_ = false;
    bool copyBack_ = false;
};

}  // namespace dravolt::controls
