// The Edit menu's arithmetic on the spec record where the window's tests do
// not reach: a move by 0, centring values, result-only slots left alone by
// the copies, and the amount replies at their edges. Each command's
// direction, the prompt and the copies are checked through the window.
#include "core/layout/editcommands.h"
#include "core/layout/entrynumbers.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

SpecRecord sample()
{
    SpecRecord r;
    for (const int side : { kSideRight, kSideLeft }) {
        for (int row = 0; row < kPointRows; ++row) {
            r.set(pointEntry(side, kColumnX, row), std::to_string(10 + row));
            r.set(pointEntry(side, kColumnHeight, row), "12.50");
        }
    }
    return r;
}

TEST(EditCommands, ZeroMoveCentreAndCopy)
{
    // Raising by 0 still rewrites every non-empty height in the picture.
    SpecRecord zero = sample();
    applyEditCommand(EditCode::Raise, zero, 0, 0, 0);
    EXPECT_EQ(zero.get(pointEntry(kSideRight, kColumnHeight, 0)), "12.5");
    EXPECT_EQ(zero.get(pointEntry(kSideRight, kColumnHeight, kUpperArmDim)), "12.50");

    SpecRecord r = sample();
    ASSERT_TRUE(applyEditCommand(EditCode::CenterOnTrack, r, 0, 30, 28));
    EXPECT_EQ(r.get(pointEntry(kSideRight, kColumnX, 0)), "9.");
    EXPECT_EQ(r.get(pointEntry(kSideLeft, kColumnX, 0)), "11.");
    SpecRecord untouched = sample();
    EXPECT_FALSE(applyEditCommand(EditCode::CenterOnTrack, untouched, 0, 30, 0));
    EXPECT_EQ(untouched.allSlots(), sample().allSlots());

    SpecRecord copy = sample();
    copy.set(44, "result slot");
    ASSERT_TRUE(applyEditCommand(EditCode::CopyRightToLeft, copy, 0, 0, 0));
    ASSERT_TRUE(applyEditCommand(EditCode::CopyLeftToRight, copy, 0, 0, 0));
    EXPECT_EQ(copy.get(33), ""); // result-only slots are not copied
    EXPECT_EQ(copy.get(44), "result slot");
}

TEST(EditCommands, AmountReplies)
{
    double amount = -1;
    EXPECT_EQ(readEditAmount(" .25", amount), AmountReply::Accepted);
    EXPECT_EQ(amount, 0.25);
    EXPECT_EQ(readEditAmount("5", amount), AmountReply::Accepted);
    EXPECT_EQ(readEditAmount("5.01", amount), AmountReply::OutOfRange);
    EXPECT_EQ(readEditAmount("-1", amount), AmountReply::OutOfRange);
    for (const char *cancel : { "", " ", "abc" })
        EXPECT_EQ(readEditAmount(cancel, amount), AmountReply::Cancelled) << cancel;
    EXPECT_FALSE(editNeedsAmount(EditCode::CenterOnTrack));
}

} // namespace
} // namespace tarvik
