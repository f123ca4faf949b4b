// The program as it starts: the desktop services, the main window object started from its
// settings folder, and the window built from its model and wired to the tick and to closing.
// `main` runs one; the tests, the screenshot tool and the benchmark run the same.
#pragma once

#include <memory>

#include "app/form_hlav.h"
#include "qt/about_window.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"

namespace orvell {

class Front {
  public:
    // Runs `FormCreate()` and builds the window; the window is not shown yet.
    explicit Front(FormOptions options);
    ~Front();
    Front(const Front&) = delete;
    Front& operator=(const Front&) = delete;

    // Shows the window and starts the 55 ms tick.
    void Show();

    QtPlatformServices platform;
    TFormHlav form;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TFormAbout> about;
};

}  // namespace orvell
