// Not a test: shows the About box, lets it paint, saves a picture of its
// window as a 24-bit BMP (the path given, else about.bmp) and closes it.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/handles_win.h"
#include "skin/tamsel.h"
#include "ui/main/about/about_dlg_win.h"

namespace {

using namespace dravolt;

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// The window as the screen shows it, bottom-up 24-bit rows.
bool SaveWindow(HWND window, const std::wstring& path)
{
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
    {
        const WindowDC screen(nullptr);
        UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
        UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
        {
            const ScopedSelect select(memory.Get(), bitmap.Get());
            BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
        }
        // The bitmap is read once it is no longer selected.
        GetDIBits(memory.Get(), bitmap.Get(), 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out)
        return false;
    const bool written = fwrite(&file, sizeof file, 1, out) == 1 &&
                         fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                         fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return fclose(out) == 0 && written;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    work(0);
    const std::wstring path = argc > 1 ? argv[1] : L"about.bmp";
    CAboutDlg dialog;
    if (!dialog.CreateModeless(nullptr))
        return 1;
    SetWindowPos(dialog.Handle(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    PumpFor(1500);
    const bool saved = SaveWindow(dialog.Handle(), path);
    dialog.EndDialog(IDOK);
    return saved ? 0 : 2;
}
