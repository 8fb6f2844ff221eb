// The configuration of the simulated scanner: a short text of tokens
// separated by ';' or blanks, read once when a device manager is made.
//
//   none                         no device at all
//   flatbed | feeder | duplex | sheetfeed | camera
//                                adds a device of that kind; the options
//                                after it apply to it
//   pick | cancel | error        the chooser's answers to its successive
//                                calls (picks the first device, S_FALSE, a
//                                failure); the last one repeats; pick when
//                                none is given
//   nomanager                    the device manager cannot be created
// Options of the last device:
//   offline                      its scan item reports itself disconnected
//   nohandling                   no document-handling properties
//   noitem                       no item that delivers images
//   nested                       the image item sits in a sub-folder after
//                                an item that is no image
//   wrongtypes                   name and hardware configuration come with
//                                each other's variant type
//   resolutions=75,150,300       the resolution list (device order)
//   nominal=N  xres=N            the list's nominal value; the current one
//   count=N                      the count the list claims (may lie)
//   range=MIN,NOMINAL,MAX,STEP   a range instead of a list
//   intent=N  pages=N            current intent; pages in the feeder
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wiasim {

enum class DeviceKind { Flatbed, Feeder, Duplex, SheetFeed, Camera };
enum class ChooserAnswer { Pick, Cancel, Error };

struct Range {
    std::int32_t minimum, nominal, maximum, step;
};

struct Device {
    DeviceKind kind = DeviceKind::Flatbed;
    bool offline = false;
    bool noHandling = false;
    bool noItem = false;
    bool nested = false;
    bool wrongTypes = false;
    std::vector<std::int32_t> resolutions{75, 100, 150, 200, 300, 600};
    std::int32_t nominal = 150;
    std::optional<std::int32_t> xres;   // the nominal when not given
    std::optional<std::int32_t> count;  // the list's real length when not given
    std::optional<Range> range;
    std::int32_t intent = 0;
    std::int32_t pages = 1;
};

struct Config {
    std::vector<Device> devices;
    std::vector<ChooserAnswer> answers;
    bool noManager = false;
};

// Nothing for an unknown token or a malformed value: a typo must not
// quietly simulate something else.
std::optional<Config> ParseConfig(const std::wstring& text);

}  // namespace wiasim
