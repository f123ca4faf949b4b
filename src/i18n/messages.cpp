#include "i18n/messages.h"

#include "i18n/catalogue.h"

namespace orvell {

void LoadMessages(int language, MessageTexts& texts) {
    const int lang = ValidLanguage(language);
    for (const MessageText& m : MessageCatalogue()) texts[m.key] = std::string(m.texts[lang]);

    const auto lines = OlderFileLines();
    std::string older(lines[0][lang]);
    older += "\n\n";
    older += lines[1][lang];
    older += '\n';
    older += lines[2][lang];
    texts[Msg::MsgOlderFile] = std::move(older);

    texts[Msg::MsgManualOpenError] = std::string(ManualOpenErrorPrefix()[lang]) +
                                     texts[Msg::ManualFileName] +
                                     std::string(kManualOpenErrorSuffix);
}

MessageTexts MessagesFor(int language) {
    MessageTexts texts;
    LoadMessages(language, texts);
    return texts;
}

}  // namespace orvell
