// Brennix, the paint library shared by the program and the skin pack: a
// table of named skin images filled from ZIP archives, and drawing of
// images, colours, lines and text into a device context. Colours are
// 0xAARRGGBB; 0 means "not set".
#pragma once

#include <windows.h>

#include <memory>

#if defined(BRENNIX_BUILDING)
#define BRENNIX_API __declspec(dllexport)
#else
#define BRENNIX_API __declspec(dllimport)
#endif

// Version of the paint library's interface.
extern "C" BRENNIX_API int BrennixVersion();

// The library's wide string, used for names passed to it.
class BRENNIX_API CStdString {
public:
    CStdString();
    CStdString(LPCWSTR text);  // null reads as empty
    CStdString(const CStdString& other);
    CStdString& operator=(const CStdString& other);
    CStdString& operator=(LPCWSTR text);
    ~CStdString();

    bool operator==(const CStdString& other) const;
    bool operator!=(const CStdString& other) const { return !(*this == other); }
    int Compare(LPCWSTR text) const;  // <0, 0, >0 as wcscmp

    // printf-style formatting with wide format specifiers.
    void Format(LPCWSTR format, ...);
    bool IsEmpty() const;
    void Empty();
    int GetLength() const;
    // Position of the first `text` from `start`, or -1.
    int Find(LPCWSTR text, int start = 0) const;
    LPCWSTR GetData() const;  // never null
    operator LPCWSTR() const { return GetData(); }

private:
    struct Text;
    Text* text_;  // owned; keeps the standard library out of the interface
};

// A skin image as decoded for drawing.
struct TImageInfo {
    HBITMAP hBitmap;     // 32-bit top-down DIB, premultiplied; owned by the manager
    int nX;              // width in pixels
    int nY;              // height in pixels
    bool alphaChannel;   // drawn with per-pixel alpha
};

class BRENNIX_API CPaintManager {
public:
    // Source type of AddImageFromZIP: the archive lies in memory and stays
    // there for the life of the process.
    static constexpr int kZipInMemory = 3;

    CPaintManager();
    ~CPaintManager();
    CPaintManager(const CPaintManager&) = delete;
    CPaintManager& operator=(const CPaintManager&) = delete;

    // Indexes every file of the archive under its file name; an existing
    // name is replaced. Nothing is decoded here: the skin pack calls this
    // from its entry point under the loader lock. Gives the number of
    // images added, or -1 for an unknown source type or a damaged archive.
    int AddImageFromZIP(const void* data, int type, DWORD size);

    // The image decoded on first use and cached; null when the name is not
    // in the table or its file cannot be read or decoded.
    const TImageInfo* GetImage(LPCWSTR name);
    bool RemoveImage(LPCWSTR name);

    // Fonts for DrawTextW and DrawHtmlText, addressed by index; -1 and
    // unknown indexes give the default GUI font.
    int AddFont(LPCWSTR face, int height, bool bold, bool underline, bool italic);
    HFONT GetFont(int index);

private:
    struct Table;
    std::unique_ptr<Table> table_;
};

extern BRENNIX_API CPaintManager thePaintManager;

// Clips drawing to a rectangle (within the clip already set) and restores
// the previous clip when destroyed.
class BRENNIX_API CRenderClip {
public:
    CRenderClip() = default;
    ~CRenderClip();
    CRenderClip(const CRenderClip&) = delete;
    CRenderClip& operator=(const CRenderClip&) = delete;

    static void GenerateClip(HDC hDC, const RECT& rc, CRenderClip& clip);
    // Draw with the previous clip between these two calls.
    static void UseOldClipBegin(HDC hDC, CRenderClip& clip);
    static void UseOldClipEnd(HDC hDC, CRenderClip& clip);

private:
    HDC hDC_ = nullptr;       // not owned
    HRGN hRgn_ = nullptr;     // owned: the clip of this object
    HRGN hOldRgn_ = nullptr;  // owned: the previous clip, null when there was none
};

class BRENNIX_API CRenderEngine {
public:
    static COLORREF DUIColor2RGB(DWORD colour);

    // Draws the named image into rcItem, clipped to rcPaint. The modify
    // string "dest='l,t,r,b' source='l,t,r,b' fade='n'" gives the
    // destination relative to rcItem's corner, the source rectangle and the
    // opacity. False only when the image cannot be had.
    static bool DrawImageString(HDC hDC, CPaintManager* pManager, const RECT& rcItem, const RECT& rcPaint,
                                LPCWSTR pStrImage, LPCWSTR pStrModify = nullptr);

    static void DrawColor(HDC hDC, const RECT& rc, DWORD colour);
    static void DrawGradient(HDC hDC, const RECT& rc, DWORD first, DWORD second, bool vertical, int steps);
    // Frame of `width` pixels inside rc.
    static void DrawRect(HDC hDC, const RECT& rc, int width, DWORD colour);
    // Line from rc's top-left to its bottom-right corner.
    static void DrawLine(HDC hDC, const RECT& rc, int width, DWORD colour);
    static void DrawDotRect(HDC hDC, const RECT& rc, DWORD colour);

    // Text in rc with DrawText flags; with DT_CALCRECT rc receives the size.
    static void DrawTextW(HDC hDC, CPaintManager* pManager, RECT& rc, LPCWSTR text, DWORD colour, int font,
                          UINT style);
    // One line of text with <b>, <u> and <a>link</a> tags and the entities
    // &lt; &gt; &amp; &quot;. On entry linkCount is the room in the link
    // arrays; on return the number of links drawn, with their rectangles
    // and texts.
    static void DrawHtmlText(HDC hDC, CPaintManager* pManager, RECT& rc, LPCWSTR text, DWORD colour, int font,
                             UINT style, RECT* links, CStdString* linkTexts, int& linkCount);
};
