#pragma once

#include <cstdint>
#include <memory>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

namespace tessarin::data {

// Values worked out from the timetable's rows and kept for the queries that
// follow: one value of each type, tagged with the timetable version it was
// worked out at, and worked out again when asked for at another version.
class TimetableCache {
public:
    // The kept `Value` when it was worked out at `version`; otherwise
    // workOut()'s, kept from now on. An exception from workOut() leaves no
    // value of that type kept. The reference stays valid until the next call
    // for the same type or clear().
    template <class Value, class WorkOut>
    const Value& find(std::int64_t version, WorkOut&& workOut) {
        Entry& entry = entries_[std::type_index(typeid(Value))];
        if (!entry.value || entry.version != version) {
            entry.value.reset();
            entry.value = std::make_shared<const Value>(workOut());
            entry.version = version;
        }
        return *static_cast<const Value*>(entry.value.get());
    }

    void clear() noexcept { entries_.clear(); }

private:
    struct Entry {
        std::int64_t version = 0;
        std::shared_ptr<const void> value;
    };
    std::unordered_map<std::type_index, Entry> entries_;
};

} // namespace tessarin::data
