#include "scan/scanner_device_win.h"

#include "scan/wia_properties_win.h"

namespace dravolt {

namespace {

constexpr PROPID kHandlingCapabilities = 3086;
constexpr PROPID kHandlingSelect = 3088;
constexpr PROPID kCurrentIntent = 6146;
constexpr PROPID kHorizontalResolution = 6147;

// A driver's tree is not trusted to end: deeper than this is no hit.
constexpr int kMaxItemDepth = 16;

ComPtr<IWiaItem> FindScanItem(IWiaItem* item, int depth);

ComPtr<IWiaItem> SearchChildren(IWiaItem* item, int depth)
{
    ComPtr<IEnumWiaItem> children;
    if (depth >= kMaxItemDepth || FAILED(item->EnumChildItems(children.GetAddressOf())) || !children)
        return {};
    for (;;) {
        ComPtr<IWiaItem> child;
        ULONG fetched = 0;
        if (children->Next(1, child.GetAddressOf(), &fetched) != S_OK || !child)
            return {};
        if (ComPtr<IWiaItem> hit = FindScanItem(child.Get(), depth + 1))
            return hit;
    }
}

ComPtr<IWiaItem> FindScanItem(IWiaItem* item, int depth)
{
    LONG type = 0;
    if (FAILED(item->GetItemType(&type)))
        return {};
    if (ItemHasChildrenToSearch(type))
        return SearchChildren(item, depth);
    return ItemDeliversImages(type) ? ComPtr<IWiaItem>(item) : ComPtr<IWiaItem>();
}

bool WindowsIsVistaOrLater()
{
    const DWORD version = GetVersion();
    return LOBYTE(LOWORD(version)) > 5;
}

}  // namespace

CScannerDevice::CScannerDevice() : modernWindows_(WindowsIsVistaOrLater()) {}

bool CScannerDevice::Bind(ComPtr<IWiaItem> root)
{
    if (!root)
        return false;
    ComPtr<IWiaItem> hit = FindScanItem(root.Get(), 0);
    if (!hit)
        return false;
    scanItem_ = std::move(hit);
    rootItem_ = std::move(root);
    const ComPtr<IWiaPropertyStorage> storage =
        QueryAs<IWiaPropertyStorage>(rootItem_.Get(), IID_IWiaPropertyStorage);
    if (storage)
        ReadDeviceInfo(CStoragePropertySource(storage.Get()), info_);
    valid_ = true;
    return true;
}

bool CScannerDevice::IsOnline()
{
    if (!valid_)
        return false;
    LONG type = 0;
    if (FAILED(scanItem_->GetItemType(&type)) || (type & kItemDisconnected))
        return false;
    const bool handling = CanReadProperty(rootItem_.Get(), kHandlingCapabilities) &&
                          CanReadProperty(rootItem_.Get(), kHandlingSelect);
    noDocumentHandling_ = !handling;
    return true;
}

HandlingCapabilities CScannerDevice::ReadCapabilities() const
{
    return CapabilitiesOfHandling(ReadNumberProperty(rootItem_.Get(), kHandlingCapabilities));
}

std::optional<std::int32_t> CScannerDevice::ReadSelection() const
{
    return ReadNumberProperty(rootItem_.Get(), kHandlingSelect);
}

std::int32_t CScannerDevice::GetHandlingSelection() const
{
    return ReadSelection().value_or(-1);
}

bool CScannerDevice::IsFeederSelected() const
{
    return IsFeederSelection(ReadSelection());
}

bool CScannerDevice::IsFlatbedSelected() const
{
    return IsFlatbedSelection(ReadSelection());
}

bool CScannerDevice::IsDuplexFeederSelected() const
{
    return IsDuplexFeederSelection(ReadSelection());
}

std::optional<ResolutionReading> CScannerDevice::ReadResolutions() const
{
    const auto attributes = ReadPropertyAttributes(scanItem_.Get(), kHorizontalResolution);
    if (!attributes)
        return std::nullopt;
    std::optional<std::span<const std::int32_t>> vector;
    if (attributes->vector)
        vector = std::span<const std::int32_t>(*attributes->vector);
    return ReadResolutionValues(attributes->flags, vector);
}

std::optional<std::int32_t> CScannerDevice::ReadCurrentResolution() const
{
    return ReadNumberProperty(scanItem_.Get(), kHorizontalResolution);
}

std::optional<std::int32_t> CScannerDevice::ReadCurrentIntent() const
{
    return ReadNumberProperty(scanItem_.Get(), kCurrentIntent);
}

}  // namespace dravolt
