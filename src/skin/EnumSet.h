#pragma once

#include <bitset>
#include <cstddef>
#include <initializer_list>

namespace tessarin::skin {

// A set of the values of an enumeration numbered from 0 (value n is bit n).
template <typename Enum, std::size_t Count>
class EnumSet {
public:
    EnumSet() = default;
    EnumSet(std::initializer_list<Enum> members) {
        for (Enum member : members)
            insert(member);
    }
    static EnumSet all() {
        EnumSet set;
        set.bits_.set();
        return set;
    }

    bool contains(Enum member) const { return bits_.test(static_cast<std::size_t>(member)); }
    void insert(Enum member) { bits_.set(static_cast<std::size_t>(member)); }
    void remove(Enum member) { bits_.reset(static_cast<std::size_t>(member)); }

    friend bool operator==(const EnumSet&, const EnumSet&) = default;

private:
    std::bitset<Count> bits_;
};

} // namespace tessarin::skin
