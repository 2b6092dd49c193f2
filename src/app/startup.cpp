#include "startup.h"

#include "printer_setup.h"

#include <QApplication>

namespace gridora::app {

// Creating the main window draws its first sample before anything shows.
Windows::Windows(TPrinter &printer)
    : mainWindow(printer)
{
    aboutBox.setLicenceViewer(&licenceViewer);
    mainWindow.setAboutBox(&aboutBox);
}

int runMainWindow(QApplication &application, MainWindow &mainWindow)
{
    // Closing the main window, the only window not hidden, ends the program.
    application.setQuitOnLastWindowClosed(true);
    mainWindow.show();
    return application.exec();
}

int run(QApplication &application)
{
    TPrinter printer(print::startupPrinterTarget());
    Windows windows(printer);
    return runMainWindow(application, windows.mainWindow);
}

} // namespace gridora::app
