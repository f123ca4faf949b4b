#include "i18n/apply_language.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "i18n/catalogue.h"

namespace orvell {
namespace {

// Stands in for the window model: keeps what it is told, with the lists laid out as the window
// definition has them.
class FakeWindow : public LanguageTarget {
  public:
    FakeWindow() {
        for (int i = 0; i < 37; ++i) lists["ComboBoxBike"].push_back("model " + std::to_string(i));
        for (int i = 0; i < 13; ++i) lists["ComboBoxSynchro"].push_back("method");
        lists["ComboBoxSynchro"][7] = "Harley";
        lists["ComboBoxNasobekPalcu"].assign(5, "multiplier");
    }

    void SetCaption(std::string_view control, std::string_view text) override {
        captions[std::string(control)] = text;
    }
    void SetHint(std::string_view control, std::string_view text) override {
        hints[std::string(control)] = text;
    }
    void SetListEntry(std::string_view control, int entry, std::string_view text) override {
        auto& list = lists[std::string(control)];
        const auto n = static_cast<std::size_t>(entry);
        if (n == list.size()) {
            list.emplace_back(text);
        } else {
            ASSERT_LT(n, list.size()) << control;
            list[n] = text;
        }
    }
    void SetItems(std::string_view control, std::span<const std::string_view> texts) override {
        items[std::string(control)].assign(texts.begin(), texts.end());
    }
    void SetChecked(std::string_view menuItem, bool on) override {
        checked[std::string(menuItem)] = on;
        calls.push_back("check");
    }
    void SetTitle(std::string_view text) override {
        title = text;
        calls.push_back("title");
    }
    bool IsVisible(std::string_view control) const override {
        return control == "LabelSpojeni" && !connected;
    }

    bool connected = false;
    std::map<std::string, std::string, std::less<>> captions, hints;
    std::map<std::string, std::vector<std::string>, std::less<>> lists, items;
    std::map<std::string, bool, std::less<>> checked;
    std::string title;
    std::vector<std::string> calls;
};

TEST(ApplyLanguage, GermanWhileNotConnected) {
    FakeWindow w;
    MessageTexts texts;
    ApplyLanguage(kGerman, "c:\\tunes\\r6.ign", texts, w);

    EXPECT_EQ(texts.text, MessagesFor(kGerman).text);
    EXPECT_EQ(w.title, "  ORVELL       c:\\tunes\\r6.ign");
    EXPECT_EQ(w.calls.front(), "check");
    EXPECT_EQ(w.calls.back(), "title");

    // The placeholders overwrite the channel 1 and 2 captions set just before.
    EXPECT_EQ(w.captions["LabelAdvance1"], "Vorzündung 1 = --- [°]");
    EXPECT_EQ(w.captions["LabelAdvance3"], "Vorzündung 3 = --- [°]");
    EXPECT_EQ(w.captions["LabelPocetProgramovani"], "Programmierungsanzahl= ---");
    EXPECT_EQ(w.captions["LabelMonSnimac2"], "Geber(CKPS) 2 = ---");
    EXPECT_EQ(w.captions["LabelPriveraPoz"], "Servo Sollspanung= ---");
    EXPECT_EQ(w.captions["LabelMonPilotLight"], "Schaltblitz - ---");
    EXPECT_EQ(w.captions["LabelMonInput2In"], "Eingang 2: ---");
    EXPECT_EQ(w.captions["LabelKillSwitch"], "Not Aus: ---");

    EXPECT_EQ(w.captions["GroupBoxPalec3"], "Kanal 3");
    EXPECT_EQ(w.captions["CheckBoxInvInput2"], "Umgekehrte Gebereingang 2");
    EXPECT_EQ(w.captions["LabelPilotLight"], "Schaltblitz [rpm]");
    EXPECT_EQ(w.captions["RadioGroupInput1"], "Eingang 1");

    ASSERT_EQ(w.lists["ComboBoxBike"].size(), 38u);
    EXPECT_EQ(w.lists["ComboBoxBike"][37], "Sonderstellung");
    EXPECT_EQ(w.lists["ComboBoxBike"][20], "model 20");  // model names stay
    EXPECT_EQ(w.lists["ComboBoxSynchro"][7], "Harley");
    EXPECT_EQ(w.lists["ComboBoxSynchro"][6], "Steuernocken (CMPS)");
    EXPECT_EQ(w.items["RadioGroupInput1"],
              (std::vector<std::string>{"Aus", "Not Aus", "Blockierung"}));
    EXPECT_EQ(w.items["RadioGroupInput2"].size(), 5u);
    EXPECT_EQ(w.items["RadioGroupInput2"][3], "Schaltautomat");
}

TEST(ApplyLanguage, ConnectedUnitKeepsTheLiveMonitorLabels) {
    FakeWindow w;
    w.connected = true;
    w.captions["LabelAdvance3"] = "Advance 3 = 12 [°]";
    w.captions["LabelKillSwitch"] = "Kill switch: Open";
    MessageTexts texts;
    ApplyLanguage(kGerman, "data.ign", texts, w);

    EXPECT_EQ(w.captions["LabelAdvance3"], "Advance 3 = 12 [°]");
    EXPECT_EQ(w.captions["LabelKillSwitch"], "Kill switch: Open");
    EXPECT_EQ(w.captions["LabelAdvance1"], "Vorzündung [°]");
    EXPECT_EQ(w.captions.count("LabelPocetProgramovani"), 0u);
    EXPECT_EQ(texts[Msg::MsgKillSwitch], "Not Aus");  // the next frame shows German
}

TEST(ApplyLanguage, EveryControlTextReachesTheWindow) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        FakeWindow w;
        w.connected = true;  // so that no placeholder hides a caption
        MessageTexts texts;
        ApplyLanguage(lang, "data.ign", texts, w);
        for (auto table : {LanguageMenuTexts(), OtherControlTexts(), ListEntryTexts()}) {
            for (const ControlText& t : table) {
                const std::string_view want = t.texts[lang];
                switch (t.property) {
                    case Property::Caption:
                        EXPECT_EQ(w.captions[std::string(t.control)], want) << t.control;
                        break;
                    case Property::Hint:
                        EXPECT_EQ(w.hints[std::string(t.control)], want) << t.control;
                        break;
                    case Property::ListEntry:
                        EXPECT_EQ(w.lists[std::string(t.control)].at(t.entry), want) << t.control;
                        break;
                    case Property::ItemList:
                        EXPECT_EQ(w.items[std::string(t.control)].at(t.entry), want) << t.control;
                        break;
                }
            }
        }
    }
}

TEST(ApplyLanguage, SwitchesLeaveOneCheckMarkAndTheBikeListAt38) {
    FakeWindow w;
    MessageTexts texts;
    for (int lang : {kGerman, kCzech, kEnglish, kFrench, kFrench, kGerman}) {
        ApplyLanguage(lang, "data.ign", texts, w);
        for (int i = 0; i < kLanguageCount; ++i) {
            EXPECT_EQ(w.checked[std::string(kLanguageMenuItems[i])], i == lang) << lang;
        }
        EXPECT_EQ(w.lists["ComboBoxBike"].size(), static_cast<std::size_t>(kBikeListLength));
        EXPECT_EQ(texts[Msg::ManualFileName], MessagesFor(lang)[Msg::ManualFileName]);
    }
    EXPECT_EQ(w.captions["MenuLanguage"], "&Sprache");
    EXPECT_EQ(w.hints["MenuFrench"], "Installer en Francais ");
}

TEST(LoadMessages, PlaceholdersOnlyWhileNotConnected) {
    FakeWindow w;
    MessageTexts texts;
    LoadMessages(kCzech, texts, w);
    EXPECT_EQ(w.captions["LabelClutchMon"], "Clutch master - ---");
    EXPECT_EQ(w.captions["LabelBlocking1"], "Blokování - ---");
    EXPECT_EQ(w.captions.size(), Placeholders().size());

    FakeWindow live;
    live.connected = true;
    LoadMessages(kCzech, texts, live);
    EXPECT_TRUE(live.captions.empty());
    EXPECT_EQ(texts.text, MessagesFor(kCzech).text);
}

}  // namespace
}  // namespace orvell
