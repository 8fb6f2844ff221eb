// The owner-drawn list box of thumbnails: rows of 120 pixels with a picture
// and a caption, the row under the mouse framed, rows reordered by dragging
// one onto another. A derived list supplies the thumbnails and captions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "document/list_box_layout.h"
#include "document/ole_drag_drop_win.h"
#include "framework/handles_win.h"
#include "framework/window_win.h"
#include "imaging/image.h"

namespace dravolt {

struct RowState {
    bool selected = false, focused = false, hot = false;
    RECT rect{};  // in the row's off-screen buffer
    int row = -1;
};

class CImageListBox : public CWindow, public COleDragAndDropAble {
public:
    // `swapFormat` names the private clipboard format of a row drag.
    CImageListBox(const wchar_t* swapFormat, bool offerDropObject);
    ~CImageListBox() override;

    // Makes the list-box control with the styles the rows need and attaches.
    bool Create(HWND parent, UINT id, const RECT& rect);

    int RowCount() const;
    std::wstring RowText(int row) const;
    int SelectedRow() const;
    int RowAt(POINT client) const;  // -1 outside the rows
    int HoverRow() const { return hoverRow_; }
    bool IsDragOver() const { return dragOver_; }

    virtual void MoveItem(int from, int to);
    virtual int SelectItem(int row);
    // The drag data this list puts on the clipboard formats it offers.
    Microsoft::WRL::ComPtr<CBlockDataObject> MakeDragData() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnAttached() override;

    // The thumbnail of a row, or null when the row has no item (it is then
    // removed after the paint).
    virtual const imaging::Image* RowThumbnail(int row) const = 0;
    virtual void OnRowWithoutItem() {}
    virtual void DrawItemBackground(HDC dc, const RowState& state);
    virtual void DrawItemImage(HDC dc, const RowState& state, const imaging::Image& thumbnail);
    virtual void DrawItemCaption(HDC dc, const RowState& state, const RECT& caption);
    virtual void DrawItemOverlay(HDC, const RowState&) {}

    DWORD OnDragEnter(IDataObject* data, POINT screen) override;
    DWORD OnDragOver(POINT screen) override;
    void OnDragLeave() override;
    DWORD OnDrop(IDataObject* data, POINT screen) override;
    // A drop that was not a row of this process: nothing in the base.
    virtual DWORD OnForeignDrop(IDataObject*) { return DROPEFFECT_NONE; }
    virtual bool AcceptsForeign(IDataObject*) const { return false; }

private:
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnPaint();
    void DrawMarker();
    void OnMouseMove(POINT point, WPARAM keys);
    void OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    void OnButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseLeave();
    void UpdateHover();
    void UpdateHoverAt(POINT client);
    void InvalidateRow(int row);
    bool RowDropFromThisProcess(IDataObject* data, POINT screen);
    HBRUSH BackgroundBrush();

    CLIPFORMAT swapFormat_;
    bool offerDropObject_;
    std::uint64_t dragId_;  // this list in the process's drag registry
    int hoverRow_ = -1;
    bool tracking_ = false, buttonPressed_ = false, dragOver_ = false;
    bool foreignOver_ = false;  // a drag the derived list accepts (files)
    Box dragStart_{};
    UniqueBrush background_;
};

// The format every list may also offer, registered when the program starts.
CLIPFORMAT DropObjectFormat();

}  // namespace dravolt
