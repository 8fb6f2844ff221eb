// The off-screen buffer of double_buffer_dc_win.h.
#include "ui/controls/double_buffer_dc_win.h"

namespace dravolt::controls {

CDoubleBufferDC::CDoubleBufferDC(const RECT& rect, HDC target, bool copyBack) : target_(target), rect_(rect)
{
    if (!target || (rect.right <= rect.left && rect.bottom <= rect.top))
        return;
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    LPtoDP(target, corners, 2);
    dc_.Reset(CreateCompatibleDC(target));
    bitmap_.Reset(CreateCompatibleBitmap(target, corners[1].x - corners[0].x, corners[1].y - corners[0].y));
    if (!dc_ || !bitmap_)
        return;
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    SetBkMode(dc_.Get(), GetBkMode(target));
    SetBkColor(dc_.Get(), GetBkColor(target));
    SetMapMode(dc_.Get(), GetMapMode(target));
    SetWindowOrgEx(dc_.Get(), rect.left, rect.top, nullptr);
    valid_ = true;
    copyBack_ = copyBack;
}

CDoubleBufferDC::CDoubleBufferDC(HBITMAP bitmap)
{
    if (GetObjectType(bitmap) != OBJ_BITMAP)
        return;
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (dc_)
        previous_ = SelectObject(dc_.Get(), bitmap);
    valid_ = previous_ != nullptr;
}

void CDoubleBufferDC::Flush()
{
    if (valid_ && target_)  // a wrapped bitmap has no target to copy to
        BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, dc_.Get(),
               rect_.left, rect_.top, SRCCOPY);
}

CDoubleBufferDC::~CDoubleBufferDC()
{
    if (copyBack_)
        Flush();
    if (dc_ && previous_)
        SelectObject(dc_.Get(), previous_);
    // The bitmap and then the context are deleted by their owners, in that order.
    bitmap_.Reset();
}

}  // namespace dravolt::controls
