#include "editor/window_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orvell {
namespace {

TEST(WindowModel, ControlTableHoldsTheFamiliesInTheFixedOrder) {
    const WindowModel w;
    const auto& t = w.ControlTable();
    struct Entry {
        int index;
        const char* name;
    };
    const Entry entries[] = {
        {0, "MenuCom1"},
        {30, "MenuCom31"},
        {31, "CheckBoxPalec1ZacH2"},
        {38, "CheckBoxPalec4EndH2"},
        {39, "CheckBoxPalec1ZacP2"},
        {46, "CheckBoxPalec4EndP2"},
        {47, "LabelAdvance1"},
        {51, "LabelTps1"},
        {60, "LabelTps10"},
        {61, "EditPalec1Zac"},
        {65, "EditPalec1End"},
        {69, "EditRpmAdv1"},
        {79, "Edit50"},
        {178, "Edit149"},
        {179, "EditRpmPriv1"},
        {189, "EditNapPriv1"},
        {198, "EditNapPriv10"},
        {199, "UpDownPalec1Zac"},
        {207, "UpDownRpmAdv1"},
        {217, "UpDown50"},
        {316, "UpDown149"},
        {317, "UpDownRpmPriv1"},
        {336, "UpDownNapPriv10"},
    };
    for (const Entry& e : entries) {
        ASSERT_NE(t[e.index], nullptr) << e.index;
        EXPECT_EQ(t[e.index]->Name(), e.name) << e.index;
    }
    for (int i = table::kEditPalecZac; i <= table::kEditNapPriv + 9; ++i) {
        const Control* spinner = t[i + table::kSpinnerOffset];
        ASSERT_EQ(spinner->Kind(), ControlKind::UpDown) << i;
        EXPECT_EQ(static_cast<const UpDown*>(spinner)->Associate(), t[i]) << i;
    }
}

TEST(WindowModel, NamesAreUniqueAndFindable) {
    WindowModel w;
    std::set<std::string> names;
    for (const Control* c : w.AllControls()) {
        EXPECT_TRUE(names.insert(c->Name()).second) << c->Name();
        EXPECT_EQ(w.Find(c->Name()), c);
    }
    EXPECT_EQ(w.Find("Edit73"), &w.EditCell[23]);
    EXPECT_EQ(w.Find("UpDownPalec3End"), &w.UpDownPalecEnd[2]);
    EXPECT_EQ(w.Find("NoSuchControl"), nullptr);
}

TEST(WindowModel, CatalogueSettersReachTheNamedProperty) {
    WindowModel w;
    EXPECT_TRUE(w.SetCaption("TabSheetBike", "Motorrad"));
    EXPECT_EQ(w.TabSheetBike.Caption(), "Motorrad");
    EXPECT_TRUE(w.SetHint("MenuCom", "Set number of com"));
    EXPECT_TRUE(w.SetListEntry("ComboBoxSynchro", 2, "Längere Leitstück"));
    EXPECT_EQ(w.ComboBoxSynchro.Items()[2], "Längere Leitstück");
    EXPECT_EQ(w.ComboBoxSynchro.Items()[7], "Harley");
    const std::string inputs[] = {"Aus", "Not Aus", "Blockierung"};
    EXPECT_TRUE(w.SetListItems("RadioGroupInput1", inputs));
    EXPECT_EQ(w.RadioGroupInput1.Items()[1], "Not Aus");
    EXPECT_TRUE(w.SetMenuChecked("MenuGerman", true));
    EXPECT_TRUE(w.MenuGerman.Checked());
    EXPECT_FALSE(w.SetMenuChecked("TabSheetBike", true));  // not a menu item
    EXPECT_FALSE(w.SetListEntry("LabelBike", 0, "x"));     // has no list
    EXPECT_FALSE(w.SetCaption("Nothing", "x"));
}

TEST(WindowModel, MenuAndListsCarryTheWindowLayoutTexts) {
    const WindowModel w;
    EXPECT_EQ(w.MenuZnovu.Shortcut(), "Ctrl+Alt+Z");
    EXPECT_EQ(w.MenuProgram.Shortcut(), "F9");
    EXPECT_EQ(w.MenuComItem[0].Caption(), "Com 1");
    EXPECT_EQ(w.MenuComItem[29].Caption(), "Com 30");
    EXPECT_EQ(w.MenuComItem[30].Caption(), "Com Auto");
    EXPECT_FALSE(w.MenuPrintAll.Visible());
    EXPECT_EQ(w.MenuItems().front(), &w.MenuFile);
    EXPECT_EQ(w.MenuNew.Parent(), &w.MenuFile);
    EXPECT_EQ(w.ComboBoxBike.Items().size(), 38u);
    EXPECT_EQ(w.ComboBoxBike.Items()[37], "Special setting");
    EXPECT_EQ(w.ComboBoxSynchro.Items().size(), 13u);
    EXPECT_EQ(w.RadioGroupInput2.Items().size(), 5u);
    EXPECT_EQ(w.FormHlav.Width(), 1005);
    EXPECT_EQ(w.FormHlav.Height(), 834);
}

TEST(WindowModel, MapGridSitsWhereTheSelectionImageExpectsIt) {
    const WindowModel w;
    // Extra pixel after columns 2 and 6; rows 33 apart.
    EXPECT_EQ(w.EditCell[0].Left(), 51);
    EXPECT_EQ(w.EditCell[3].Left(), 51 + 3 * 59 + 1);
    EXPECT_EQ(w.EditCell[7].Left(), 51 + 7 * 59 + 2);
    EXPECT_EQ(w.EditCell[90].Top(), 69 + 9 * 33);
    EXPECT_EQ(w.UpDownCell[0].Left(), 81);
    EXPECT_EQ(w.LabelTps[0].Top() - 4, 69);
    EXPECT_EQ(w.CSpinButton[0].Top(), 405);
    EXPECT_EQ(w.ImageSelect.Width(), 603);
}

}  // namespace
}  // namespace orvell
