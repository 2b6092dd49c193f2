// Gridora's start-up up to its first painted main window, for timing the whole
// process from outside: the program's own start (main.cpp and run() in
// startup.cpp) step for step, except that the process ends as soon as the
// main window has been painted instead of entering the user's session.
// With --phases it prints, on standard error, how long each step took since
// the one before, in milliseconds.

#include "aboutbox.h"
#include "licenseform.h"
#include "printer_setup.h"
#include "main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QElapsedTimer clock_;
bool showPhases = false;
qint64 lastPhase = 0;

void phase(const char *name)
{
    if (!showPhases)
        return;
    const qint64 now = clock_.nsecsElapsed();
    std::fprintf(stderr, "%-28s %7.2f ms\n", name, (now - lastPhase) / 1e6);
    lastPhase = now;
}

// Ends the process once a paint of `window` (or of anything in it) has been
// delivered: the exit is queued, so the paint and its flush finish first.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QWidget *window) : window_(window) {}

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            const auto *widget = qobject_cast<const QWidget *>(object);
            if (widget && widget->window() == window_) {
                seen_ = true;
                QMetaObject::invokeMethod(
                    qApp,
                    [] {
                        phase("show to first paint");
                        std::fflush(stderr);
                        std::_Exit(0);
                    },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    const QWidget *window_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    using namespace gridora::app;
    using namespace gridora::print;
    clock_.start();
    showPhases = argc > 1 && std::strcmp(argv[1], "--phases") == 0;
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication application(toolkitArgc, argv);
    phase("QApplication");
    application.setQuitOnLastWindowClosed(true);

    gridora::TPrinter printer(startupPrinterTarget());
    phase("printer");
    MainWindow mainWindow(printer);
    phase("main window");
    AboutBox aboutBox(nullptr);
    phase("About box");
    LicenceViewer licenceViewer;
    phase("licence viewer");
    aboutBox.setLicenceViewer(&licenceViewer);
    mainWindow.setAboutBox(&aboutBox);

    FirstPaint firstPaint(&mainWindow);
    application.installEventFilter(&firstPaint);
    mainWindow.show();
    application.exec();
    std::fputs("the main window was never painted\n", stderr);
    return 1;
}
