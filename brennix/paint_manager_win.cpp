// The paint manager: the image index plus the decoded bitmaps, made on
// first use and kept until the image is removed or the process ends.
#include <iterator>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "brennix/brennix.h"
#include "brennix/gdi_handles_win.h"
#include "brennix/image_index.h"
#include "brennix/skin_pixels.h"

using dravolt::brennix::UniqueBitmap;
using dravolt::brennix::UniqueFont;

CPaintManager thePaintManager;

namespace {

struct CachedImage {
    UniqueBitmap bitmap;
    TImageInfo info{};
};

// A 32-bit top-down DIB section holding the premultiplied pixels.
UniqueBitmap MakeBitmap(const dravolt::brennix::SkinPixels& pixels)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 32, BI_RGB};
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits) {
        GdiFlush();
        memcpy(bits, pixels.bgra.data(), pixels.bgra.size());
    }
    return bitmap;
}

}  // namespace

struct CPaintManager::Table {
    dravolt::brennix::ImageIndex index;
    std::map<std::wstring, CachedImage> decoded;
    std::vector<UniqueFont> fonts;
};

CPaintManager::CPaintManager() : table_(std::make_unique<Table>()) {}
CPaintManager::~CPaintManager() = default;

int CPaintManager::AddImageFromZIP(const void* data, int type, DWORD size)
{
    if (type != kZipInMemory || !data)
        return -1;
    const auto archive = std::span(static_cast<const std::uint8_t*>(data), size);
    const auto added = table_->index.AddArchive(archive);
    if (!added)
        return -1;
    // A replaced file must not keep the old file's picture.
    for (auto it = table_->decoded.begin(); it != table_->decoded.end();) {
        const auto* file = table_->index.Find(it->first);
        it = !file || file->archive.data() == archive.data() ? table_->decoded.erase(it) : std::next(it);
    }
    return *added;
}

const TImageInfo* CPaintManager::GetImage(LPCWSTR name)
{
    if (!name || !*name)
        return nullptr;
    const std::wstring key(name);
    if (const auto cached = table_->decoded.find(key); cached != table_->decoded.end())
        return &cached->second.info;
    const auto* file = table_->index.Find(key);
    if (!file)
        return nullptr;
    const auto bytes = dravolt::brennix::ExtractZipEntry(file->archive, file->entry);
    const auto pixels = bytes ? dravolt::brennix::DecodeSkinPixels(*bytes) : std::nullopt;
    if (!pixels)
        return nullptr;
    CachedImage image;
    image.bitmap = MakeBitmap(*pixels);
    if (!image.bitmap)
        return nullptr;
    image.info = {image.bitmap.Get(), pixels->width, pixels->height, pixels->alpha};
    return &table_->decoded.insert_or_assign(key, std::move(image)).first->second.info;
}

bool CPaintManager::RemoveImage(LPCWSTR name)
{
    if (!name)
        return false;
    const std::wstring key(name);
    table_->decoded.erase(key);
    return table_->index.Remove(key);
}

int CPaintManager::AddFont(LPCWSTR face, int height, bool bold, bool underline, bool italic)
{
    LOGFONTW font{};
    font.lfHeight = -height;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = underline;
    font.lfItalic = italic;
    font.lfCharSet = DEFAULT_CHARSET;
    if (face)
        lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    UniqueFont handle(CreateFontIndirectW(&font));
    if (!handle)
        return -1;
    table_->fonts.push_back(std::move(handle));
    return static_cast<int>(table_->fonts.size()) - 1;
}

HFONT CPaintManager::GetFont(int index)
{
    if (index >= 0 && static_cast<size_t>(index) < table_->fonts.size())
        return table_->fonts[static_cast<size_t>(index)].Get();
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
