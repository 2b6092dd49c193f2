#pragma once
// The program: its printer and its three windows, created once at start-up
// and kept until the message loop ends.

class QApplication;

namespace gridora::app {

/// Creates the printer on the desktop's default queue and the windows, shows
/// the main window and runs the message loop until the main window closes.
int run(QApplication &application);

} // namespace gridora::app
