// Push buttons of the dialogs: CButtonBase redraws a CControl on every
// change of its state; CImageButton draws that state with skin pictures,
// its caption on top and a dotted frame when focused. The system button
// underneath still handles the keyboard.
#pragma once

#include "ui/controls/control_win.h"

namespace dravolt::controls {

class CButtonBase : public CControl {
protected:
    void AfterAttach() override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam) override;
};

class CImageButton : public CButtonBase {
public:
    CImageButton();
    void SetPictures(LPCWSTR normal, LPCWSTR hover, LPCWSTR pushed, LPCWSTR disabled);
    // The picture the button shows now (for checks and the gallery).
    const CStdString& CurrentPicture() const;

protected:
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam) override;
    void DrawForeground(HDC dc) override;

private:
    CStdString& PictureName();
    CStdString hoverImage_{L"button_hover.png"};
    CStdString pushedImage_{L"button_pushed.png"};
    CStdString disabledImage_;
};

}  // namespace dravolt::controls
