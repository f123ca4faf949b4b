// What the window needs before it is first shown, until the shell's start-up sequence takes
// over: the default set of the start-up bike, the rules, the captions of a language, the
// refresh, the undo history and the layout, in the order the start-up runs them.
#pragma once

#include <string>

#include "i18n/messages.h"

namespace orvell {

class TFormHlav;

void InterimStart(TFormHlav& form, int language, MessageTexts& texts);

// Puts a language into the window model and refreshes, as the language items will.
void SwitchLanguage(TFormHlav& form, int language, MessageTexts& texts);

}  // namespace orvell
