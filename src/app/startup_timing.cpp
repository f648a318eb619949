#include "app/startup_timing.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace plessard::app {
namespace {

class FirstPaintReporter final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // Queued, so it runs once this paint and those of the children are done.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
                std::fprintf(stderr, "first-paint-unix-ns %lld\n", static_cast<long long>(ns));
                std::fflush(stderr);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool reported_ = false;
};

}  // namespace

void report_first_paint(QWidget& window) {
    window.installEventFilter(new FirstPaintReporter(&window));
}

}  // namespace plessard::app
