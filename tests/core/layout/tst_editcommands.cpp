// The Edit menu's arithmetic on the spec record: which boxes each command
// moves and which way, the "#####.####" texts, empty boxes, centring on the
// tracks, copying between sides, and the amount replies.
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
    r.set(pointEntry(kSideLeft, kColumnX, kLowerSpringPad), ""); // stays empty
    return r;
}

TEST(EditCommands, AmountCommandsMovePointsTheirWay)
{
    const struct
    {
        EditCode code;
        int column;
        double right, left; // signed change per side for an amount of 1
    } cases[] = {
        { EditCode::Raise, kColumnHeight, 1, 1 },
        { EditCode::Lower, kColumnHeight, -1, -1 },
        { EditCode::MoveLeft, kColumnX, -1, 1 },
        { EditCode::MoveRight, kColumnX, 1, -1 },
        { EditCode::MoveOut, kColumnX, 1, 1 },
        { EditCode::MoveIn, kColumnX, -1, -1 },
    };
    for (const auto &c : cases) {
        SpecRecord r = sample();
        ASSERT_TRUE(applyEditCommand(c.code, r, 1, 0, 0));
        const double base = c.column == kColumnX ? 10 : 12.5;
        EXPECT_EQ(r.get(pointEntry(kSideRight, c.column, 0)),
            c.column == kColumnX ? std::to_string(int(base + c.right)) + "."
                                 : (c.right > 0 ? "13.5" : "11.5"))
            << editMenuText(c.code);
        EXPECT_EQ(std::stod(r.get(pointEntry(kSideLeft, c.column, 0))), base + c.left);
        // The arm rows never move; an empty box stays empty.
        EXPECT_EQ(r.get(pointEntry(kSideRight, c.column, kUpperArmDim)),
            sample().get(pointEntry(kSideRight, c.column, kUpperArmDim)));
        EXPECT_EQ(r.get(pointEntry(kSideLeft, kColumnX, kLowerSpringPad)), "");
    }
    // Raising by 0 still rewrites every non-empty height in the picture.
    SpecRecord zero = sample();
    applyEditCommand(EditCode::Raise, zero, 0, 0, 0);
    EXPECT_EQ(zero.get(pointEntry(kSideRight, kColumnHeight, 0)), "12.5");
    EXPECT_EQ(zero.get(pointEntry(kSideRight, kColumnHeight, kUpperArmDim)), "12.50");
}

TEST(EditCommands, CentreAndCopy)
{
    SpecRecord r = sample();
    ASSERT_TRUE(applyEditCommand(EditCode::CenterOnTrack, r, 0, 30, 28));
    EXPECT_EQ(r.get(pointEntry(kSideRight, kColumnX, 0)), "9.");
    EXPECT_EQ(r.get(pointEntry(kSideLeft, kColumnX, 0)), "11.");
    SpecRecord untouched = sample();
    EXPECT_FALSE(applyEditCommand(EditCode::CenterOnTrack, untouched, 0, 30, 0));
    EXPECT_EQ(untouched.allSlots(), sample().allSlots());

    SpecRecord copy = sample();
    copy.set(pointEntry(kSideRight, kColumnX, 3), "");
    copy.set(staticCamberEntry(kSideRight), "-1.5");
    copy.set(44, "result slot");
    ASSERT_TRUE(applyEditCommand(EditCode::CopyRightToLeft, copy, 0, 0, 0));
    EXPECT_EQ(copy.get(pointEntry(kSideLeft, kColumnX, 3)), "");
    EXPECT_EQ(copy.get(staticCamberEntry(kSideLeft)), "-1.5");
    copy.set(pointEntry(kSideLeft, kColumnHeight, 2), "7.25");
    ASSERT_TRUE(applyEditCommand(EditCode::CopyLeftToRight, copy, 0, 0, 0));
    EXPECT_EQ(copy.get(pointEntry(kSideRight, kColumnHeight, 2)), "7.25");
    EXPECT_EQ(copy.get(33), ""); // result-only slots are not copied
}

TEST(EditCommands, AmountRepliesAndPrompt)
{
    double amount = -1;
    EXPECT_EQ(readEditAmount("5", amount), AmountReply::Accepted);
    EXPECT_EQ(amount, 5);
    EXPECT_EQ(readEditAmount(" .25", amount), AmountReply::Accepted);
    EXPECT_EQ(amount, 0.25);
    EXPECT_EQ(readEditAmount("5.01", amount), AmountReply::OutOfRange);
    EXPECT_EQ(readEditAmount("-1", amount), AmountReply::OutOfRange);
    for (const char *cancel : { "", " ", "abc" })
        EXPECT_EQ(readEditAmount(cancel, amount), AmountReply::Cancelled) << cancel;
    EXPECT_EQ(editAmountTitle(EditCode::MoveOut), "Move Out All Measurements");
    EXPECT_EQ(editAmountPrompt(EditCode::Raise),
        "Enter the amount to Raise all measurements (a number from 0 to 5).\r\rThis will change "
        "several measurements.  If you are not sure of this, click on 'Cancel'.");
    EXPECT_FALSE(editNeedsAmount(EditCode::CenterOnTrack));
}

} // namespace
} // namespace tarvik
