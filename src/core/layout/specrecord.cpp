// The spec record's slots and the fixed split of entry numbers into inputs
// and result-only displays.
#include "core/layout/specrecord.h"

#include <algorithm>

namespace tarvik {

namespace {

constexpr std::array<int, 12> kResultEntries = { 32, 33, 34, 36, 37, 39, 43, 44, 45, 47, 48, 50 };

const std::string &emptyText()
{
    static const std::string empty;
    return empty;
}

} // namespace

const std::string &SpecRecord::get(int entry) const
{
    if (entry < 0 || entry >= kSpecSlots)
        return emptyText();
    return m_slots[static_cast<std::size_t>(entry)];
}

bool SpecRecord::set(int entry, std::string text)
{
    if (entry < 0 || entry >= kSpecSlots)
        return false;
    m_slots[static_cast<std::size_t>(entry)] = std::move(text);
    return true;
}

void SpecRecord::clear()
{
    for (auto &slot : m_slots)
        slot.clear();
}

bool isResultEntry(int entry)
{
    return std::find(kResultEntries.begin(), kResultEntries.end(), entry) != kResultEntries.end();
}

bool isInputEntry(int entry)
{
    return entry >= 0 && entry < kEntryCount && !isResultEntry(entry);
}

const std::vector<int> &inputWalk()
{
    // Counting up from 0 to 55 and jumping over each run of result-only
    // entries: 32 -> 35, 36 -> 38, 39 -> 40, 43 -> 46, 47 -> 49, 50 -> 51.
    static const std::vector<int> walk = [] {
        std::vector<int> entries;
        for (int e = 0; e < kEntryCount; ++e) {
            switch (e) {
            case 32:
                e = 35;
                break;
            case 36:
                e = 38;
                break;
            case 39:
                e = 40;
                break;
            case 43:
                e = 46;
                break;
            case 47:
                e = 49;
                break;
            case 50:
                e = 51;
                break;
            default:
                break;
            }
            entries.push_back(e);
        }
        return entries;
    }();
    return walk;
}

} // namespace tarvik
