// The options dialog's page-size rules.
#include "pdf/page_size_choices.h"

#include <cstring>

namespace dravolt {

namespace {

// Bit-for-bit: the current size is a copy of a table entry or of -1 x -1,
// never the result of arithmetic, so no tolerance is wanted.
bool SameBits(PageSize a, PageSize b)
{
    return std::memcmp(&a.width, &b.width, sizeof a.width) == 0 &&
           std::memcmp(&a.height, &b.height, sizeof a.height) == 0;
}

}  // namespace

std::vector<std::wstring> PageSizeChoices(const CPageSizeTable& table)
{
    std::vector<std::wstring> choices{kUseImageSize};
    choices.insert(choices.end(), table.Names().begin(), table.Names().end());
    return choices;
}

int InitialPageSizeChoice(const CPageSizeTable& table, PageSize current)
{
    const auto& names = table.Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto size = table.Lookup(names[i]);
        if (size && SameBits(*size, current))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

PageSizeChoiceEffect EffectOfPageSizeChoice(const CPageSizeTable& table, const std::wstring& name)
{
    PageSizeChoiceEffect effect;
    const auto size = name == kUseImageSize ? std::nullopt : table.Lookup(name);
    if (!size)
        return effect;
    effect.orientationEnabled = true;
    effect.leftRightMaximum = size->width * 0.5f;
    effect.topBottomMaximum = size->height * 0.5f;
    effect.setsOrientation = true;
    effect.landscape = size->width > size->height;
    return effect;
}

PageSize SizeOfPageSizeChoice(const CPageSizeTable& table, const std::wstring& name)
{
    if (name == kUseImageSize)
        return {};
    return table.Lookup(name).value_or(PageSize{});
}

}  // namespace dravolt
