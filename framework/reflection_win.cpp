#include "framework/reflection_win.h"

namespace dravolt {

HWND ReflectedChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:  // lParam is null for menus and accelerators
    case WM_HSCROLL:  // lParam is null for the window's own scroll bars
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return wParam && item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        // Sent before the control may know its handle; found by identifier.
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return wParam && item && item->CtlType != ODT_MENU
                   ? GetDlgItem(parent, static_cast<int>(item->CtlID)) : nullptr;
    }
    case WM_DELETEITEM:
        return lParam ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_COMPAREITEM:
        return lParam ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    default:
        return nullptr;
    }
}

}  // namespace dravolt
