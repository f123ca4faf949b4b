// Puts a language into the window through a LanguageTarget.
#pragma once

#include <string_view>

#include "i18n/language_target.h"
#include "i18n/messages.h"

namespace orvell {

// Check marks of the language menu, window title, every caption, hint, list entry and item
// list, then LoadMessages. An index outside 0..3 gives English.
void ApplyLanguage(int language, std::string_view currentFileName, MessageTexts& texts,
                   LanguageTarget& target);

// Every caption, hint, list entry and item list of the language, without the check marks, the
// title and the messages. The window model starts with the English texts this way.
void ApplyControlTexts(int language, LanguageTarget& target);

// Loads the message texts, then, only while no unit is connected (the no-connection label is
// visible), writes the placeholders into the monitoring labels. While a unit is connected the
// labels keep their live values.
void LoadMessages(int language, MessageTexts& texts, LanguageTarget& target);

}  // namespace orvell
