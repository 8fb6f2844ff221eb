// The toolbar of toolbar_win.h.
#include "ui/windowless/toolbar_win.h"

#include <cwchar>

#include "ui/windowless/paint_rules.h"

namespace dravolt::windowless {

void CDUIToolbar::AfterAttach()
{
    CDUIHost::AfterAttach();
    RECT client{};
    GetClientRect(Handle(), &client);
    SetWindowPos(Handle(), nullptr, 0, 0, client.right, layout_.barHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto root = std::make_unique<CHorizontalBarUI>();
    root->name = L"Root";
    root->inset = layout_.margins;
    root->childPadding = layout_.childPadding;
    root->backgroundColour1 = 0xFF646464;
    root->borderColour = 0xFF4C4C4C;
    manager_.Attach(std::move(root), Handle());
    manager_.AddNotifier(this);
}

CHorizontalBarUI* CDUIToolbar::Root()
{
    return static_cast<CHorizontalBarUI*>(manager_.Root());
}

CImageTextButtonUI* CDUIToolbar::Button(int id)
{
    CHorizontalBarUI* root = Root();
    return root ? dynamic_cast<CImageTextButtonUI*>(root->FindChildByName(std::to_wstring(id))) : nullptr;
}

void CDUIToolbar::AddSeparator()
{
    if (!Root())
        return;
    auto separator = std::make_unique<CContainerUI>();
    separator->SetFixedRectangle({0, 0, 2, 0});
    separator->inset = {0, 1, 0, 1};
    auto line = std::make_unique<CLabelUI>();
    line->backgroundColour1 = 0xFF808080;
    line->backgroundColour2 = 0xFFFFFFFF;
    line->verticalGradient = false;
    separator->AddChild(std::move(line));
    Root()->AddChild(std::move(separator));
    manager_.NeedLayout();
}

bool CDUIToolbar::AddButton(std::unique_ptr<CImageTextButtonUI> button, int id, const std::wstring& image,
                            const std::wstring& tooltip)
{
    if (!Root() || Button(id))
        return false;  // the new button is dropped, the bar stays as it was
    button->name = std::to_wstring(id);
    button->backgroundImage = image;
    button->inset = {2, 2, 2, 2};
    button->tooltip = tooltip;
    button->SetFixedRectangle({0, 0, layout_.buttonWidth, layout_.ButtonHeight()});
    button->textPadding = {2, 1, 2, 1};
    button->textAlignment = align::kMiddleRight;
    button->imageAlignment = align::kMiddleLeft;
    Root()->AddChild(std::move(button));
    manager_.NeedLayout();
    InvalidateRect(Handle(), nullptr, FALSE);
    return true;
}

bool CDUIToolbar::AddTextButton(int id, const std::wstring& text, const std::wstring& image,
                                const std::wstring& tooltip)
{
    auto button = std::make_unique<CImageTextButtonUI>();
    button->text = text;
    return AddButton(std::move(button), id, image, tooltip);
}

bool CDUIToolbar::AddImportButton()
{
    auto button = std::make_unique<CImageTextButtonWithDropDownArrow>();
    button->text = L"Import  ";
    button->arrowCommand = kImportArrowCommand;
    CImageTextButtonWithDropDownArrow* raw = button.get();
    if (!AddButton(std::move(button), kImportCommand, L"import_images.png", L"Import images"))
        return false;
    raw->textPadding = {2, 1, 10, 1};  // keeps the text off the arrow
    return true;
}

bool CDUIToolbar::AddIconButton(int id, const std::wstring& image, const std::wstring& tooltip)
{
    auto button = std::make_unique<CImageTextButtonUI>();
    CImageTextButtonUI* raw = button.get();
    if (!AddButton(std::move(button), id, image, tooltip))
        return false;
    raw->textAlignment = align::kCentre;
    raw->imageAlignment = align::kCentre;
    return true;
}

void CDUIToolbar::SetButtonWidth(int id, int width)
{
    if (CImageTextButtonUI* button = Button(id)) {
        RECT fixed = button->FixedRectangle();
        fixed.right = fixed.left + width;
        button->SetFixedRectangle(fixed);
        UpdateWindow(Handle());  // lays the bar out again now
    }
}

std::optional<RECT> CDUIToolbar::GetButtonRect(int id)
{
    if (CImageTextButtonUI* button = Button(id))
        return button->Position();
    return std::nullopt;
}

void CDUIToolbar::EnableButton(int id, bool enabled)
{
    if (CImageTextButtonUI* button = Button(id))
        button->SetEnabled(enabled);
}

void CDUIToolbar::SetScanButtonTooltip(const std::wstring& text)
{
    if (CImageTextButtonUI* button = Button(kScanCommand))
        button->tooltip = text;
}

void CDUIToolbar::OnNotification(TNotifyUI notification)
{
    if (!notification.sender)
        return;
    const HWND parent = GetParent(Handle());
    const auto sender = reinterpret_cast<LPARAM>(notification.sender);
    if (notification.type.Compare(L"click") == 0) {
        const long id = std::wcstol(notification.sender->name.c_str(), nullptr, 10);
        SendMessageW(parent, kToolbarClickMessage, static_cast<WPARAM>(id), sender);
    } else if (notification.type.Compare(L"arrowclick") == 0 &&
               notification.sender->ClassName() == L"CImageTextButtonWithDropDownArrow") {
        const auto* arrow = static_cast<CImageTextButtonWithDropDownArrow*>(notification.sender);
        PostMessageW(parent, kToolbarClickMessage, static_cast<WPARAM>(arrow->arrowCommand), sender);
    }
}

}  // namespace dravolt::windowless
