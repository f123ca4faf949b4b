// The language catalogue as plain data: every text that follows the language, in language-index
// order (English, German, French, Czech). Nothing here knows the window; apply_language.h puts
// the texts into it through an interface. Texts are UTF-8; leading and trailing spaces count.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "i18n/messages.h"

namespace orvell {

using Texts = std::array<std::string_view, kLanguageCount>;

// The property of a control that receives a text.
enum class Property {
    Caption,
    Hint,
    ListEntry,  // one entry of a drop-down list, replaced by position
    ItemList,   // one entry of a radio group's items; a group's entries are set as a whole
};

struct ControlText {
    std::string_view control;
    Property property;
    int entry;  // list position for ListEntry and ItemList, 0 otherwise
    Texts texts;
};

struct MessageText {
    Msg key;
    Texts texts;  // empty for the two keys that LoadMessages composes
};

// Stem of the current language followed by a suffix that is the same in every language.
struct ComposedCaption {
    std::string_view control;
    const Texts* stem;
    std::string_view suffix;
};

// What a monitoring label shows while no unit is connected.
struct Placeholder {
    std::string_view label;
    Msg stem;
    std::string_view suffix;
};

// Every message key in Msg order.
std::span<const MessageText> MessageCatalogue();
// The three lines of MsgOlderFile and the words around the manual's name in MsgManualOpenError.
std::span<const Texts, 3> OlderFileLines();
const Texts& ManualOpenErrorPrefix();
inline constexpr std::string_view kManualOpenErrorSuffix = " !";

std::span<const ControlText> LanguageMenuTexts();
std::span<const ControlText> OtherControlTexts();  // in the order ApplyLanguage applies them
std::span<const ControlText> ListEntryTexts();     // a radio group's items stand together
inline constexpr std::size_t kMaxItemListLength = 5;
std::span<const ComposedCaption> ComposedCaptions();
std::span<const Placeholder> Placeholders();

// The first catalogue text found for the key, among the language menu, the other controls and the
// list entries.
const ControlText* FindControlText(std::string_view control, Property property, int entry = 0);

// The items of the language menu, indexed by language.
inline constexpr std::array<std::string_view, kLanguageCount> kLanguageMenuItems = {
    "MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};

// The no-connection label; its visibility says whether the placeholders are written.
inline constexpr std::string_view kNoConnectionLabel = "LabelSpojeni";

// The bike list has one entry more once the language is applied: "Special setting".
inline constexpr int kBikeListLength = 38;

// Title of the main window: the program name, seven blanks, the current file name.
std::string MainWindowTitle(std::string_view currentFileName);

// Title of the About window; an index outside 0..3 gives English.
std::string_view AboutTitle(int language);

// The language chosen by the first command-line argument ("ENGLISH", "DEUTSCH", "FRANCE",
// "CESKY", compared exactly), or nothing for any other argument.
std::optional<int> LanguageFromArgument(std::string_view argument);

}  // namespace orvell
