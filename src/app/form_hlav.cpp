#include "app/form_hlav.h"

namespace orvell {

TFormHlav::TFormHlav()
    : seams(EditorSeams::AllOf(noSeams_)),
      editor_(window, image, rules, boundedSettings, history, editorState, seams) {}

void TFormHlav::FormKeyPress(char& key) {
    if (editor_.EnterKey(key)) key = 0;
}

void TFormHlav::AdvanceKeyPress(char& key) {
    if (editor_.AdvanceKey(key)) key = 0;
}

}  // namespace orvell
