// Which dropped paths the main window imports as image files: those whose
// name ends in one of the image extensions, compared without case.
// Portable: no Windows header.
#pragma once

#include <string>
#include <vector>

namespace dravolt::mainui {

// The extensions, in the order a dropped file is tested against them.
const std::vector<std::wstring>& DroppedImageExtensions();

// Appends `path` to `files` once for each extension its name ends in.
void AppendDroppedImageFile(const std::wstring& path, std::vector<std::wstring>& files);

}  // namespace dravolt::mainui
