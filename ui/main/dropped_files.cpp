// The image-file test of dropped_files.h.
#include "ui/main/dropped_files.h"

#include <cwctype>

namespace dravolt::mainui {

namespace {

bool EndsWithNoCase(const std::wstring& text, const std::wstring& tail)
{
    if (tail.size() > text.size())
        return false;
    const std::size_t start = text.size() - tail.size();
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::towlower(text[start + i]) != std::towlower(tail[i]))
            return false;
    }
    return true;
}

}  // namespace

const std::vector<std::wstring>& DroppedImageExtensions()
{
    static const std::vector<std::wstring> extensions{L".bmp", L".jpeg", L".jpg", L".png",
                                                      L".gif", L".tiff", L".tif"};
    return extensions;
}

void AppendDroppedImageFile(const std::wstring& path, std::vector<std::wstring>& files)
{
    for (const std::wstring& extension : DroppedImageExtensions()) {
        if (EndsWithNoCase(path, extension))
            files.push_back(path);
    }
}

}  // namespace dravolt::mainui
