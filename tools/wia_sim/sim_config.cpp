#include "sim_config.h"

#include <cwchar>
#include <map>

namespace wiasim {

namespace {

std::vector<std::wstring> Split(const std::wstring& text, const wchar_t* separators)
{
    std::vector<std::wstring> parts;
    std::wstring part;
    for (const wchar_t c : text + separators[0]) {
        if (std::wcschr(separators, c)) {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    return parts;
}

std::optional<std::int32_t> Number(const std::wstring& text)
{
    if (text.empty())
        return std::nullopt;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    if (*end != L'\0')
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::vector<std::int32_t>> Numbers(const std::wstring& text)
{
    std::vector<std::int32_t> numbers;
    for (const std::wstring& part : Split(text, L",")) {
        const auto number = Number(part);
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

bool ApplyFlag(const std::wstring& token, Device& device)
{
    const std::map<std::wstring, bool Device::*> flags{
        {L"offline", &Device::offline},       {L"nohandling", &Device::noHandling},
        {L"noitem", &Device::noItem},         {L"nested", &Device::nested},
        {L"wrongtypes", &Device::wrongTypes}};
    const auto found = flags.find(token);
    if (found == flags.end())
        return false;
    device.*found->second = true;
    return true;
}

bool ApplyValue(const std::wstring& key, const std::wstring& value, Device& device)
{
    if (key == L"resolutions") {
        const auto numbers = Numbers(value);
        if (!numbers)
            return false;
        device.resolutions = *numbers;
        return true;
    }
    if (key == L"range") {
        const auto numbers = Numbers(value);
        if (!numbers || numbers->size() != 4)
            return false;
        device.range = Range{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
        return true;
    }
    const auto number = Number(value);
    if (!number)
        return false;
    if (key == L"nominal")
        device.nominal = *number;
    else if (key == L"xres")
        device.xres = *number;
    else if (key == L"count")
        device.count = *number;
    else if (key == L"intent")
        device.intent = *number;
    else if (key == L"pages")
        device.pages = *number;
    else
        return false;
    return true;
}

std::optional<DeviceKind> KindOf(const std::wstring& token)
{
    const std::map<std::wstring, DeviceKind> kinds{
        {L"flatbed", DeviceKind::Flatbed}, {L"feeder", DeviceKind::Feeder},
        {L"duplex", DeviceKind::Duplex},   {L"sheetfeed", DeviceKind::SheetFeed},
        {L"camera", DeviceKind::Camera}};
    const auto found = kinds.find(token);
    return found == kinds.end() ? std::nullopt : std::optional(found->second);
}

bool ApplyToken(const std::wstring& token, Config& config)
{
    if (const auto kind = KindOf(token)) {
        config.devices.push_back(Device{*kind});
        return true;
    }
    if (token == L"none")
        return true;
    const std::map<std::wstring, ChooserAnswer> answers{
        {L"pick", ChooserAnswer::Pick}, {L"cancel", ChooserAnswer::Cancel}, {L"error", ChooserAnswer::Error}};
    if (const auto answer = answers.find(token); answer != answers.end()) {
        config.answers.push_back(answer->second);
        return true;
    }
    if (token == L"nomanager") {
        config.noManager = true;
        return true;
    }
    if (config.devices.empty())
        return false;  // a device option before any device
    const size_t equals = token.find(L'=');
    if (equals == std::wstring::npos)
        return ApplyFlag(token, config.devices.back());
    return ApplyValue(token.substr(0, equals), token.substr(equals + 1), config.devices.back());
}

}  // namespace

std::optional<Config> ParseConfig(const std::wstring& text)
{
    Config config;
    for (const std::wstring& token : Split(text, L"; \t")) {
        if (!ApplyToken(token, config))
            return std::nullopt;
    }
    return config;
}

}  // namespace wiasim
