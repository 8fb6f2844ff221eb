// Feeds arbitrary bytes to the page-size file reader: it must never crash,
// and every size it keeps must be usable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/page_size_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    dravolt::CPageSizeTable table;
    table.LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::wstring& name : table.Names()) {
        const auto found = table.Lookup(name);
        if (!found || !(found->width > 10.0f && found->height > 10.0f))
            std::abort();
    }
    return 0;
}
