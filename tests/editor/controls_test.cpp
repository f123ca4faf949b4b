#include "editor/controls.h"

#include <gtest/gtest.h>

namespace orvell {
namespace {

TEST(ParsePosition, AcceptsWholeNumbersWithGroupingAndRejectsTheRest) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"15050", true, 15050}, {"15,050", true, 15050}, {"1,2,3", true, 123},
        {" 42 ", true, 42},     {"-60", true, -60},      {"+7", true, 7},
        {"", false, 0},         {"abc", false, 0},       {"12a", false, 0},
        {"-", false, 0},        {"1.5", false, 0},       {"99999999999", false, 0},
    };
    for (const Case& c : cases) {
        int value = -12345;
        EXPECT_EQ(ParsePosition(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(FormatPosition, GroupsThousandsOnlyWhenAsked) {
    EXPECT_EQ(FormatPosition(15000, true), "15,000");
    EXPECT_EQ(FormatPosition(999, true), "999");
    EXPECT_EQ(FormatPosition(1000, true), "1,000");
    EXPECT_EQ(FormatPosition(-1275, true), "-1,275");
    EXPECT_EQ(FormatPosition(15000, false), "15000");
}

class SpinnerTest : public ::testing::Test {
  protected:
    SpinnerTest() {
        limiter.Configure(&box, 999, 25000, 100, true);
        limiter.SetPosition(11000);
    }
    EditBox box;
    UpDown limiter;
};

TEST_F(SpinnerTest, ReadingTakesTheTypedNumberOnlyWhenItIsValidAndInRange) {
    box.SetText("15,050");
    EXPECT_EQ(limiter.ReadPosition(), 15050);
    box.SetText("26000");  // above the range
    EXPECT_EQ(limiter.ReadPosition(), 15050);
    box.SetText("lots");
    EXPECT_EQ(limiter.ReadPosition(), 15050);
    EXPECT_EQ(box.Text(), "lots");  // reading never rewrites what the user typed
}

TEST_F(SpinnerTest, SettingLimitsToTheRangeAndWritesTheBox) {
    limiter.SetPosition(30000);
    EXPECT_EQ(limiter.StoredPosition(), 25000);
    EXPECT_EQ(box.Text(), "25,000");
    limiter.SetPosition(0);
    EXPECT_EQ(box.Text(), "999");
}

TEST_F(SpinnerTest, ClickStepsFromTheTypedValueAndStopsAtTheEnds) {
    box.SetText("12000");
    limiter.Click(true);
    EXPECT_EQ(box.Text(), "12,100");
    limiter.SetPosition(24950);
    limiter.Click(true);
    EXPECT_EQ(limiter.StoredPosition(), 25000);
    limiter.SetPosition(1000);
    limiter.Click(false);
    limiter.Click(false);
    EXPECT_EQ(limiter.StoredPosition(), 999);
}

TEST(ControlRevision, MovesOnlyWhenAPropertyChanges) {
    CheckBox box;
    const auto start = box.Revision();
    box.SetChecked(false);
    box.SetVisible(true);
    box.SetCaption("");
    EXPECT_EQ(box.Revision(), start);
    box.SetChecked(true);
    box.SetCaption("TPS");
    EXPECT_EQ(box.Revision(), start + 2);
}

TEST(ListControls, OutOfRangeSelectionClearsAComboButClampsARadioGroup) {
    const std::string_view items[] = {"Off", "Kill switch", "Blocking"};
    ComboBox combo;
    combo.SetItems(items);
    combo.SetItemIndex(7);
    EXPECT_EQ(combo.ItemIndex(), -1);
    RadioGroup group;
    group.SetItems(items);
    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_TRUE(combo.SetItem(3, "extra"));  // one past the end appends
    EXPECT_FALSE(combo.SetItem(5, "gap"));
    EXPECT_EQ(combo.Items().size(), 4u);
}

}  // namespace
}  // namespace orvell
