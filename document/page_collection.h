// The pages of the document by key (the page file's full path, compared
// exactly). It owns every page; the order of pages is the order of the
// list's rows, never this map's.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "document/page_item.h"

namespace dravolt {

class CPageCollection {
public:
    CPageItem* Find(const std::wstring& key) const;
    bool Contains(const std::wstring& key) const { return pages_.count(key) != 0; }
    // False, and the page is destroyed, when the key is already present.
    bool Add(const std::wstring& key, std::unique_ptr<CPageItem> page);
    std::unique_ptr<CPageItem> Take(const std::wstring& key);
    std::size_t Size() const { return pages_.size(); }

    // Deselects (writing back) every other selected page, then selects the
    // page of `key` if there is one: at most one page holds its full image.
    void SelectByKey(const std::wstring& key);
    // Destroys every page without writing it back, deleting its page file
    // first when asked.
    void RemoveAll(bool deleteFiles);

    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        for (const auto& [key, page] : pages_)
            visit(*page);
    }

private:
    std::unordered_map<std::wstring, std::unique_ptr<CPageItem>> pages_;
};

}  // namespace dravolt
