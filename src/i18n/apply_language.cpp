#include "i18n/apply_language.h"

#include <array>
#include <cstddef>
#include <string>

#include "i18n/catalogue.h"

namespace orvell {

namespace {

void ApplyTable(std::span<const ControlText> table, int lang, LanguageTarget& target) {
    std::array<std::string_view, kMaxItemListLength> items{};
    std::size_t itemCount = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlText& t = table[i];
        const std::string_view text = t.texts[lang];
        switch (t.property) {
            case Property::Caption:
                target.SetCaption(t.control, text);
                break;
            case Property::Hint:
                target.SetHint(t.control, text);
                break;
            case Property::ListEntry:
                target.SetListEntry(t.control, t.entry, text);
                break;
            case Property::ItemList: {
                items[itemCount++] = text;
                const bool last = i + 1 == table.size() ||
                                  table[i + 1].property != Property::ItemList ||
                                  table[i + 1].control != t.control;
                if (last) {
                    target.SetItems(t.control, std::span(items.data(), itemCount));
                    itemCount = 0;
                }
                break;
            }
        }
    }
}

}  // namespace

void ApplyLanguage(int language, std::string_view currentFileName, MessageTexts& texts,
                   LanguageTarget& target) {
    const int lang = ValidLanguage(language);
    for (int i = 0; i < kLanguageCount; ++i) target.SetChecked(kLanguageMenuItems[i], i == lang);
    target.SetTitle(MainWindowTitle(currentFileName));
    ApplyControlTexts(lang, target);
    LoadMessages(lang, texts, target);
}

void ApplyControlTexts(int language, LanguageTarget& target) {
    const int lang = ValidLanguage(language);
    ApplyTable(LanguageMenuTexts(), lang, target);
    ApplyTable(OtherControlTexts(), lang, target);
    for (const ComposedCaption& c : ComposedCaptions()) {
        target.SetCaption(c.control, std::string((*c.stem)[lang]) + std::string(c.suffix));
    }
    ApplyTable(ListEntryTexts(), lang, target);
}

void LoadMessages(int language, MessageTexts& texts, LanguageTarget& target) {
    LoadMessages(language, texts);
    if (!target.IsVisible(kNoConnectionLabel)) return;
    for (const Placeholder& p : Placeholders()) {
        target.SetCaption(p.label, texts[p.stem] + std::string(p.suffix));
    }
}

}  // namespace orvell
