// The spec record's slots, the input walk, entry positions, row captions and
// the file title rule. Clearing for File New is checked through the window.
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
    EXPECT_TRUE(r.set(0, "19.25"));
    EXPECT_TRUE(r.set(60, "spare"));
    EXPECT_FALSE(r.set(-1, "x"));
    EXPECT_FALSE(r.set(61, "x"));
    EXPECT_EQ(r.get(0), "19.25");
    EXPECT_EQ(r.get(61), "");
    EXPECT_EQ(r.get(-5), "");
    r.clear();
    EXPECT_EQ(r.get(0), "");
}

TEST(SpecRecord, InputWalkSkipsTheResultOnlyEntries)
{
    const std::vector<int> expected
        = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
              24, 25, 26, 27, 28, 29, 30, 31, 35, 38, 40, 41, 42, 46, 49, 51, 52, 53, 54, 55 };
    EXPECT_EQ(inputWalk(), expected);
    EXPECT_EQ(static_cast<int>(inputWalk().size()), kInputCount);
    const std::set<int> results = { 32, 33, 34, 36, 37, 39, 43, 44, 45, 47, 48, 50 };
    for (int e = -2; e < 62; ++e) {
        EXPECT_EQ(isResultEntry(e), results.count(e) == 1) << e;
        EXPECT_EQ(isInputEntry(e), e >= 0 && e < 56 && results.count(e) == 0) << e;
    }
}

TEST(EntryNumbers, PositionsMapBothWays)
{
    EXPECT_EQ(pointEntry(kSideRight, 0, 0), 0);
    EXPECT_EQ(pointEntry(kSideRight, 1, 6), 14);
    EXPECT_EQ(pointEntry(kSideLeft, 0, 7), 23);
    EXPECT_EQ(pointEntry(kSideLeft, 1, 5), 29);
    EXPECT_EQ(pointEntry(2, 0, 0), -1);
    EXPECT_EQ(pointEntry(0, 0, 8), -1);
    EXPECT_EQ(otherSpecsEntry(kSideRight, 3), 35);
    EXPECT_EQ(otherSpecsEntry(kSideLeft, 10), 53);
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

TEST(EntryNumbers, CaptionsFollowTheSuspensionType)
{
    EXPECT_EQ(pointRowCaption(0, 0), "Upper Ball Joint");
    EXPECT_EQ(pointRowCaption(1, 0), "Upper Frame Pivot");
    EXPECT_EQ(pointRowCaption(6, 0), "Upper Arm Dim.");
    EXPECT_EQ(pointRowCaption(0, 1), "Upper Strut Loc.");
    EXPECT_EQ(pointRowCaption(1, 1), "Lower Strut Loc.");
    EXPECT_EQ(pointRowCaption(6, 1), "Strut Dim.");
    for (const int row : { 2, 3, 4, 5, 7 })
        EXPECT_EQ(pointRowCaption(row, 1), pointRowCaption(row, 0));
    EXPECT_EQ(pointRowCaption(8, 0), "");
    EXPECT_EQ(otherSpecsCaption(6), "Static Camber, deg");
    EXPECT_TRUE(isArmLengthEntry(22));
    EXPECT_FALSE(isArmLengthEntry(14));
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
    EXPECT_EQ(mainWindowCaption("UNTITLED"), "Tarvik - Quellmark Inc.   [ UNTITLED ]");
}

} // namespace
} // namespace tarvik
