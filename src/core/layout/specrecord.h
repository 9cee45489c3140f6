// The spec record: every number of one layout, held as text exactly as shown.
//
// 61 slots, numbered 0..60; entries 0..55 are used, 56..60 stay empty.
// Point and arm block: entry = side * 16 + column * 8 + row (side 0 right,
// 1 left; column 0 X or Length, 1 Height or Angle). Other Specs: right
// 32 + row, left 43 + row. Dive 54, roll 55. Twelve entries are results only
// and never stored (32-34, 36, 37, 39, 43-45, 47, 48, 50).
#pragma once

#include "core/layout/entry.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr int kInputCount = 44;

class SpecRecord
{
public:
    // Out-of-range entry numbers are rejected: get() gives an empty text,
    // set() returns false and changes nothing.
    const std::string &get(int entry) const;
    bool set(int entry, std::string text);
    const std::string &get(Entry entry) const { return m_slots[entry.index()]; }
    bool set(Entry entry, std::string text)
    {
        m_slots[entry.index()] = std::move(text);
        return true;
    }
    void clear();

    const std::array<std::string, kSpecSlots> &allSlots() const { return m_slots; }

private:
    std::array<std::string, kSpecSlots> m_slots;
};

bool isInputEntry(int entry);
bool isResultEntry(int entry);
// The 44 input entries in walk order (ascending, result-only entries skipped).
const std::vector<int> &inputWalk();

} // namespace tarvik
