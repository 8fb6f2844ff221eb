// The windowless controls of the toolbars: they have no windows; their
// manager places them, paints them through the paint library and feeds
// them events, and they answer with notifications such as "click".
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "brennix/brennix.h"
#include "ui/windowless/button_logic.h"

namespace dravolt::windowless {

class CDUIManager;
class CContainerUI;

struct TEventUI {
    int type = 0;
    class CWindowLessControl* sender = nullptr;
    DWORD timestamp = 0;
    POINT mouse{};
    WORD key = 0;
    WORD keyState = 0;  // 1 right, 2 left button, 4 Shift, 8 Ctrl, 32 Alt
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class CWindowLessControl {
public:
    CWindowLessControl() = default;
    virtual ~CWindowLessControl() = default;
    CWindowLessControl(const CWindowLessControl&) = delete;
    CWindowLessControl& operator=(const CWindowLessControl&) = delete;

    virtual void PaintArea(HDC dc, const RECT& area);
    virtual void PaintBackgroundColour(HDC dc);
    virtual void PaintBackgroundImage(HDC dc);
    virtual void PaintCaption(HDC dc) { (void)dc; }
    virtual void PaintFrame(HDC dc);
    virtual void PaintStateImage(HDC dc) { (void)dc; }
    virtual void HandleEvent(const TEventUI& event);
    virtual void PlaceAt(const RECT& rect) { position_ = rect; }
    virtual void SetFixedRectangle(const RECT& rect);
    virtual SIZE PreferredSize(SIZE available) const;
    virtual void AttachManager(CDUIManager* manager) { manager_ = manager; }
    virtual void AttachParent(CContainerUI* parent) { parent_ = parent; }
    void Repaint();
    // The deepest control for which `test` answers, honouring the flags:
    // 1 visible, 2 enabled, 4 the POINT at `data` lies in the position.
    using FindTest = CWindowLessControl* (*)(CWindowLessControl* control, void* data);
    static constexpr unsigned kFindVisible = 1, kFindEnabled = 2, kFindHitTest = 4;
    virtual CWindowLessControl* FindControlAt(FindTest test, void* data, unsigned flags);
    virtual std::wstring ClassName() const { return L"WindowLessControl"; }
    virtual bool Trigger() { return enabled_ && visible_; }

    const RECT& Position() const { return position_; }
    const RECT& FixedRectangle() const { return fixed_; }
    CDUIManager* Manager() const { return manager_; }
    bool IsVisible() const { return visible_; }
    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; Repaint(); }
    void SetVisible(bool visible) { visible_ = visible; }
    unsigned ControlFlags() const { return controlFlags_; }

    std::wstring text, tooltip, name, backgroundImage;
    std::uint32_t backgroundColour1 = 0, backgroundColour2 = 0, backgroundColour3 = 0;
    bool verticalGradient = true;
    std::uint32_t borderColour = 0;
    int borderSize = 1;
    unsigned borderSides = 15;
    RECT inset{};

protected:
    // Draws a named skin image over the position, clipped to the paint
    // rectangle; an image that cannot be drawn has its name forgotten.
    bool DrawImage(HDC dc, std::wstring& image, LPCWSTR modify = nullptr);

    RECT position_{};
    RECT fixed_{};
    RECT paint_{};
    bool visible_ = true;
    bool enabled_ = true;
    bool focused_ = false;
    unsigned controlFlags_ = 2;
    CContainerUI* parent_ = nullptr;  // not owned
    CDUIManager* manager_ = nullptr;  // not owned
};

class CContainerUI : public CWindowLessControl {
public:
    void PaintArea(HDC dc, const RECT& area) override;
    void PlaceAt(const RECT& rect) override;
    void AttachManager(CDUIManager* manager) override;
    CWindowLessControl* FindControlAt(FindTest test, void* data, unsigned flags) override;
    std::wstring ClassName() const override { return L"Container"; }

    virtual int AddChild(std::unique_ptr<CWindowLessControl> child);
    virtual CWindowLessControl* ChildAt(int index) const;
    virtual CWindowLessControl* FindChildByName(const std::wstring& childName) const;
    int ChildCount() const { return static_cast<int>(children_.size()); }
    int childPadding = 0;

protected:
    RECT Inner() const;
    std::vector<std::unique_ptr<CWindowLessControl>> children_;
};

class CHorizontalBarUI : public CContainerUI {
public:
    void PlaceAt(const RECT& rect) override;
    std::wstring ClassName() const override { return L"HorizontalBar"; }
};

class CLabelUI : public CWindowLessControl {
public:
    void PaintCaption(HDC dc) override;
    std::uint32_t textColour = 0xFF000000;
    std::uint32_t disabledTextColour = 0xFFA7A6AA;
    int font = -1;
    int textAlignment = 32;
    RECT textPadding{};
    bool htmlText = false;
};

}  // namespace dravolt::windowless
