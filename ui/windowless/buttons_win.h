// The windowless buttons: a skinned button with state pictures, the
// image-and-text button of the toolbars, and the one with a drop-down arrow.
#pragma once

#include "ui/windowless/controls_win.h"

namespace dravolt::windowless {

class CButtonUI : public CLabelUI {
public:
    CButtonUI() { textColour = 0xFFFFFFFF; }
    void HandleEvent(const TEventUI& event) override;
    void PaintStateImage(HDC dc) override;
    bool Trigger() override;
    std::wstring ClassName() const override { return L"Button"; }
    unsigned State() const { return state_.bits; }

    std::wstring normalImage{L"dui_button_normal.png"};
    std::wstring hotImage{L"dui_button_hover.png"};
    std::wstring pushedImage{L"dui_button_pushed.png"};
    std::wstring focusedImage, disabledImage;

protected:
    // Brings the focused and disabled bits in line with the control.
    void RefreshStateBits();
    virtual ButtonInput InputFor(const TEventUI& event) const;
    ButtonState state_;
};

class CImageTextButtonUI : public CButtonUI {
public:
    void PaintBackgroundColour(HDC dc) override;
    void PaintBackgroundImage(HDC dc) override;
    void PaintStateImage(HDC dc) override { (void)dc; }
    std::wstring ClassName() const override { return L"ImageTextButton"; }

    int imageAlignment = 16;
    std::uint32_t pushedColour = 0xFF8592B5, hotColour = 0xFFB6BDD2, disabledColour = 0;
    static constexpr std::uint32_t kFrameColour = 0xFF0A246A;
};

class CImageTextButtonWithDropDownArrow : public CImageTextButtonUI {
public:
    static constexpr int kArrowWidth = 10;
    void PlaceAt(const RECT& rect) override;
    void PaintBackgroundColour(HDC dc) override;
    void PaintBackgroundImage(HDC dc) override;
    std::wstring ClassName() const override { return L"CImageTextButtonWithDropDownArrow"; }
    const RECT& ArrowRect() const { return arrow_; }
    int arrowCommand = -1;

protected:
    ButtonInput InputFor(const TEventUI& event) const override;

private:
    RECT arrow_{};
};

}  // namespace dravolt::windowless
