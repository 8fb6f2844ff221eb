// Static content of the dialogs: a plain panel, a panel showing a skin
// image, a label drawn with the window's font, and a link label that turns
// red under the mouse and opens its link (or a new mail) when clicked.
#pragma once

#include <string>

#include "ui/controls/control_win.h"

namespace dravolt::controls {

class CPanel : public CControl {};

class CImagePanel : public CPanel {
public:
    static constexpr int kStretched = 3;
    void SetImageMode(int mode) { imageMode_ = mode; Invalidate(); }

protected:
    void DrawBackgroundImage(HDC dc) override;

private:
    int imageMode_ = kStretched;
};

class CLabelPanel : public CImagePanel {
public:
    CLabelPanel();

protected:
    void DrawCaption(HDC dc) override;
};

class CLinkLabel : public CLabelPanel {
public:
    void SetLink(const std::wstring& target) { link_ = target; }
    const std::wstring& Link() const { return link_; }
    // What a click opens: the link, or a new mail when the text is an address.
    // A label that builds its mail link differently overrides it.
    virtual std::wstring ClickTarget() const;
    // The text colour now, by hover and disabled state.
    std::uint32_t CurrentColour() const;

    // Opens a target with the shell; replaced by tests to see what is opened.
    using Opener = void (*)(const std::wstring& target);
    static void SetOpener(Opener opener);

protected:
    void AfterAttach() override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam) override;
    void DrawCaption(HDC dc) override;

private:
    std::wstring link_;
};

}  // namespace dravolt::controls
