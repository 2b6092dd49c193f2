// The floor for gridora-sheet: the same program start (a GUI application
// offscreen, the same libraries) writing an empty 4800 x 6600 PDF page, 600
// dots per inch, to the file named by its last argument, the same way.
// With --text the page holds one 5-point label, as the logarithmic sheets'
// labels are: the cost of setting up fonts and embedding one in the PDF.

#include "file_targets.h"
#include "printer.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char **argv)
{
    const bool text = argc == 3 && std::strcmp(argv[1], "--text") == 0;
    if (argc != 2 && !text) {
        std::fputs("usage: empty_sheet [--text] OUTPUT.pdf\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSaveFile out(QString::fromLocal8Bit(argv[argc - 1]));
    if (!out.open(QIODevice::WriteOnly))
        return 2;
    gridora::TPrinter printer(
        std::make_unique<gridora::FilePrintTarget>(gridora::PageFormat::Pdf, &out, 4800, 6600, 600));
    printer.BeginDoc();
    if (text) {
        printer.Canvas().Font.Size = 5;
        printer.Canvas().TextOut(300, 300, "10");
    }
    printer.EndDoc();
    return out.commit() ? 0 : 1;
}
