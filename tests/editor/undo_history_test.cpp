#include "editor/undo_history.h"

#include <gtest/gtest.h>

namespace orvell {
namespace {

ParamImage WithBase(std::uint8_t v) {
    ParamImage image;
    image.SetBaseAdvance(v);
    return image;
}

TEST(UndoHistory, RingKeeps199UndoStepsAndOverwritesTheOldest) {
    for (int changes : {199, 200, 450}) {
        UndoHistory h;
        h.Reset(WithBase(0), 0);
        for (int i = 1; i <= changes; ++i) h.Push(WithBase(static_cast<std::uint8_t>(i)), 0);
        int steps = 0;
        while (h.StepBack()) ++steps;
        EXPECT_EQ(steps, 199) << changes;
        EXPECT_EQ(h.Current().imageBytes[field::kBaseAdvance],
                  static_cast<std::uint8_t>(changes - 199))
            << changes;
        EXPECT_FALSE(h.CanUndo());
    }
}

TEST(UndoHistory, OnlyAChangedImageIsStoredAndANewChangeDropsRedo) {
    UndoHistory h;
    h.Reset(WithBase(1), 2);
    EXPECT_FALSE(h.Push(WithBase(1), 3));  // the page alone is no change
    EXPECT_FALSE(h.CanUndo());
    ParamImage unitInfo = WithBase(1);
    unitInfo[kUnitInfoOffset] = 9;  // not part of a snapshot
    EXPECT_FALSE(h.Push(unitInfo, 0));
    EXPECT_TRUE(h.Push(WithBase(2), 0));
    EXPECT_TRUE(h.Push(WithBase(3), 0));
    EXPECT_TRUE(h.StepBack());
    EXPECT_TRUE(h.StepBack());
    EXPECT_TRUE(h.CanRedo());
    EXPECT_EQ(h.Current().pageIndex, 2);
    EXPECT_TRUE(h.Push(WithBase(7), 1));
    EXPECT_FALSE(h.CanRedo());
    EXPECT_FALSE(h.StepForward());
}

TEST(UndoHistory, ProgrammingAfterChangeArmsAtTheFirstCheckedStep) {
    UndoHistory h;
    EXPECT_FALSE(h.ProgramAfterChange(false, true));  // switching it on programs nothing
    EXPECT_TRUE(h.ProgramAfterChange(false, true));   // armed: every step programs
    EXPECT_FALSE(h.ProgramAfterChange(true, false));  // off disarms
    EXPECT_FALSE(h.ProgramAfterChange(false, true));
    UndoHistory fresh;
    EXPECT_TRUE(fresh.ProgramAfterChange(true, true));  // a change programs at once
}

}  // namespace
}  // namespace orvell
