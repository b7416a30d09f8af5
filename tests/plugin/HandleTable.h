#ifndef DRAVELLO_TESTS_PLUGIN_HANDLETABLE_H
#define DRAVELLO_TESTS_PLUGIN_HANDLETABLE_H

// The objects behind one kind of host handle. Handle values come from one
// counter shared by every table and are never reused, so a stale handle or
// one of another kind is never mistaken for a live one.

#include <cstdint>
#include <map>
#include <vector>

namespace testhost {

class HandleCounter {
public:
    std::uintptr_t next() { return value += 0x10; }

private:
    std::uintptr_t value = 0x10000;
};

template <typename Handle, typename Object>
class HandleTable {
public:
    explicit HandleTable(HandleCounter& counter) : counter(counter) {}

    Handle add(Object object)
    {
        const std::uintptr_t id = counter.next();
        objects.emplace(id, std::move(object));
        return reinterpret_cast<Handle>(id);
    }

    Object* find(Handle handle)
    {
        auto found = objects.find(reinterpret_cast<std::uintptr_t>(handle));
        return found == objects.end() ? nullptr : &found->second;
    }

    bool remove(Handle handle) { return objects.erase(reinterpret_cast<std::uintptr_t>(handle)) == 1; }
    void clear() { objects.clear(); }
    std::size_t size() const { return objects.size(); }

    std::vector<Object> values() const
    {
        std::vector<Object> all;
        for (const auto& entry : objects)
            all.push_back(entry.second);
        return all;
    }

    template <typename Predicate>
    std::size_t countIf(Predicate predicate) const
    {
        std::size_t count = 0;
        for (const auto& entry : objects)
            count += predicate(entry.second) ? 1 : 0;
        return count;
    }

private:
    HandleCounter& counter;
    std::map<std::uintptr_t, Object> objects;
};

} // namespace testhost

#endif
