#include "sim_items.h"

#include <string>

namespace wiasim {

namespace {

constexpr PROPID kHandlingCapabilities = WIA_DPS_DOCUMENT_HANDLING_CAPABILITIES;
constexpr PROPID kHandlingSelect = WIA_DPS_DOCUMENT_HANDLING_SELECT;

struct Handling {
    LONG capabilities, selection;
};

Handling HandlingOf(DeviceKind kind)
{
    switch (kind) {
    case DeviceKind::Flatbed:
        return {FLAT, FLATBED};
    case DeviceKind::Feeder:
        return {FEED | FLAT, FEEDER};
    case DeviceKind::Duplex:
        return {FEED | FLAT | DUP, FEEDER | DUPLEX};
    case DeviceKind::SheetFeed:
        return {FEED, FEEDER};
    case DeviceKind::Camera:
        break;
    }
    return {0, 0};
}

const wchar_t* NameOf(DeviceKind kind)
{
    switch (kind) {
    case DeviceKind::Flatbed:
        return L"Simulated Flatbed Scanner";
    case DeviceKind::Feeder:
        return L"Simulated Feeder Scanner";
    case DeviceKind::Duplex:
        return L"Simulated Duplex Scanner";
    case DeviceKind::SheetFeed:
        return L"Simulated Sheet-fed Scanner";
    case DeviceKind::Camera:
        break;
    }
    return L"Simulated Camera";
}

// Resolutions as the driver describes them: a list {count, nominal, values}
// or a range {min, nominal, max, step}.
void AddResolutions(const Device& device, PropertyBag& bag)
{
    ValidValues valid;
    if (device.range) {
        const Range& r = *device.range;
        valid = {WIA_PROP_RW | WIA_PROP_RANGE, {r.minimum, r.nominal, r.maximum, r.step}};
    } else {
        valid.flags = WIA_PROP_RW | WIA_PROP_LIST;
        valid.vector = {device.count.value_or(static_cast<LONG>(device.resolutions.size())), device.nominal};
        valid.vector.insert(valid.vector.end(), device.resolutions.begin(), device.resolutions.end());
    }
    const LONG nominal = device.range ? device.range->nominal : device.nominal;
    for (const PROPID id : {PROPID{WIA_IPS_XRES}, PROPID{WIA_IPS_YRES}}) {
        bag.values[id] = device.xres.value_or(nominal);
        bag.attributes[id] = valid;
    }
}

ComPtr<CSimItem> MakeImageItem(const Device& device)
{
    auto properties = std::make_shared<PropertyBag>();
    AddResolutions(device, *properties);
    properties->values[WIA_IPS_CUR_INTENT] = device.intent;
    properties->values[WIA_IPA_ITEM_NAME] = std::wstring(L"Top");
    LONG type = WiaItemTypeImage | WiaItemTypeFile;
    if (device.offline)
        type |= WiaItemTypeDisconnected;
    return MakeComObject<CSimItem>(type, std::move(properties));
}

}  // namespace

CSimItem::CSimItem(LONG type, std::shared_ptr<PropertyBag> properties)
    : type_(type), properties_(std::move(properties))
{
}

HRESULT CSimItem::GetItemType(LONG* type)
{
    NoteCall();
    if (!type)
        return E_POINTER;
    *type = type_;
    return S_OK;
}

HRESULT CSimItem::EnumChildItems(IEnumWiaItem** children)
{
    NoteCall();
    if (!children)
        return E_POINTER;
    *children = nullptr;
    if (!(type_ & WiaItemTypeFolder))
        return E_INVALIDARG;
    std::vector<ComPtr<IWiaItem>> items(children_.begin(), children_.end());
    *children = MakeComObject<CSimItemEnum>(std::move(items)).Detach();
    return S_OK;
}

// Every item carries its own property storage over the item's properties.
HRESULT CSimItem::QueryOther(REFIID iid, void** object)
{
    if (iid != IID_IWiaPropertyStorage)
        return E_NOINTERFACE;
    IWiaPropertyStorage* storage = MakeComObject<CSimPropertyStorage>(properties_).Detach();
    *object = storage;
    return S_OK;
}

LONG StiTypeOf(DeviceKind kind)
{
    return kind == DeviceKind::Camera ? 2 : 1;  // StiDeviceTypeDigitalCamera : StiDeviceTypeScanner
}

std::shared_ptr<PropertyBag> DeviceInfoProperties(const Device& device, int index)
{
    auto bag = std::make_shared<PropertyBag>();
    auto& v = bag->values;
    const std::wstring number = std::to_wstring(index + 1);
    v[WIA_DIP_DEV_TYPE] = StiTypeOf(device.kind) << 16;
    v[WIA_DIP_DEV_DESC] = std::wstring(NameOf(device.kind));
    v[WIA_DIP_DEV_ID] = L"SIMULATED\\" + std::wstring(4 - number.size(), L'0') + number;
    v[WIA_DIP_DEV_NAME] = std::wstring(NameOf(device.kind)) + L" " + number;
    v[WIA_DIP_DRIVER_VERSION] = std::wstring(L"1.0.0.0");
    v[WIA_DIP_HW_CONFIG] = LONG{0};
    v[WIA_DIP_PORT_NAME] = std::wstring(L"SIM") + number;
    v[WIA_DIP_REMOTE_DEV_ID] = std::wstring(L"");
    v[WIA_DIP_SERVER_NAME] = std::wstring(L"local");
    v[WIA_DIP_STI_GEN_CAPABILITIES] = LONG{0};
    v[WIA_DIP_UI_CLSID] = std::wstring(L"{00000000-0000-0000-0000-000000000000}");
    v[WIA_DIP_VEND_DESC] = std::wstring(L"Dravolt test tools");
    v[WIA_DIP_WIA_VERSION] = std::wstring(L"1.0");
    if (device.wrongTypes) {
        v[WIA_DIP_DEV_NAME] = LONG{7};
        v[WIA_DIP_HW_CONFIG] = std::wstring(L"7");
    }
    return bag;
}

ComPtr<CSimItem> MakeDeviceTree(const Device& device, int index)
{
    auto properties = DeviceInfoProperties(device, index);
    const Handling handling = HandlingOf(device.kind);
    if (!device.noHandling && device.kind != DeviceKind::Camera) {
        properties->values[kHandlingCapabilities] = handling.capabilities;
        properties->values[kHandlingSelect] = handling.selection;
        properties->values[WIA_DPS_PAGES] = device.pages;
    }
    const LONG rootType = WiaItemTypeFolder | WiaItemTypeDevice | WiaItemTypeRoot;
    auto root = MakeComObject<CSimItem>(rootType, std::move(properties));
    if (device.noItem) {
        root->AddChild(MakeComObject<CSimItem>(WiaItemTypeFile, std::make_shared<PropertyBag>()));
    } else if (device.nested) {
        root->AddChild(MakeComObject<CSimItem>(WiaItemTypeFile, std::make_shared<PropertyBag>()));
        auto folder = MakeComObject<CSimItem>(WiaItemTypeFolder, std::make_shared<PropertyBag>());
        folder->AddChild(MakeImageItem(device));
        root->AddChild(std::move(folder));
    } else {
        root->AddChild(MakeImageItem(device));
    }
    return root;
}

}  // namespace wiasim
