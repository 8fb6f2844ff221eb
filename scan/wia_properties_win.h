// Reading single WIA properties by identifier, each through its own property
// storage: a read succeeds only when the driver answers S_OK with the
// expected variant type, and a failed read gives nothing.
#pragma once

#include <windows.h>
#include <wia.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scan/device_info.h"

namespace dravolt {

std::optional<std::int32_t> ReadNumberProperty(IWiaPropertyStorage* storage, PROPID id);
std::optional<std::wstring> ReadTextProperty(IWiaPropertyStorage* storage, PROPID id);
// Whether the property can be read at all (S_OK), whatever its type.
bool CanReadProperty(IWiaPropertyStorage* storage, PROPID id);

// The same on an item: its property storage is asked for and let go around
// each read.
std::optional<std::int32_t> ReadNumberProperty(IWiaItem* item, PROPID id);
bool CanReadProperty(IWiaItem* item, PROPID id);

// A property's attribute flags and its valid values as 32-bit numbers;
// `vector` is empty when the valid values are not a vector of 32-bit numbers.
struct PropertyAttributes {
    ULONG flags = 0;
    std::optional<std::vector<std::int32_t>> vector;
};
std::optional<PropertyAttributes> ReadPropertyAttributes(IWiaItem* item, PROPID id);

// The device information reads of a property storage.
class CStoragePropertySource : public IDevicePropertySource {
public:
    explicit CStoragePropertySource(IWiaPropertyStorage* storage) : storage_(storage) {}
    std::optional<std::int32_t> ReadNumber(std::uint32_t id) const override;
    std::optional<std::wstring> ReadText(std::uint32_t id) const override;

private:
    IWiaPropertyStorage* storage_;  // not owned
};

}  // namespace dravolt
