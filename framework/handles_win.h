// Move-only owners for the Win32 handles the windows and controls use, each
// with its own release call, and scoped helpers that undo what they did
// (selected objects, painting, window DCs).
#pragma once

#include <windows.h>

#include <utility>

namespace dravolt {

// One owner type per handle kind; Traits names the release call.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid())
    {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid())
            Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Invalid();
};

namespace handle_traits {

template <typename H>
struct GdiObject {
    using Handle = H;
    static H Invalid() { return nullptr; }
    static void Close(H h) { DeleteObject(h); }
};
struct MemoryDC {
    using Handle = HDC;
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
struct Window {
    using Handle = HWND;
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};
struct Icon {
    using Handle = HICON;
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct Menu {
    using Handle = HMENU;
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct Kernel {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct File {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct Global {
    using Handle = HGLOBAL;
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { GlobalFree(h); }
};
struct Module {
    using Handle = HMODULE;
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};

}  // namespace handle_traits

using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<HPEN>>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniqueRegion = UniqueHandle<handle_traits::GdiObject<HRGN>>;
using UniqueMemoryDC = UniqueHandle<handle_traits::MemoryDC>;
using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;  // events, threads
using UniqueFile = UniqueHandle<handle_traits::File>;
using UniqueGlobal = UniqueHandle<handle_traits::Global>;
using UniqueModule = UniqueHandle<handle_traits::Module>;

// A window's DC, given back with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;  // not owned
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintContext {
public:
    explicit PaintContext(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintContext() { EndPaint(window_, &paint_); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;
    HDC Get() const { return dc_; }
    const RECT& PaintRect() const { return paint_.rcPaint; }
    bool Erase() const { return paint_.fErase != FALSE; }

private:
    HWND window_;  // not owned
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() { if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;            // not owned
    HGDIOBJ previous_;  // not owned: belongs to whoever selected it before
};

// SaveDC/RestoreDC around a drawing step that changes DC state.
class ScopedSaveDC {
public:
    explicit ScopedSaveDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~ScopedSaveDC() { if (saved_) RestoreDC(dc_, saved_); }
    ScopedSaveDC(const ScopedSaveDC&) = delete;
    ScopedSaveDC& operator=(const ScopedSaveDC&) = delete;

private:
    HDC dc_;  // not owned
    int saved_;
};

}  // namespace dravolt
