#include "tools/e2e/e2e_capture_win.h"

#include <vector>

#include "framework/handles_win.h"

namespace e2e {

namespace {

bool WriteBmp(const std::wstring& path, const BITMAPINFOHEADER& header,
              const std::vector<BYTE>& pixels)
{
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    dravolt::UniqueFile out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (out.Get() == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    return WriteFile(out.Get(), &file, sizeof(file), &written, nullptr) &&
           WriteFile(out.Get(), &header, sizeof(header), &written, nullptr) &&
           WriteFile(out.Get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written,
                     nullptr) &&
           written == pixels.size();
}

}  // namespace

bool CaptureScreenArea(const RECT& area, const std::wstring& path, std::wstring& error)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        error = L"nothing of it is on the screen";
        return false;
    }
    const dravolt::WindowDC screen(nullptr);
    dravolt::UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
    dravolt::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!memory.Get() || !bitmap.Get()) {
        error = L"no memory bitmap";
        return false;
    }
    {
        const dravolt::ScopedSelect select(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    BITMAPINFOHEADER header{sizeof(header)};
    header.biWidth = width;
    header.biHeight = height;  // positive: rows bottom-up, as BMP files keep them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    std::vector<BYTE> pixels(stride * static_cast<size_t>(height));
    header.biSizeImage = static_cast<DWORD>(pixels.size());
    if (!GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(height), pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS)) {
        error = L"cannot read the pixels";
        return false;
    }
    if (!WriteBmp(path, header, pixels)) {
        error = L"cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace e2e
