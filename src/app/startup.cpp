#include "startup.h"

#include "aboutbox.h"
#include "licenseform.h"
#include "printer_setup.h"
#include "tcgraph.h"

#include <QApplication>

namespace gridora::app {

int run(QApplication &application)
{
    // Closing the main window, the only window not hidden, ends the program.
    application.setQuitOnLastWindowClosed(true);

    TPrinter printer(print::startupPrinterTarget());

    // Creating the main window draws its first sample before anything shows.
    Tcgraph cgraph(printer);
    Taboutboxp aboutboxp(nullptr);
    Tlicensefrm licensefrm;
    aboutboxp.setLicenceViewer(&licensefrm);
    cgraph.setAboutBox(&aboutboxp);

    cgraph.show();
    return application.exec();
}

} // namespace gridora::app
