#pragma once

class QWidget;

namespace plessard::app {

// In a measuring build only: once the window has finished its first paint, writes two lines to
// standard error, "first-paint-unix-ns N", N being the wall clock in nanoseconds, and
// "first-paint-cpu-us M", M the processor time the process took until then in microseconds. A
// script that notes the clock before starting the program gets the whole start-up, loading of
// the libraries included; the processor time leaves out the waits for a busy machine.
void report_first_paint(QWidget& window);

}  // namespace plessard::app
