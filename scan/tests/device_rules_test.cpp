// Item types, document handling and the device information record.
#include <gtest/gtest.h>

#include <map>
#include <variant>
#include <vector>

#include "scan/device_info.h"
#include "scan/device_rules.h"

namespace dravolt {
namespace {

TEST(ItemTypes, FoldersAreSearchedAndImageFilesDeliver)
{
    struct Case {
        std::int32_t type;
        bool search, delivers;
    };
    for (const Case& c : std::vector<Case>{
             {kItemFolder, true, false},
             {kItemHasAttachments | kItemImage | kItemFile, true, true},
             {kItemImage | kItemFile, false, true},
             {kItemImage | kItemFile | kItemDisconnected, false, true},
             {kItemImage, false, false},
             {kItemFile, false, false},
             {0, false, false}}) {
        EXPECT_EQ(ItemHasChildrenToSearch(c.type), c.search) << c.type;
        EXPECT_EQ(ItemDeliversImages(c.type), c.delivers) << c.type;
    }
}

TEST(DocumentHandling, CapabilityBitsFromTheHandlingCapabilities)
{
    struct Case {
        std::optional<std::int32_t> handling;
        std::uint32_t bits;
    };
    for (const Case& c : std::vector<Case>{
             {std::nullopt, 0},
             {0, 0},
             {kHandlingFlat, kCanFlatbed},
             {kHandlingFeed, 0},  // a sheet feeder without a flatbed
             {kHandlingFeed | kHandlingDuplex, 0},
             {kHandlingFeed | kHandlingFlat, kCanFlatbed | kCanFeed},
             {kHandlingFlat | kHandlingDuplex, kCanFlatbed},
             {kHandlingFeed | kHandlingFlat | kHandlingDuplex, kCanFlatbed | kCanFeed | kCanDuplex}}) {
        EXPECT_EQ(CapabilityBits(CapabilitiesOfHandling(c.handling)), c.bits)
            << (c.handling ? *c.handling : -99);
    }
}

TEST(DocumentHandling, SelectionTestsLookAtTheirBitsOnlyWhenReadable)
{
    struct Case {
        std::optional<std::int32_t> selection;
        bool feeder, flatbed, duplex;
    };
    for (const Case& c : std::vector<Case>{
             {std::nullopt, false, false, false},
             {kHandlingFlat, false, true, false},
             {kHandlingFeed, true, false, false},
             {kHandlingFeed | kHandlingDuplex, true, false, true},
             {kHandlingDuplex, false, false, false},
             {-1, true, true, true}}) {  // a driver's own all-bits value is read as such
        EXPECT_EQ(IsFeederSelection(c.selection), c.feeder);
        EXPECT_EQ(IsFlatbedSelection(c.selection), c.flatbed);
        EXPECT_EQ(IsDuplexFeederSelection(c.selection), c.duplex);
    }
}

// Properties as a driver would give them; every read is logged.
class FakeProperties : public IDevicePropertySource {
public:
    std::map<std::uint32_t, std::variant<std::int32_t, std::wstring>> values;
    mutable std::vector<std::uint32_t> reads;

    std::optional<std::int32_t> ReadNumber(std::uint32_t id) const override
    {
        reads.push_back(id);
        const auto found = values.find(id);
        if (found == values.end() || !std::holds_alternative<std::int32_t>(found->second))
            return std::nullopt;
        return std::get<std::int32_t>(found->second);
    }
    std::optional<std::wstring> ReadText(std::uint32_t id) const override
    {
        reads.push_back(id);
        const auto found = values.find(id);
        if (found == values.end() || !std::holds_alternative<std::wstring>(found->second))
            return std::nullopt;
        return std::get<std::wstring>(found->second);
    }
};

TEST(DeviceInfo, AScannerIsReadPropertyByPropertyInOrder)
{
    FakeProperties source;
    source.values = {{5, 0x00010003}, {4, L"Flatbed"}, {2, L"{ID}\\0001"}, {7, L"Scanner"},
                     {15, L"1.0"}, {11, 7}, {6, L"USB"}, {9, L""}, {8, L"local"}, {13, 0x30},
                     {10, L"{UI}"}, {3, L"Maker"}, {14, L"1.0"}};
    DeviceInfo info;
    EXPECT_TRUE(ReadDeviceInfo(source, info));
    EXPECT_EQ(source.reads, (std::vector<std::uint32_t>{5, 4, 2, 7, 15, 11, 6, 9, 8, 13, 10, 3, 14}));
    EXPECT_EQ(info.stiType, kStiScanner);
    EXPECT_EQ(info.subType, 3);
    EXPECT_EQ(info.deviceId, L"{ID}\\0001");
    EXPECT_EQ(info.name, L"Scanner");
    EXPECT_EQ(info.hardwareConfig, 7);
    EXPECT_EQ(info.stiCapabilities, 0x30);
    EXPECT_EQ(info.vendor, L"Maker");
    EXPECT_EQ(info.wiaVersion, L"1.0");
}

TEST(DeviceInfo, PropertiesOfAnotherTypeAreLeftOut)
{
    FakeProperties source;
    source.values = {{5, 0x00010000}, {7, 42}, {11, L"seven"}, {2, L"{ID}"}};
    DeviceInfo info;
    info.name = L"kept";
    EXPECT_TRUE(ReadDeviceInfo(source, info));
    EXPECT_EQ(info.name, L"kept");  // a failed read changes nothing
    EXPECT_FALSE(info.hardwareConfig);
    EXPECT_EQ(info.deviceId, L"{ID}");
}

TEST(DeviceInfo, OnlyTheTypeOfOtherDevicesIsRead)
{
    struct Case {
        std::optional<std::int32_t> type;
        std::optional<std::uint16_t> stiType;
    };
    for (const Case& c : std::vector<Case>{{0x00020001, kStiCamera},
                                           {std::nullopt, std::nullopt},
                                           {static_cast<std::int32_t>(0xFFFF0001), 0xFFFF}}) {
        FakeProperties source;
        if (c.type)
            source.values[5] = *c.type;
        source.values[7] = L"Camera";
        DeviceInfo info;
        EXPECT_FALSE(ReadDeviceInfo(source, info));
        EXPECT_EQ(source.reads, std::vector<std::uint32_t>{5});
        EXPECT_EQ(info.stiType, c.stiType);
        EXPECT_FALSE(info.name);
    }
}

}  // namespace
}  // namespace dravolt
