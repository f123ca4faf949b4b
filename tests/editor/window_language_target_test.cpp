#include "editor/window_language_target.h"

#include <gtest/gtest.h>

#include "i18n/apply_language.h"
#include "i18n/catalogue.h"

namespace orvell {
namespace {

// The catalogue and the window must name the same controls: an entry the window cannot take is
// a text that silently stays English.
TEST(WindowLanguageTarget, EveryCatalogueEntryReachesAControlOfTheWindow) {
    WindowModel window;
    auto takes = [&](const ControlText& t) {
        switch (t.property) {
            case Property::Caption: return window.SetCaption(t.control, t.texts[kGerman]);
            case Property::Hint: return window.SetHint(t.control, t.texts[kGerman]);
            case Property::ListEntry:
            case Property::ItemList: return window.SetListEntry(t.control, t.entry, t.texts[kGerman]);
        }
        return false;
    };
    for (auto list : {LanguageMenuTexts(), OtherControlTexts(), ListEntryTexts()}) {
        for (const ControlText& t : list) EXPECT_TRUE(takes(t)) << t.control << " entry " << t.entry;
    }
    for (const ComposedCaption& c : ComposedCaptions()) {
        EXPECT_NE(window.Find(c.control), nullptr) << c.control;
    }
    for (const Placeholder& p : Placeholders()) EXPECT_NE(window.Find(p.label), nullptr) << p.label;
}

TEST(WindowLanguageTarget, SwitchToGermanAndBack) {
    WindowModel window;
    WindowLanguageTarget target(window);
    MessageTexts texts;
    ApplyLanguage(kGerman, "data.ign", texts, target);

    EXPECT_TRUE(window.MenuGerman.Checked());
    EXPECT_FALSE(window.MenuEnglish.Checked());
    EXPECT_EQ(window.FormHlav.Caption(), MainWindowTitle("data.ign"));
    ASSERT_EQ(window.ComboBoxBike.Items().size(), 38u);
    EXPECT_EQ(window.ComboBoxBike.Items()[37], "Sonderstellung");
    EXPECT_EQ(texts[Msg::MsgReadError], "Lesefehler");

    ApplyLanguage(kEnglish, "data.ign", texts, target);
    EXPECT_TRUE(window.MenuEnglish.Checked());
    EXPECT_FALSE(window.MenuGerman.Checked());
    EXPECT_EQ(window.ComboBoxBike.Items().size(), 38u);
    EXPECT_EQ(window.ComboBoxBike.Items()[37], "Special setting");
}

}  // namespace
}  // namespace orvell
