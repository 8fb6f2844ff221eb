// The base of the program's own child-window controls: keeps the focus,
// hover, pressed and disabled state, reports a left click released inside
// as BN_CLICKED to the parent, and paints in one double-buffered pass of
// five layers: background, background image, foreground, border, text.
// Each message it cares about goes to a virtual slot a derived class
// overrides.
#pragma once

#include <windows.h>

#include <cstdint>

#include "brennix/brennix.h"
#include "framework/window_win.h"

namespace dravolt::controls {

class CControl : public CWindow {
public:
    CControl() = default;

    // Properties; a change from outside redraws the control.
    void SetControlText(LPCWSTR text);  // null empties it
    const CStdString& ControlText() const { return text_; }
    void SetBackgroundImage(LPCWSTR name);
    const CStdString& BackgroundImage() const { return backgroundImage_; }
    void SetBackgroundColours(std::uint32_t first, std::uint32_t second = 0, bool vertical = true);
    void SetBorder(std::uint32_t colour, int width = 1, unsigned sides = 15);
    void SetTextStyle(unsigned style);
    void SetTextPadding(const RECT& padding);
    void SetTextColour(std::uint32_t colour);
    void SetFont(int font);
    void SetParentBackground(bool paintParent);

    bool IsFocused() const { return focused_; }
    bool IsHover() const { return hover_; }
    bool IsPressed() const { return pressed_; }
    bool IsDisabled() const { return disabled_; }

    // Makes a system cursor current, putting back the one it replaced the
    // previous time (process-wide; the crop widget's cursors).
    static void SetSystemCursor(LPCWSTR cursorId);

    // The five layers into `dc`, over the client rectangle.
    virtual void DrawAll(HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnAttached() override;

    virtual void AfterAttach() {}
    virtual LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnEnable(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    virtual void DrawBackground(HDC dc);
    virtual void DrawBackgroundImage(HDC dc);
    virtual void DrawForeground(HDC dc) { (void)dc; }
    virtual void DrawBorder(HDC dc);
    virtual void DrawCaption(HDC dc);

    // Draws a skin image over the client rectangle; a name the paint library
    // cannot draw is emptied so it is not asked for again.
    bool DrawSkinImage(HDC dc, CStdString& name);
    void PaintParentBackground(HDC dc);
    // Mouse tracking of WM_MOUSEMOVE: hover follows the pointer.
    void TrackMouse(LPARAM lParam);
    void RefreshClientRect();
    // Never with a null handle: that would repaint every window on the desktop.
    void Invalidate(bool erase = true) { if (Handle()) InvalidateRect(Handle(), nullptr, erase); }
    void RedrawNow() { if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
    // The default procedure too, for the mouse slots, when pass-to-default is set.
    void PassToDefault(UINT message, WPARAM wParam, LPARAM lParam);
    static bool PointIn(const RECT& rect, LPARAM lParam);

    CStdString backgroundImage_;
    CStdString text_;
    bool focused_ = false;
    bool hover_ = false;
    bool tracking_ = false;
    bool pressed_ = false;
    bool disabled_ = false;
    bool verticalGradient_ = true;
    std::uint32_t backgroundColour_ = 0;
    std::uint32_t secondBackgroundColour_ = 0;
    std::uint32_t borderColour_ = 0;
    unsigned borderSides_ = 15;
    int borderWidth_ = 1;
    unsigned textStyle_ = 12;
    RECT textPadding_{};
    std::uint32_t textColour_ = 0xFF000000;
    int font_ = -1;
    bool parentBackground_ = true;
    bool passToDefault_ = false;
    RECT client_{};
};

}  // namespace dravolt::controls
