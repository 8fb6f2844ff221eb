// Which dropped paths the main window imports as image files: those whose
// name matches one of the image patterns, compared without case.
// Portable: no Windows header.
#pragma once

#include <string>
#include <vector>

namespace dravolt::mainui {

// The patterns, in the order a dropped file is tested against them.
const std::vector<std::wstring>& DroppedImagePatterns();

// Appends `path` to `files` once for each pattern its whole path matches.
void AppendDroppedImageFile(const std::wstring& path, std::vector<std::wstring>& files);

}  // namespace dravolt::mainui
