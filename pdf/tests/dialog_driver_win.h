// Helpers for driving dialogs by messages under Wine: control texts, clicks,
// and a thread timer that answers every message box and keeps its text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace dravolt::test {

inline std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[1024] = L"";
    GetDlgItemTextW(dialog, id, text, 1024);
    return text;
}

inline void Click(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline void SelectComboText(HWND dialog, int id, const wchar_t* text)
{
    const HWND combo = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

struct PromptAnswerer {
    static inline std::vector<std::wstring> texts;

    static BOOL CALLBACK FindBox(HWND window, LPARAM found)
    {
        wchar_t className[16] = L"";
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770" || !GetDlgItem(window, 0xFFFF) || !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            return;
        texts.push_back(ItemText(box, 0xFFFF));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    static void Start()
    {
        texts.clear();
        SetTimer(nullptr, 0, 50, &Tick);
    }
};

}  // namespace dravolt::test
