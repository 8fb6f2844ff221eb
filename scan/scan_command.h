// The commands the main window hands to the scanner worker thread, one at a
// time, through a 32-bit command slot.
#pragma once

#include <cstdint>

namespace dravolt {

enum class ScanCommand : std::uint32_t {
    Idle = 0xFF0001,              // the resting value of the slot
    Scan = 0xFF0002,              // transfer pages from the chosen device
    SelectDevice = 0xFF0003,      // the chooser, always shown; then the resolutions
    CheckDevice = 0xFF0004,       // refresh the device-online flag
    NoOperation = 0xFF0005,       // nothing (a round trip through the worker)
    PrepareSettings = 0xFF0006,   // a device if none, then its capability bits
    EnumerateDevices = 0xFF0007,  // create the device manager, count the scanners
};

}  // namespace dravolt
