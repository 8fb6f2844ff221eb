#include "scan/device_info.h"

#include <array>

namespace dravolt {

namespace {

// Device information property identifiers.
constexpr std::uint32_t kDevType = 5;

// One field after the device type: a text or a number, in reading order.
struct Field {
    std::uint32_t id;
    std::optional<std::wstring> DeviceInfo::*text;
    std::optional<std::int32_t> DeviceInfo::*number;
};

constexpr std::array<Field, 12> kFields{{
    {4, &DeviceInfo::description, nullptr},
    {2, &DeviceInfo::deviceId, nullptr},
    {7, &DeviceInfo::name, nullptr},
    {15, &DeviceInfo::driverVersion, nullptr},
    {11, nullptr, &DeviceInfo::hardwareConfig},
    {6, &DeviceInfo::port, nullptr},
    {9, &DeviceInfo::remoteDeviceId, nullptr},
    {8, &DeviceInfo::server, nullptr},
    {13, nullptr, &DeviceInfo::stiCapabilities},
    {10, &DeviceInfo::uiClassId, nullptr},
    {3, &DeviceInfo::vendor, nullptr},
    {14, &DeviceInfo::wiaVersion, nullptr},
}};

void ReadField(const IDevicePropertySource& source, const Field& field, DeviceInfo& info)
{
    if (field.text) {
        if (auto text = source.ReadText(field.id))
            info.*field.text = std::move(text);
    } else if (auto number = source.ReadNumber(field.id)) {
        info.*field.number = number;
    }
}

}  // namespace

bool ReadDeviceInfo(const IDevicePropertySource& source, DeviceInfo& info)
{
    if (const auto type = source.ReadNumber(kDevType)) {
        const auto bits = static_cast<std::uint32_t>(*type);
        info.stiType = static_cast<std::uint16_t>(bits >> 16);
        info.subType = static_cast<std::uint16_t>(bits & 0xFFFF);
    }
    if (!info.IsScanner())
        return false;
    for (const Field& field : kFields)
        ReadField(source, field, info);
    return true;
}

}  // namespace dravolt
