#include "app/startup_timing.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>

namespace plessard::app {
namespace {

// Writes "NAME VALUE" as a line of its own on standard error.
void report(std::string_view name, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::fprintf(stderr, "%.*s %.*s\n", static_cast<int>(name.size()), name.data(),
                 static_cast<int>(end - digits), digits);
    std::fflush(stderr);
}

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
                const std::clock_t cpu = std::clock();
                report("first-paint-unix-ns",
                       std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
                report("first-paint-cpu-us",
                       static_cast<long long>(cpu) * 1'000'000 / CLOCKS_PER_SEC);
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
