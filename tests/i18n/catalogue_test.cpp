#include "i18n/catalogue.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/messages.h"

namespace orvell {
namespace {

// Number of UTF-8 code points, or nothing when the bytes are not valid UTF-8.
std::optional<std::size_t> CodePoints(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t len = lead < 0x80         ? 1
                                : (lead >> 5) == 6  ? 2
                                : (lead >> 4) == 14 ? 3
                                : (lead >> 3) == 30 ? 4
                                                    : 0;
        if (len == 0 || i + len > s.size()) return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return std::nullopt;
        }
        i += len;
    }
    return count;
}

std::vector<const ControlText*> AllControlTexts() {
    std::vector<const ControlText*> all;
    for (auto table : {LanguageMenuTexts(), OtherControlTexts(), ListEntryTexts()}) {
        for (const ControlText& t : table) all.push_back(&t);
    }
    return all;
}

TEST(Catalogue, HoldsEveryEntryWithFourValidTexts) {
    // Every message key, 10 of the language menu, 109 other controls, 32 list entries.
    EXPECT_EQ(MessageCatalogue().size(), kMsgCount);
    EXPECT_EQ(LanguageMenuTexts().size(), 10u);
    EXPECT_EQ(OtherControlTexts().size(), 116u);
    EXPECT_EQ(ListEntryTexts().size(), 32u);
    EXPECT_EQ(ComposedCaptions().size(), 9u);
    EXPECT_EQ(Placeholders().size(), 15u);

    for (int lang = 0; lang < kLanguageCount; ++lang) {
        const MessageTexts texts = MessagesFor(lang);
        for (std::size_t k = 0; k < kMsgCount; ++k) {
            EXPECT_FALSE(texts.text[k].empty()) << "message " << k << " language " << lang;
            EXPECT_TRUE(CodePoints(texts.text[k])) << "message " << k << " language " << lang;
        }
        for (const ControlText* t : AllControlTexts()) {
            const std::string_view text = t->texts[lang];
            EXPECT_FALSE(text.empty()) << t->control << " language " << lang;
            EXPECT_TRUE(CodePoints(text)) << t->control << " language " << lang;
            // Only the rpm label's hint has a tooltip part and a status bar part.
            const bool twoParts = t->control == "LabelRpm1" && (lang == kEnglish || lang == kCzech);
            EXPECT_EQ(text.find('|') != std::string_view::npos, twoParts) << t->control;
        }
    }
}

TEST(Catalogue, KeysAreUnique) {
    const auto all = AllControlTexts();
    for (const ControlText* t : all) {
        EXPECT_EQ(FindControlText(t->control, t->property, t->entry), t)
            << t->control << " entry " << t->entry;
    }
}

TEST(Catalogue, MessageTextsAreVerbatim) {
    struct Case {
        int lang;
        Msg key;
        std::string_view text;
    };
    const Case cases[] = {
        {kEnglish, Msg::TitlePrefix, "  ORVELL"},
        {kCzech, Msg::TitlePrefix, "  ORVELL"},
        {kEnglish, Msg::MsgProgramCount, "Number of Programing= "},
        {kEnglish, Msg::MsgPrintDate, "Date and time of printing:  "},
        {kGerman, Msg::ManualFileName, "manual_quenta_orvell_de.pdf"},
        {kGerman, Msg::MsgComOpenError, "Falscher COM-Anschlußes!"},
        {kGerman, Msg::MsgPrintDate, "Zeitpunkt des Ausdruckes   "},
        {kGerman, Msg::MsgNoSignal, " kein Signal"},
        {kGerman, Msg::MsgMotorOff, "Motor off"},
        {kFrench, Msg::MsgVerifying, "Vérifier"},
        {kFrench, Msg::MsgRunning, " fonctionne"},
        {kFrench, Msg::MsgShiftLight, "Voyant de changement de rapport"},
        {kFrench, Msg::MsgPrintDate, "Date et heur de l´imprimé:   "},
        {kFrench, Msg::MsgServoDesired, "Servo desired="},
        {kCzech, Msg::MsgUnitVersionMismatch, "Neshodné verze proramu v PC a zapalování!"},
        {kCzech, Msg::MsgProgramCount, "Počet programování= "},
        {kCzech, Msg::MsgInputGrounded, "Uzeměn"},
        {kCzech, Msg::ManualFileName, "manual_quenta_orvell_cz.pdf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessagesFor(c.lang)[c.key], c.text) << "language " << c.lang;
    }
}

TEST(Catalogue, ControlTextsAreVerbatim) {
    struct Case {
        std::string_view control;
        Property property;
        int entry;
        int lang;
        std::string_view text;
    };
    const Case cases[] = {
        {"MenuEnglish", Property::Caption, 0, kGerman, "Englisch"},
        {"MenuCzech", Property::Caption, 0, kCzech, "Če&sky"},
        {"MenuFrench", Property::Caption, 0, kCzech, "Francouzky"},
        {"MenuLanguage", Property::Hint, 0, kFrench,
         "Installer lange; Englais,Allemand , Francais ou Czech"},
        {"MenuGerman", Property::Hint, 0, kCzech, "Deutsches Menü"},
        {"MenuFrench", Property::Hint, 0, kEnglish, "Installer en Francais "},
        {"LabelKompenz", Property::Caption, 0, kEnglish, "Compensation "},
        {"BitBtnVerify", Property::Hint, 0, kEnglish,
         "Compare set parametrs  with parametrs of ignition"},
        {"LabelRpm1", Property::Hint, 0, kEnglish, "Round per Minute|Speed - Round per Minute"},
        {"MenuExit", Property::Caption, 0, kEnglish, "E&xit"},
        {"TabSheetServo", Property::Caption, 0, kCzech, "Servo"},
        {"AMapModeGraph3D", Property::Caption, 0, kGerman, "3D"},
        {"ComboBoxBike", Property::ListEntry, 0, kGerman, "3 Zylinder   1 Geber"},
        {"ComboBoxBike", Property::ListEntry, 15, kFrench, "Classique (1 lobe, 1 or 2 pick-up) "},
        {"ComboBoxBike", Property::ListEntry, 36, kFrench, "3 cylindre 1 pick-up -  - kick start"},
        {"ComboBoxBike", Property::ListEntry, 37, kCzech, "Speciální nastavení"},
        {"ComboBoxSynchro", Property::ListEntry, 5, kFrench,
         "2 short gaps between lobes (inserted lobe)"},
        {"ComboBoxSynchro", Property::ListEntry, 12, kGerman,
         "Lang Abstand zwischen Leitstücken + Steuernocken(CMPS)"},
        {"ComboBoxNasobekPalcu", Property::ListEntry, 4, kCzech,
         "1 zápal za 2 otáčky (vačkový hřídel)"},
        {"RadioGroupInput2", Property::ItemList, 4, kFrench, "par embeillage inv."},
        {"RadioGroupInput1", Property::ItemList, 0, kCzech, "Vypnut"},
    };
    for (const Case& c : cases) {
        const ControlText* t = FindControlText(c.control, c.property, c.entry);
        ASSERT_NE(t, nullptr) << c.control << " entry " << c.entry;
        EXPECT_EQ(t->texts[c.lang], c.text) << c.control << " language " << c.lang;
    }
    // Method 7 keeps its fixed text "Harley"; the catalogue has nothing for it.
    EXPECT_EQ(FindControlText("ComboBoxSynchro", Property::ListEntry, 7), nullptr);
}

TEST(Catalogue, PickupErrorIsFortyCharactersInEveryLanguage) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_EQ(CodePoints(MessagesFor(lang)[Msg::MsgPickupError]), 40u) << "language " << lang;
    }
    EXPECT_EQ(MessagesFor(kFrench)[Msg::MsgPickupError],
              MessagesFor(kEnglish)[Msg::MsgPickupError]);
}

TEST(Catalogue, ComposedMessages) {
    EXPECT_EQ(MessagesFor(kGerman)[Msg::MsgOlderFile],
              "Älter Version von Datendatei *.ign!\n\nEinige Kenndaten werden nicht geändert oder "
              "werden implizit Wert gestellt.\nSie sind die Kenndaten, die in älter Version nicht "
              "sind oder andere Struktur haben");
    EXPECT_EQ(MessagesFor(kFrench)[Msg::MsgOlderFile], MessagesFor(kEnglish)[Msg::MsgOlderFile]);
    EXPECT_TRUE(MessagesFor(kCzech)[Msg::MsgOlderFile].starts_with(
        "Starší verze souboru *.ign!\n\nNěkteré parametry"));

    const std::string_view manualErrors[] = {
        "Error by opening file manual_quenta_orvell_en.pdf !",
        "Fehler beim öffnen der Datei manual_quenta_orvell_de.pdf !",
        "Erreur à l´ouvertur du Fichier manual_quenta_orvell_fr.pdf !",
        "Chyba při otevírání souboru manual_quenta_orvell_cz.pdf !",
    };
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_EQ(MessagesFor(lang)[Msg::MsgManualOpenError], manualErrors[lang]);
    }
}

TEST(Catalogue, ReloadingReplacesEveryText) {
    MessageTexts texts = MessagesFor(kCzech);
    LoadMessages(kGerman, texts);
    EXPECT_EQ(texts.text, MessagesFor(kGerman).text);
    // An index outside 0..3 reads as English.
    EXPECT_EQ(MessagesFor(7).text, MessagesFor(kEnglish).text);
}

TEST(Catalogue, TitlesAndArguments) {
    EXPECT_EQ(MainWindowTitle("data.ign"), "  ORVELL       data.ign");
    EXPECT_EQ(AboutTitle(kEnglish), "About ORVELL");
    EXPECT_EQ(AboutTitle(kGerman), "Über Programm ORVELL");
    EXPECT_EQ(AboutTitle(kFrench), "Information ORVELL");
    EXPECT_EQ(AboutTitle(kCzech), "O programu ORVELL");
    EXPECT_EQ(AboutTitle(9), "About ORVELL");

    EXPECT_EQ(LanguageFromArgument("ENGLISH"), kEnglish);
    EXPECT_EQ(LanguageFromArgument("DEUTSCH"), kGerman);
    EXPECT_EQ(LanguageFromArgument("FRANCE"), kFrench);
    EXPECT_EQ(LanguageFromArgument("CESKY"), kCzech);
    for (std::string_view other : {"france", "FRANCE ", "", "GERMAN"}) {
        EXPECT_EQ(LanguageFromArgument(other), std::nullopt) << other;
    }
}

}  // namespace
}  // namespace orvell
