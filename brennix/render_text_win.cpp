// Text drawing: plain text with DrawText flags, and one line of marked-up
// text whose links are reported back to the caller.
#include <string>

#include "brennix/brennix.h"
#include "brennix/draw_geometry.h"
#include "brennix/gdi_handles_win.h"
#include "brennix/html_text.h"

using namespace dravolt::brennix;

namespace {

constexpr DWORD kLinkColour = 0xFF0645AD;

HFONT FontOf(CPaintManager* manager, int font)
{
    return (manager ? *manager : thePaintManager).GetFont(font);
}

// A variant of the base font with the run's weight and underline.
UniqueFont StyledFont(HFONT base, const HtmlRun& run)
{
    LOGFONTW font{};
    GetObjectW(base, sizeof(font), &font);
    if (run.bold)
        font.lfWeight = FW_BOLD;
    if (run.underline || run.link)
        font.lfUnderline = TRUE;
    return UniqueFont(CreateFontIndirectW(&font));
}

SIZE RunExtent(HDC hDC, HFONT font, const std::wstring& text)
{
    ScopedSelect select(hDC, font);
    SIZE size{};
    GetTextExtentPoint32W(hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace

void CRenderEngine::DrawTextW(HDC hDC, CPaintManager* pManager, RECT& rc, LPCWSTR text, DWORD colour, int font,
                              UINT style)
{
    if (!text)
        return;
    ScopedDcState state(hDC);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, ArgbToColorRef(colour));
    SelectObject(hDC, FontOf(pManager, font));
    ::DrawTextW(hDC, text, -1, &rc, style);
}

void CRenderEngine::DrawHtmlText(HDC hDC, CPaintManager* pManager, RECT& rc, LPCWSTR text, DWORD colour, int font,
                                 UINT style, RECT* links, CStdString* linkTexts, int& linkCount)
{
    const int room = links ? linkCount : 0;
    linkCount = 0;
    if (!text)
        return;
    ScopedDcState state(hDC);
    SetBkMode(hDC, TRANSPARENT);
    const HFONT base = FontOf(pManager, font);
    const auto runs = ParseHtmlText(text);

    std::vector<UniqueFont> fonts;
    std::vector<SIZE> sizes;
    LONG width = 0, height = 0;
    for (const HtmlRun& run : runs) {
        fonts.push_back(StyledFont(base, run));
        sizes.push_back(RunExtent(hDC, fonts.back() ? fonts.back().Get() : base, run.text));
        width += sizes.back().cx;
        height = std::max(height, sizes.back().cy);
    }
    if (style & DT_CALCRECT) {
        rc.right = rc.left + width;
        rc.bottom = rc.top + height;
        return;
    }
    LONG x = rc.left;
    if (style & DT_CENTER)
        x += (rc.right - rc.left - width) / 2;
    else if (style & DT_RIGHT)
        x = rc.right - width;
    LONG y = rc.top;
    if (style & DT_VCENTER)
        y += (rc.bottom - rc.top - height) / 2;
    else if (style & DT_BOTTOM)
        y = rc.bottom - height;

    IntersectClipRect(hDC, rc.left, rc.top, rc.right, rc.bottom);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const HtmlRun& run = runs[i];
        SelectObject(hDC, fonts[i] ? fonts[i].Get() : base);
        SetTextColor(hDC, ArgbToColorRef(run.link ? kLinkColour : colour));
        TextOutW(hDC, x, y, run.text.c_str(), static_cast<int>(run.text.size()));
        if (run.link && linkCount < room) {
            links[linkCount] = {x, y, x + sizes[i].cx, y + sizes[i].cy};
            if (linkTexts)
                linkTexts[linkCount] = run.text.c_str();
            ++linkCount;
        }
        x += sizes[i].cx;
    }
    SelectObject(hDC, base);  // the styled fonts die before the DC state returns
}
