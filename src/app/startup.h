#pragma once
// The program: its printer and its three windows, created once at start-up
// and kept until the message loop ends.

#include "aboutbox.h"
#include "licenseform.h"
#include "main_window.h"

class QApplication;

namespace gridora::app {

/// The main window with its About box, and the licence viewer the box's
/// "View License Agreement" opens.
struct Windows {
    explicit Windows(TPrinter &printer);

    // The viewer outlives the box that points at it.
    LicenceViewer licenceViewer;
    AboutBox aboutBox{nullptr};
    MainWindow mainWindow;
};

/// Shows the main window and runs the message loop until it closes: closing
/// it ends the program.
int runMainWindow(QApplication &application, MainWindow &mainWindow);

/// Creates the printer on the desktop's default queue and the windows, shows
/// the main window and runs the message loop until the main window closes.
int run(QApplication &application);

} // namespace gridora::app
