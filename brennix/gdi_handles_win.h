// Thin owners of the GDI handles the paint library makes: objects deleted
// with DeleteObject, memory DCs with DeleteDC, objects selected into a DC
// and DC states restored when the scope ends.
#pragma once

#include <windows.h>

#include <utility>

namespace dravolt::brennix {

template <class Handle>
class UniqueGdiObject {
public:
    UniqueGdiObject() = default;
    explicit UniqueGdiObject(Handle handle) : handle_(handle) {}
    UniqueGdiObject(UniqueGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~UniqueGdiObject()
    {
        if (handle_)
            DeleteObject(handle_);
    }
    Handle Get() const { return handle_; }
    Handle Release() { return std::exchange(handle_, nullptr); }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueRegion = UniqueGdiObject<HRGN>;

class UniqueMemoryDc {
public:
    explicit UniqueMemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    UniqueMemoryDc(const UniqueMemoryDc&) = delete;
    UniqueMemoryDc& operator=(const UniqueMemoryDc&) = delete;
    ~UniqueMemoryDc()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves the DC's state (clip, colours, modes) and restores it.
class ScopedDcState {
public:
    explicit ScopedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ScopedDcState(const ScopedDcState&) = delete;
    ScopedDcState& operator=(const ScopedDcState&) = delete;
    ~ScopedDcState()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

}  // namespace dravolt::brennix
