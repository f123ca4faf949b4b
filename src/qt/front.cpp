#include "qt/front.h"

#include <utility>

namespace orvell {

Front::Front(FormOptions options) : form(platform, std::move(options)) {
    form.FormCreate();
    window = std::make_unique<MainWindow>(form);
    platform.SetWindow(window.get());
    platform.SetWidgetLookup(
        [this](const Control& control) { return window->Bindings().WidgetOf(control); });
}

Front::~Front() {
    // The window goes first: its widgets point into the model.
    window.reset();
    platform.SetWindow(nullptr);
    platform.SetWidgetLookup(nullptr);
}

void Front::Show() {
    window->show();
    window->StartTimer();
}

}  // namespace orvell
