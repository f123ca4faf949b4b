#include "qt/front.h"

#include <utility>

namespace orvell {

Front::Front(FormOptions options) : form(platform, std::move(options)) {
    form.FormCreate();
    window = std::make_unique<MainWindow>(form);
    platform.SetWindow(window.get());
    platform.SetBinder(&window->Bindings());
    about = std::make_unique<TFormAbout>(window.get());
    platform.SetAboutWindow(about.get());
}

Front::~Front() {
    // The window goes first: its widgets point into the model.
    platform.SetAboutWindow(nullptr);
    about.reset();
    platform.SetBinder(nullptr);
    window.reset();
    platform.SetWindow(nullptr);
}

void Front::Show() {
    window->show();
    window->StartTimer();
}

}  // namespace orvell
