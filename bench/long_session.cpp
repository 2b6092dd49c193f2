// A long session in one process: the real main window, offscreen, takes
// thousands of velocity scroll-bar steps (the user's arrow key on the bar:
// its action, velocityChanged, the repaint) and then prints hundreds of pages
// of every kind through the print command to a PDF printer whose bytes go
// nowhere. After every block of steps and of pages it prints the resident
// memory and the time per step or page: a leak or a slowdown that builds up
// over a session shows as a column that keeps growing.
//
//   long_session [--steps N] [--pages N] [--steps-per-block N] [--pages-per-block N]
//
// Exits non-zero when a step did not repaint the picture, a page was not
// written, or the window reported an error.

#include "canvas_picture.h"
#include "choicebox.h"
#include "paint_counter.h"
#include "file_targets.h"
#include "printer.h"
#include "main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QIODevice>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

using gridora::app::MainWindow;

struct Options {
    int steps = 10000;
    int pages = 200;
    int stepsPerBlock = 1000;
    int pagesPerBlock = 20;
};

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const int value = std::atoi(argv[i + 1]);
        if (value <= 0)
            return false;
        if (std::strcmp(argv[i], "--steps") == 0)
            options.steps = value;
        else if (std::strcmp(argv[i], "--pages") == 0)
            options.pages = value;
        else if (std::strcmp(argv[i], "--steps-per-block") == 0)
            options.stepsPerBlock = value;
        else if (std::strcmp(argv[i], "--pages-per-block") == 0)
            options.pagesPerBlock = value;
        else
            return false;
    }
    return argc % 2 == 1;
}

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Takes a whole session's PDF output and keeps only its length, so that the
// bytes written cannot be what the resident memory grows by.
class DiscardDevice : public QIODevice {
public:
    qint64 written = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        written += length;
        return length;
    }
};

// A Letter sheet at 600 dpi written as PDF, counting the documents it finishes.
class PdfPrinter : public gridora::PrintTarget {
public:
    int pagesWritten = 0;

    // A quarter inch (150 pixels) in from every edge.
    explicit PdfPrinter(DiscardDevice &out)
        : file_(gridora::PageFormat::Pdf, &out, 4800, 6300, 600,
                gridora::PaperSheet{QSizeF(8.5, 11), QSize(5100, 6600), QPoint(150, 150)})
    {
    }

    int pageWidth() const override { return file_.pageWidth(); }
    int pageHeight() const override { return file_.pageHeight(); }
    gridora::Surface &beginDocument() override { return file_.beginDocument(); }
    void endDocument() override
    {
        file_.endDocument();
        ++pagesWritten;
    }
    void abortDocument() override { file_.abortDocument(); }

private:
    gridora::FilePrintTarget file_;
};

// The window with its errors counted instead of shown in a message box.
class SessionWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    int errors = 0;

protected:
    void reportError(const QString &text) override
    {
        ++errors;
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
};

void chooseKind(SessionWindow &window, int kind)
{
    if (window.kindBox->currentIndex() == kind)
        return;
    window.kindBox->setCurrentIndex(kind);
    window.kindChanged();
}

// One arrow-key step on the velocity bar, bouncing between 0.00 c and 0.90 c.
void scrollStep(SessionWindow &window, bool &up)
{
    QScrollBar &bar = *window.velocityBar;
    if (bar.value() == bar.maximum())
        up = false;
    else if (bar.value() == bar.minimum())
        up = true;
    bar.triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    window.samplePicture->repaint();
    QCoreApplication::processEvents();
}

int kindCount()
{
    return static_cast<int>(gridora::kinds::all().size());
}

int spacetimeKind()
{
    return *gridora::kinds::indexOfId("spacetime");
}

// Page n of the session: every kind in turn, each size choice and a spread
// of velocities, printed by the print command as the user presses "&Print".
void printPage(SessionWindow &window, int n)
{
    const int kind = n % kindCount();
    chooseKind(window, kind);
    if (gridora::kinds::kindAt(kind).hasVelocity) {
        window.velocityBar->setValue((n * 7) % (window.velocityBar->maximum() + 1));
    } else {
        window.sizeBox->setCurrentIndex((n / kindCount()) % gridora::kinds::kSizeChoices);
        window.sizeChanged();
    }
    window.printButton->click();
    QCoreApplication::processEvents();
}

bool runSteps(SessionWindow &window, const Options &options)
{
    chooseKind(window, spacetimeKind());
    QCoreApplication::processEvents();
    if (!window.velocityBar->isVisible()) {
        std::fputs("the velocity scroll bar is not shown\n", stderr);
        return false;
    }
    PaintCounter pictureCounter;
    window.samplePicture->installEventFilter(&pictureCounter);

    std::printf("%-6s %8s %10s %10s\n", "steps", "done", "RSS KiB", "us/step");
    bool up = true;
    QElapsedTimer clock;
    for (int done = 0; done < options.steps;) {
        const int block = std::min(options.stepsPerBlock, options.steps - done);
        clock.start();
        for (int i = 0; i < block; ++i)
            scrollStep(window, up);
        const double perStep = clock.nsecsElapsed() / 1e3 / block;
        done += block;
        std::printf("%-6s %8d %10ld %10.1f\n", "steps", done, residentKiB(), perStep);
        std::fflush(stdout);
    }
    window.samplePicture->removeEventFilter(&pictureCounter);
    if (pictureCounter.paints < options.steps) {
        std::fprintf(stderr, "only %d of %d steps repainted the picture\n", pictureCounter.paints, options.steps);
        return false;
    }
    return true;
}

bool runPages(SessionWindow &window, const PdfPrinter &pdf, const DiscardDevice &out, const Options &options)
{
    window.nameEdit->setText(QStringLiteral("A. N. Other"));
    std::printf("%-6s %8s %10s %10s %10s\n", "pages", "done", "RSS KiB", "ms/page", "KB/page");
    QElapsedTimer clock;
    for (int done = 0; done < options.pages;) {
        const int block = std::min(options.pagesPerBlock, options.pages - done);
        const qint64 bytesBefore = out.written;
        clock.start();
        for (int i = 0; i < block; ++i)
            printPage(window, done + i);
        const double perPage = clock.nsecsElapsed() / 1e6 / block;
        done += block;
        std::printf("%-6s %8d %10ld %10.2f %10.1f\n", "pages", done, residentKiB(), perPage,
                    double(out.written - bytesBefore) / 1000 / block);
        std::fflush(stdout);
    }
    if (pdf.pagesWritten != options.pages) {
        std::fprintf(stderr, "%d of %d pages were written\n", pdf.pagesWritten, options.pages);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fputs("usage: long_session [--steps N] [--pages N] [--steps-per-block N] [--pages-per-block N]\n",
                   stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);

    DiscardDevice out;
    out.open(QIODevice::WriteOnly);
    auto pdf = std::make_unique<PdfPrinter>(out);
    const PdfPrinter &pdfView = *pdf;
    gridora::TPrinter printer(std::move(pdf));
    SessionWindow window(printer);
    window.show();
    QCoreApplication::processEvents();
    std::printf("start: RSS %ld KiB\n", residentKiB());

    const bool stepped = runSteps(window, options);
    const bool printed = stepped && runPages(window, pdfView, out, options);
    if (window.errors > 0)
        std::fprintf(stderr, "the window reported %d errors\n", window.errors);
    return stepped && printed && window.errors == 0 ? 0 : 1;
}
