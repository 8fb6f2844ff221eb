// What the scanner worker knows about scanning: written by the worker while
// a command runs, by the user-interface thread only while the slot is Idle.
#pragma once

#include <cstdint>
#include <vector>

namespace dravolt {

// WIA intents and paper sources as the scan options use them.
inline constexpr std::int32_t kIntentColor = 1;
inline constexpr std::int32_t kIntentGrayscale = 2;
inline constexpr std::int32_t kIntentText = 4;  // black and white
inline constexpr std::int32_t kPaperFeeder = 1;
inline constexpr std::int32_t kPaperFlatbed = 2;
inline constexpr std::int32_t kPaperDuplex = 4;

struct ScanState {
    bool scannersPresent = false;  // at least one scanner is known to exist
    bool deviceOnline = false;     // result of the last online check
    bool settingsPending = true;   // the next Scan first shows the scan options
    bool manualControl = true;     // each scan goes through the device's own dialog
    std::int32_t scanIntent = kIntentText;
    std::int32_t paperSource = kPaperFlatbed;
    bool autoEnhance = true;
    std::uint32_t capabilities = 0;         // capability bits, see document_handling.h
    std::vector<std::int32_t> resolutions;  // ascending DPI values of the scan item
    std::int32_t currentResolution = 150;   // DPI used for preset scans
};

}  // namespace dravolt
