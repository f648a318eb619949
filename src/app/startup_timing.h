#pragma once

class QWidget;

namespace plessard::app {

// When PLESSARD_STARTUP_REPORT is set, writes "first-paint-unix-ns N" to standard error once
// the window has finished its first paint, N being the wall clock in nanoseconds. A script that
// notes the clock before starting the program gets the whole start-up, loading of the
// libraries included. Without the variable it does nothing.
void report_first_paint(QWidget& window);

}  // namespace plessard::app
