// Clipping to a rectangle inside the clip already set, undone on
// destruction.
#include "brennix/brennix.h"

void CRenderClip::GenerateClip(HDC hDC, const RECT& rc, CRenderClip& clip)
{
    clip.~CRenderClip();  // a reused clip gives its previous state back first
    clip.hDC_ = hDC;
    HRGN old = CreateRectRgn(0, 0, 0, 0);
    // GetClipRgn gives 1 with a clip, 0 without one (then nothing to keep).
    if (old && GetClipRgn(hDC, old) != 1) {
        DeleteObject(old);
        old = nullptr;
    }
    clip.hOldRgn_ = old;
    clip.hRgn_ = CreateRectRgnIndirect(&rc);
    if (clip.hRgn_ && old)
        CombineRgn(clip.hRgn_, clip.hRgn_, old, RGN_AND);
    SelectClipRgn(hDC, clip.hRgn_);
}

void CRenderClip::UseOldClipBegin(HDC hDC, CRenderClip& clip) { SelectClipRgn(hDC, clip.hOldRgn_); }

void CRenderClip::UseOldClipEnd(HDC hDC, CRenderClip& clip) { SelectClipRgn(hDC, clip.hRgn_); }

CRenderClip::~CRenderClip()
{
    if (hDC_)
        SelectClipRgn(hDC_, hOldRgn_);
    if (hRgn_)
        DeleteObject(hRgn_);
    if (hOldRgn_)
        DeleteObject(hOldRgn_);
    hDC_ = nullptr;
    hRgn_ = hOldRgn_ = nullptr;
}
