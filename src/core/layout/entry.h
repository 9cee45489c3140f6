// One box of the layout as a type, made only by naming what it holds, so a
// number written by hand cannot pick the wrong box; and the containers that
// hold something for every box. The spec record, the files and the widget
// names keep the plain entry numbers: number() gives one, numbered() reads
// one back.
#pragma once

#include "core/layout/entrynumbers.h"

#include <array>
#include <cstddef>
#include <optional>

namespace tarvik {

class Entry
{
public:
    // A point's X (kColumnX) or Height (kColumnHeight) box; point is one of
    // the six point rows. A side other than kSideLeft is the right.
    static constexpr Entry coordinate(int side, PointRow point, int column)
    {
        return Entry(pointNumber(side, column, point));
    }
    // An arm's Length (kColumnX) or Angle (kColumnHeight) box: arm is
    // kUpperArmDim (a strut's dimensions) or kLowerArmDim.
    static constexpr Entry armDimension(int side, PointRow arm, int column)
    {
        return Entry(pointNumber(side, column, arm));
    }
    static constexpr Entry otherSpec(int side, OtherSpecsRow row)
    {
        return Entry(otherSpecsEntry(side == kSideLeft ? kSideLeft : kSideRight, row));
    }
    static constexpr Entry dive() { return Entry(kDiveEntry); }
    static constexpr Entry roll() { return Entry(kRollEntry); }
    // The entry of a number the record, a file or a widget name holds.
    static constexpr std::optional<Entry> numbered(int number)
    {
        if (number < 0 || number >= kEntryCount)
            return std::nullopt;
        return Entry(number);
    }
    // Every entry, in number order.
    static constexpr std::array<Entry, kEntryCount> every()
    {
        std::array<Entry, kEntryCount> out {};
        for (int n = 0; n < kEntryCount; ++n)
            out[static_cast<std::size_t>(n)] = Entry(n);
        return out;
    }

    constexpr Entry() = default; // the right upper ball joint's X, as a start value
    constexpr int number() const { return m_number; }
    constexpr std::size_t index() const { return static_cast<std::size_t>(m_number); }
    // The same box of the other side; dive and roll are their own.
    constexpr Entry mirror() const
    {
        const int other = mirrorEntry(m_number);
        return other < 0 ? *this : Entry(other);
    }

    friend constexpr bool operator==(Entry, Entry) = default;
    friend constexpr auto operator<=>(Entry, Entry) = default; // number order

private:
    constexpr explicit Entry(int number)
        : m_number(number)
    {
    }
    static constexpr int pointNumber(int side, int column, PointRow row)
    {
        return pointEntry(side == kSideLeft ? kSideLeft : kSideRight,
            column == kColumnHeight ? kColumnHeight : kColumnX, row);
    }

    int m_number = 0;
};

// Where an entry's box sits, and its description, as for its number.
inline EntryPosition entryPosition(Entry entry)
{
    return entryPosition(entry.number());
}
inline std::string entryDescription(Entry entry, SuspensionType suspensionType)
{
    return entryDescription(entry.number(), suspensionType);
}

// Something for every entry, indexed by the entry.
template <class T> class EntryArray
{
public:
    T &operator[](Entry e) { return m_items[e.index()]; }
    const T &operator[](Entry e) const { return m_items[e.index()]; }
    // In entry number order.
    const std::array<T, kEntryCount> &items() const { return m_items; }

    friend bool operator==(const EntryArray &, const EntryArray &) = default;

private:
    std::array<T, kEntryCount> m_items {};
};

// The box texts of a layout (result-only entries stay empty).
using EntryTexts = EntryArray<std::string>;

} // namespace tarvik
