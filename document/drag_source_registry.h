// The lists of this process that can be the source of a row drag, by an
// identifier that is never reused, so a token of a list that has gone finds
// nothing instead of a dangling object.
#pragma once

#include <cstdint>
#include <map>

namespace dravolt {

template <typename List>
class CDragSourceRegistry {
public:
    std::uint64_t Register(List* list)
    {
        const std::uint64_t id = nextId_++;
        lists_[id] = list;
        return id;
    }
    void Unregister(std::uint64_t id) { lists_.erase(id); }
    List* Find(std::uint64_t id) const
    {
        const auto found = lists_.find(id);
        return found == lists_.end() ? nullptr : found->second;
    }

private:
    std::uint64_t nextId_ = 1;
    std::map<std::uint64_t, List*> lists_;  // not owned
};

}  // namespace dravolt
