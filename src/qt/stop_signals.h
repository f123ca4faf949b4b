// SIGTERM (a logout, `kill`), SIGINT (Ctrl+C in a terminal) and SIGHUP end the program the way
// closing its window does, so the settings and the last parameter set are written. The
// signal handler only writes one byte into a pipe; the event loop reads it and closes the
// window.
#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace orvell {

class StopSignals : public QObject {
  public:
    // Installs the handlers; `window` is closed when one of the signals arrives.
    explicit StopSignals(QWidget& window);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

  private:
    QWidget& window_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace orvell
