// Drawing of the thumbnail rows, the background and the insertion marker.
#include "document/image_list_box_win.h"

#include "imaging/dib_win.h"

namespace dravolt {

namespace {

COLORREF ColourOf(std::uint32_t argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

Box BoxOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT RectOf(const Box& b) { return {b.left, b.top, b.right, b.bottom}; }

void Fill(HDC dc, const RECT& rect, std::uint32_t argb)
{
    UniqueBrush brush(CreateSolidBrush(ColourOf(argb)));
    FillRect(dc, &rect, brush.Get());
}

void Frame(HDC dc, RECT rect, std::uint32_t argb, int width)
{
    UniqueBrush brush(CreateSolidBrush(ColourOf(argb)));
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, &rect, brush.Get());
        InflateRect(&rect, -1, -1);
    }
}

// The colour laid over `rect` at the colour's own alpha.
void Tint(HDC dc, const RECT& rect, std::uint32_t argb)
{
    UniqueMemoryDC pixelDc(CreateCompatibleDC(dc));
    UniqueBitmap pixel(CreateCompatibleBitmap(dc, 1, 1));
    if (!pixelDc || !pixel)
        return;
    ScopedSelect selected(pixelDc.Get(), pixel.Get());
    SetPixel(pixelDc.Get(), 0, 0, ColourOf(argb));
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(argb >> 24), 0};
    AlphaBlend(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               pixelDc.Get(), 0, 0, 1, 1, blend);
}

}  // namespace

void CImageListBox::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_LISTBOX || static_cast<int>(item.itemID) < 0)
        return;
    const int row = static_cast<int>(item.itemID);
    const imaging::Image* thumbnail = RowThumbnail(row);
    if (!thumbnail) {
        OnRowWithoutItem();  // removed after this paint, never inside it
        return;
    }
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    UniqueMemoryDC buffer(CreateCompatibleDC(item.hDC));
    UniqueBitmap pixels(CreateCompatibleBitmap(item.hDC, width, height));
    if (!buffer || !pixels)
        return;
    ScopedSelect selected(buffer.Get(), pixels.Get());
    RowState state;
    state.selected = (item.itemState & ODS_SELECTED) != 0;
    state.focused = (item.itemState & ODS_FOCUS) != 0;
    state.hot = row == hoverRow_;
    state.rect = {0, 0, width, height};
    state.row = row;
    DrawItemBackground(buffer.Get(), state);
    DrawItemImage(buffer.Get(), state, *thumbnail);
    DrawItemOverlay(buffer.Get(), state);
    DrawItemCaption(buffer.Get(), state, RectOf(CaptionArea(BoxOf(state.rect))));
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void CImageListBox::DrawItemBackground(HDC dc, const RowState& state)
{
    Fill(dc, state.rect, kListBackground);
}

void CImageListBox::DrawItemImage(HDC dc, const RowState& state, const imaging::Image& thumbnail)
{
    const Box area = PictureArea(BoxOf(state.rect));
    const RECT areaRect = RectOf(area);
    Fill(dc, areaRect, kPictureColour);
    if (imaging::DibBitmap dib = imaging::MakeDib(thumbnail)) {
        UniqueMemoryDC source(CreateCompatibleDC(dc));
        ScopedSelect selected(source.Get(), dib.Get());
        const Box to = FitThumbnail(area, thumbnail.Width(), thumbnail.Height());
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, to.left, to.top, to.Width(), to.Height(), source.Get(), 0, 0,
                   thumbnail.Width(), thumbnail.Height(), SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    }
    if (state.selected) {
        Tint(dc, areaRect, kSelectedTint);
        Frame(dc, areaRect, kSelectedFrame, kSelectedFrameWidth);
    } else {
        Frame(dc, areaRect, kNormalFrame, 1);
    }
    if (state.hot)
        Frame(dc, areaRect, kHoverFrame, 1);
}

void CImageListBox::DrawItemCaption(HDC, const RowState&, const RECT&) {}

HBRUSH CImageListBox::BackgroundBrush()
{
    if (!background_)
        background_.Reset(CreateSolidBrush(ColourOf(kListBackground)));
    return background_.Get();
}

void CImageListBox::OnPaint()
{
    DefaultProc(WM_PAINT, 0, 0);
    if (dragOver_)
        DrawMarker();
}

void CImageListBox::DrawMarker()
{
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Handle(), &cursor);
    const int row = RowAt(cursor);
    const int selected = SelectedRow();
    RECT rect{};
    if (row < 0 || row == selected ||
        SendMessageW(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
        return;
    const Marker marker = InsertionMarker(BoxOf(rect), selected >= 0 && selected < row);
    WindowDC dc(Handle());
    UniquePen pen(CreatePen(PS_SOLID, kMarkerPenWidth, RGB(0, 128, 255)));
    ScopedSelect selectedPen(dc.Get(), pen.Get());
    const int oldRop = SetROP2(dc.Get(), R2_XORPEN);
    MoveToEx(dc.Get(), marker.left, marker.y, nullptr);
    LineTo(dc.Get(), marker.right, marker.y);
    for (const int x : {marker.left, marker.right}) {
        MoveToEx(dc.Get(), x, marker.y - kMarkerTick, nullptr);
        LineTo(dc.Get(), x, marker.y + kMarkerTick);
    }
    SetROP2(dc.Get(), oldRop);
}

}  // namespace dravolt
