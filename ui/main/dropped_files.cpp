// The image-file test of dropped_files.h.
#include "ui/main/dropped_files.h"

#include "import/image_search.h"

namespace dravolt::mainui {

const std::vector<std::wstring>& DroppedImagePatterns()
{
    static const std::vector<std::wstring> patterns{L"*.bmp", L"*.jpeg", L"*.jpg", L"*.png",
                                                    L"*.gif", L"*.tiff", L"*.tif"};
    return patterns;
}

void AppendDroppedImageFile(const std::wstring& path, std::vector<std::wstring>& files)
{
    for (const std::wstring& pattern : DroppedImagePatterns()) {
        if (MatchWildcard(pattern, path))
            files.push_back(path);
    }
}

}  // namespace dravolt::mainui
