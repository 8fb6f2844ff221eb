// The image files a drop on the page list brings, in the order dropped: a
// dropped folder gives the image files directly inside it, a dropped file
// is taken when its name is an image name.
#pragma once

#include <string>
#include <vector>

namespace dravolt::mainui {

std::vector<std::wstring> CollectDroppedImages(const std::vector<std::wstring>& dropped);

}  // namespace dravolt::mainui
