// Texts the scanner worker shows the user.
#pragma once

namespace dravolt {

inline constexpr wchar_t kScanFailedText[] = L"Scan failed, unsupport operation";
inline constexpr wchar_t kNoScannerText[] =
    L"Either scanner driver is not installed or scanner is not connected. Please check and try again";
inline constexpr wchar_t kNoScannerForSettingsText[] =
    L"No Scanner Device available, Please check out the device has been connected";

}  // namespace dravolt
