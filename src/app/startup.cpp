#include "startup.h"

#include "printer_setup.h"

#include <QApplication>

namespace gridora::app {

// Creating the main window draws its first sample before anything shows.
Windows::Windows(TPrinter &printer)
    : cgraph(printer)
{
    aboutboxp.setLicenceViewer(&licensefrm);
    cgraph.setAboutBox(&aboutboxp);
}

int runMainWindow(QApplication &application, Tcgraph &cgraph)
{
    // Closing the main window, the only window not hidden, ends the program.
    application.setQuitOnLastWindowClosed(true);
    cgraph.show();
    return application.exec();
}

int run(QApplication &application)
{
    TPrinter printer(print::startupPrinterTarget());
    Windows windows(printer);
    return runMainWindow(application, windows.cgraph);
}

} // namespace gridora::app
