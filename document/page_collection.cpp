#include "document/page_collection.h"

namespace dravolt {

CPageItem* CPageCollection::Find(const std::wstring& key) const
{
    const auto found = pages_.find(key);
    return found == pages_.end() ? nullptr : found->second.get();
}

bool CPageCollection::Add(const std::wstring& key, std::unique_ptr<CPageItem> page)
{
    if (!page)
        return false;
    return pages_.emplace(key, std::move(page)).second;
}

std::unique_ptr<CPageItem> CPageCollection::Take(const std::wstring& key)
{
    const auto found = pages_.find(key);
    if (found == pages_.end())
        return nullptr;
    std::unique_ptr<CPageItem> page = std::move(found->second);
    pages_.erase(found);
    return page;
}

void CPageCollection::SelectByKey(const std::wstring& key)
{
    for (const auto& [otherKey, page] : pages_) {
        if (otherKey != key && page->IsSelected())
            page->Deselect();
    }
    if (CPageItem* page = Find(key))
        page->Select();
}

void CPageCollection::RemoveAll(bool deleteFiles)
{
    if (deleteFiles) {
        for (const auto& [key, page] : pages_)
            page->DeleteImageFile();
    }
    pages_.clear();
}

}  // namespace dravolt
