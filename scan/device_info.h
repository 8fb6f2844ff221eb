// The device information record of a WIA device: its root item's (or its
// enumeration entry's) properties, each kept only when the driver gave it
// with the expected type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dravolt {

// STI device types (the high word of the device type property).
inline constexpr std::uint16_t kStiScanner = 1;
inline constexpr std::uint16_t kStiCamera = 2;

struct DeviceInfo {
    std::optional<std::uint16_t> stiType;  // high word of the device type
    std::optional<std::uint16_t> subType;  // low word
    std::optional<std::wstring> description;
    std::optional<std::wstring> deviceId;  // names the device's settings
    std::optional<std::wstring> name;
    std::optional<std::wstring> driverVersion;
    std::optional<std::int32_t> hardwareConfig;
    std::optional<std::wstring> port;
    std::optional<std::wstring> remoteDeviceId;
    std::optional<std::wstring> server;
    std::optional<std::int32_t> stiCapabilities;
    std::optional<std::wstring> uiClassId;
    std::optional<std::wstring> vendor;
    std::optional<std::wstring> wiaVersion;

    bool IsScanner() const { return stiType == kStiScanner; }
};

// One property read at a time; empty when it cannot be read or has another
// type than asked for.
class IDevicePropertySource {
public:
    virtual ~IDevicePropertySource() = default;
    virtual std::optional<std::int32_t> ReadNumber(std::uint32_t propertyId) const = 0;
    virtual std::optional<std::wstring> ReadText(std::uint32_t propertyId) const = 0;
};

// Fills `info` property by property, starting with the device type; only a
// scanner's further properties are read. True when the device is a scanner.
bool ReadDeviceInfo(const IDevicePropertySource& source, DeviceInfo& info);

}  // namespace dravolt
