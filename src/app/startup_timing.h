#pragma once

class QWidget;

namespace plessard::app {

// In a measuring build only: writes "first-paint-unix-ns N" to standard error once the window
// has finished its first paint, N being the wall clock in nanoseconds. A script that notes the
// clock before starting the program gets the whole start-up, loading of the libraries included.
void report_first_paint(QWidget& window);

}  // namespace plessard::app
