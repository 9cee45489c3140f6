// The spec record's slot range, the result-only entries, entry positions,
// the named entries, the strut's row captions and the file title rule. The input walk's order
// is read by every golden vehicle file; clearing for File New is checked
// through the window.
#include "core/layout/entry.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/layoutstate.h"
#include "core/layout/specrecord.h"

#include <gtest/gtest.h>
#include <set>

namespace tarvik {
namespace {

TEST(SpecRecord, SlotsAreRangeChecked)
{
    SpecRecord r;
    EXPECT_TRUE(r.set(60, "spare"));
    EXPECT_FALSE(r.set(-1, "x"));
    EXPECT_FALSE(r.set(61, "x"));
    EXPECT_EQ(r.get(61), "");
    EXPECT_EQ(r.get(-5), "");
}

TEST(EntryNumbers, ResultEntriesAndPositions)
{
    EXPECT_EQ(static_cast<int>(inputWalk().size()), kInputCount);
    const std::set<int> results = { 32, 33, 34, 36, 37, 39, 43, 44, 45, 47, 48, 50 };
    for (int e = -2; e < 62; ++e) {
        EXPECT_EQ(isResultEntry(e), results.count(e) == 1) << e;
        EXPECT_EQ(isInputEntry(e), e >= 0 && e < 56 && results.count(e) == 0) << e;
    }
    EXPECT_EQ(pointEntry(kSideLeft, 0, 7), 23);
    EXPECT_EQ(otherSpecsEntry(kSideLeft, 10), 53);
    EXPECT_EQ(pointEntry(2, 0, 0), -1);
    EXPECT_EQ(pointEntry(0, 0, 8), -1);
    EXPECT_EQ(otherSpecsEntry(kSideLeft, 11), -1);
    for (int side = 0; side < 2; ++side) {
        for (int column = 0; column < 2; ++column) {
            for (int row = 0; row < kPointRows; ++row) {
                const auto p = entryPosition(pointEntry(side, column, row));
                EXPECT_EQ(p.block, EntryBlock::Points);
                EXPECT_EQ(p.side * 100 + p.column * 10 + p.row, side * 100 + column * 10 + row);
            }
        }
        for (int row = 0; row < kOtherSpecsRows; ++row) {
            const auto p = entryPosition(otherSpecsEntry(side, row));
            EXPECT_EQ(p.block, EntryBlock::OtherSpecs);
            EXPECT_EQ(p.side * 100 + p.row, side * 100 + row);
        }
    }
    EXPECT_EQ(entryPosition(54).block, EntryBlock::Dive);
    EXPECT_EQ(entryPosition(55).block, EntryBlock::Roll);
    EXPECT_EQ(entryPosition(56).block, EntryBlock::None);
}

TEST(EntryNumbers, NamedEntriesAreTheNumberedOnes)
{
    // Each name lands on the entry of the same side, block, column and row.
    for (const Entry e : Entry::every()) {
        const EntryPosition p = entryPosition(e.number());
        const PointRow row = static_cast<PointRow>(p.row);
        switch (p.block) {
        case EntryBlock::Points: {
            const bool arm = row == kUpperArmDim || row == kLowerArmDim;
            EXPECT_EQ(arm ? Entry::armDimension(p.side, row, p.column)
                          : Entry::coordinate(p.side, row, p.column),
                e);
            break;
        }
        case EntryBlock::OtherSpecs:
            EXPECT_EQ(Entry::otherSpec(p.side, static_cast<OtherSpecsRow>(p.row)), e);
            break;
        case EntryBlock::Dive:
            EXPECT_EQ(Entry::dive(), e);
            break;
        case EntryBlock::Roll:
            EXPECT_EQ(Entry::roll(), e);
            break;
        case EntryBlock::None:
            ADD_FAILURE() << e.number();
        }
        EXPECT_EQ(Entry::numbered(e.number()), e);
        EXPECT_EQ(e.mirror().number(),
            mirrorEntry(e.number()) < 0 ? e.number() : mirrorEntry(e.number()));
    }
    EXPECT_FALSE(Entry::numbered(-1));
    EXPECT_FALSE(Entry::numbered(kEntryCount)); // the spare slots are no entries
    EntryTexts texts;
    texts[Entry::otherSpec(kSideLeft, kStaticCamberRow)] = "-.5";
    EXPECT_EQ(texts.items()[static_cast<std::size_t>(staticCamberEntry(kSideLeft))], "-.5");
}

TEST(EntryNumbers, StrutRowCaptions)
{
    // The A-arm's are checked on the window's grid and drag status.
    EXPECT_EQ(pointRowCaption(0, SuspensionType::Strut), "Upper Strut Loc.");
    EXPECT_EQ(pointRowCaption(1, SuspensionType::Strut), "Lower Strut Loc.");
    EXPECT_EQ(pointRowCaption(6, SuspensionType::Strut), "Strut Dim.");
    EXPECT_EQ(
        pointRowCaption(2, SuspensionType::Strut), pointRowCaption(2, SuspensionType::DoubleAArm));
    EXPECT_EQ(pointRowCaption(8, SuspensionType::DoubleAArm), "");
}

TEST(LayoutState, FileTitleRule)
{
    const struct
    {
        const char *file;
        const char *folder;
        const char *title;
    } cases[] = {
        { "Untitled", "/opt/tarvik/tkfiles", "UNTITLED" },
        { "/opt/tarvik/tkfiles/sprint.tk", "/opt/tarvik/tkfiles", "SPRINT.TK" },
        { "/opt/tarvik/tkfiles/2024/late.tk", "/opt/tarvik/tkfiles/", "2024/LATE.TK" },
        { "/opt/tarvik/TKFILES/a.tk", "/opt/tarvik/tkfiles", "A.TK" },
        { "/home/me/cars/b.tk", "/opt/tarvik/tkfiles", "B.TK" },
        { "/opt/tarvik/tkfiles2/c.tk", "/opt/tarvik/tkfiles", "C.TK" },
        { "C:\\TK\\tkfiles\\d.tk", "C:\\TK\\tkfiles", "D.TK" },
        { "C:\\other\\e.tk", "C:\\TK\\tkfiles", "E.TK" },
        { "f.tk", "", "F.TK" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(fileTitle(c.file, c.folder), c.title) << c.file;
}

} // namespace
} // namespace tarvik
