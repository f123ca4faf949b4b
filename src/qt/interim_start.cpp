#include "qt/interim_start.h"

#include "app/form_hlav.h"
#include "core/bike_presets.h"
#include "editor/window_language_target.h"
#include "i18n/apply_language.h"

namespace orvell {

void InterimStart(TFormHlav& form, int language, MessageTexts& texts) {
    form.image.SetBikeCode(kStartupBikeCode);
    ApplyDefaults(form.image);
    ApplyBikePreset(form.image);
    form.ApplyConsistencyRules();
    form.RefreshControls();
    form.ResetHistory();
    SwitchLanguage(form, language, texts);
    form.UpdateLayout();
}

void SwitchLanguage(TFormHlav& form, int language, MessageTexts& texts) {
    WindowLanguageTarget target(form.window);
    ApplyLanguage(language, "", texts, target);
    form.RefreshControls();
}

}  // namespace orvell
