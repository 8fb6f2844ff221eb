// Shared pieces of the control tests: a top-level parent that records the
// commands its children send, a 32-bit memory canvas to paint into, and
// mouse message parameters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/handles_win.h"
#include "framework/window_win.h"

namespace dravolt::controls::test {

class RecordingParent : public CWindow {
public:
    struct Command { int id; int code; HWND from; };
    std::vector<Command> commands;

    RecordingParent() { Create(nullptr, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300}); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND) {
            commands.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
            return 0;
        }
        return CWindow::WindowProc(message, wParam, lParam);
    }
};

// A top-down 32-bit DIB selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO bmi{};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
        select_.emplace(dc_.Get(), bitmap_.Get());
    }
    HDC Dc() const { return dc_.Get(); }
    // 0xRRGGBB of a pixel.
    std::uint32_t At(int x, int y) const
    {
        GdiFlush();
        return bits_[y * width_ + x] & 0xFFFFFF;
    }
    int Count(std::uint32_t rgb, const RECT& r) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == rgb;
        return n;
    }

private:
    int width_;
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    std::optional<ScopedSelect> select_;
    std::uint32_t* bits_ = nullptr;
};

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// Delivers what the calls above posted or queued (tracking, repaints).
inline void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace dravolt::controls::test
