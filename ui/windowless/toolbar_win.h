// The toolbar window of the main window: a horizontal bar of image-and-text
// buttons and separators on a placeholder control, whose clicks reach the
// parent as kToolbarClickMessage with the button's command identifier.
#pragma once

#include <optional>
#include <string>

#include "ui/windowless/buttons_win.h"
#include "ui/windowless/host_win.h"

namespace dravolt::windowless {

// To the parent: wParam = command identifier (or the arrow's number),
// lParam = the button. Sent for a click, posted for an arrow click.
inline constexpr UINT kToolbarClickMessage = WM_APP + 100;
inline constexpr int kImportCommand = 61441;
inline constexpr int kImportArrowCommand = 8000;
inline constexpr int kScanCommand = 61442;

class CDUIToolbar : public CDUIHost, public INotify {
public:
    struct Layout {
        RECT margins{2, 2, 2, 2};
        int barHeight = 32;
        int buttonWidth = 32;
        int childPadding = 2;
        int ButtonHeight() const { return barHeight - margins.top - margins.bottom; }
    };

    CDUIToolbar() = default;
    const Layout& Sizes() const { return layout_; }

    void AddSeparator();
    bool AddTextButton(int id, const std::wstring& text, const std::wstring& image, const std::wstring& tooltip);
    bool AddImportButton();
    bool AddIconButton(int id, const std::wstring& image, const std::wstring& tooltip);
    void SetButtonWidth(int id, int width);
    std::optional<RECT> GetButtonRect(int id);
    void EnableButton(int id, bool enabled);
    void SetScanButtonTooltip(const std::wstring& text);
    CImageTextButtonUI* Button(int id);

    void OnNotification(TNotifyUI notification) override;

protected:
    void AfterAttach() override;

private:
    bool AddButton(std::unique_ptr<CImageTextButtonUI> button, int id, const std::wstring& image,
                   const std::wstring& tooltip);
    CHorizontalBarUI* Root();

    Layout layout_;
};

}  // namespace dravolt::windowless
