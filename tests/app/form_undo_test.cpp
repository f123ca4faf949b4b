// Undo and redo through the window's buttons.
#include "form_test_fixture.h"

namespace orvell {
namespace {

TEST_F(FormTest, UndoAndRedoWalkTheStoredStates) {
    form.UpDownClick(w().UpDownBaseAdv, true);
    form.UpDownClick(w().UpDownBaseAdv, true);
    form.SpeedButtonZpetClick();
    EXPECT_EQ(form.image.BaseAdvance(), 11);
    EXPECT_EQ(w().EditBaseAdv.Text(), "11");
    EXPECT_TRUE(w().SpeedButtonZnovu.Enabled());
    form.SpeedButtonZpetClick();
    EXPECT_EQ(form.image.BaseAdvance(), 10);
    EXPECT_FALSE(w().MenuZpet.Enabled());
    form.SpeedButtonZpetClick();  // at the oldest state: nothing
    EXPECT_EQ(form.image.BaseAdvance(), 10);
    form.SpeedButtonZnovuClick();
    EXPECT_EQ(form.image.BaseAdvance(), 11);

    form.UpDownClick(w().UpDownBaseAdv, false);  // a new change drops the redo state
    EXPECT_FALSE(w().SpeedButtonZnovu.Enabled());
    EXPECT_FALSE(w().MenuZnovu.Enabled());
}

TEST_F(FormTest, AnEditTheRulesTakeBackStoresNothing) {
    ParamImage image = form.image;
    image.SetMaxAdvanceLobe(0, image.LobeCount());
    Load(image);
    const auto slot = form.history.CurrentSlot();
    const auto undoRevision = w().MenuZpet.Revision();
    TypeAndEnter(w().EditPalecZac[0], "40");  // above the lobe count: the rules take it back
    EXPECT_EQ(form.image.MaxAdvanceLobe(0), image.LobeCount());
    EXPECT_EQ(form.history.CurrentSlot(), slot);
    EXPECT_EQ(w().MenuZpet.Revision(), undoRevision);
}

TEST_F(FormTest, AnEditThatChangesNothingKeepsRedo) {
    w().EditTps100.SetText("4,750");
    form.EditExit();
    ASSERT_TRUE(w().MenuZpet.Enabled());
    form.SpeedButtonZpetClick();
    ASSERT_FALSE(w().MenuZpet.Enabled());
    form.EditExit();  // nothing typed: the same image
    EXPECT_FALSE(w().MenuZpet.Enabled());
    EXPECT_TRUE(w().MenuZnovu.Enabled());
}

TEST_F(FormTest, UndoRestoresThePageOfTheRestoredState) {
    w().PageControl1.SetActivePageIndex(kPageRuzne);
    form.UpDownClick(w().UpDownOmez2, true);  // stored with page 0
    w().PageControl1.SetActivePageIndex(kPageAdvance);
    form.UpDownClick(w().UpDownBaseAdv, true);  // stored with page 2
    w().PageControl1.SetActivePageIndex(kPageServo);
    form.SpeedButtonZpetClick();
    EXPECT_EQ(w().PageControl1.ActivePageIndex(), kPageRuzne);
}

TEST_F(FormTest, HistoryHolds199StepsOf200Changes) {
    for (int changes : {199, 200}) {
        form.ResetHistory();
        const ParamImage start = form.image;
        for (int i = 0; i < changes; ++i) {
            form.UpDownClick(w().UpDownOmez2, i % 2 == 0);  // up, down, up, ...
        }
        int steps = 0;
        while (w().MenuZpet.Enabled()) {
            form.SpeedButtonZpetClick();
            ++steps;
        }
        EXPECT_EQ(steps, 199) << changes;
        // 199 changes go back to the start; after 200 the start state is gone.
        EXPECT_EQ(form.image == start, changes == 199) << changes;
    }
}

TEST_F(FormTest, UndoForgetsTheAxisMemoryOfTheUndoneEdits) {
    w().EditRpmAdv[2].SetText("4500");
    form.EditExit();
    ASSERT_TRUE(form.rules.Pushed(3));
    form.SpeedButtonZpetClick();
    EXPECT_EQ(form.image.RpmAxis(3), 40);
    EXPECT_FALSE(form.rules.Pushed(3));
}

}  // namespace
}  // namespace orvell
