// The printer target over QPrinter and the choice of layout resolution, on
// PDF files (no print service needed).
#include "pdf_support.h"
#include "print_messages.h"
#include "printer_setup.h"
#include "qprinter_target.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace gridora;
using namespace gridora::print;
using namespace gridora::print::test;

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString &file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 15, 10, 15),
                                       QPageLayout::Millimeter));
    return printer;
}

} // namespace

class PrinterSetupTest : public QObject {
    Q_OBJECT

private slots:
    void resolutionOption_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("dpi");
        QTest::newRow("none") << QStringList{} << 0;
        QTest::newRow("other option") << QStringList{"PageSize", "A4"} << 0;
        QTest::newRow("square") << QStringList{"PageSize", "A4", "Resolution", "600dpi"} << 600;
        QTest::newRow("unequal") << QStringList{"Resolution", "1200x600dpi"} << 1200;
        QTest::newRow("any case") << QStringList{"resolution", "300DPI"} << 300;
        QTest::newRow("per centimetre") << QStringList{"Resolution", "118dpcm"} << 0;
        QTest::newRow("later wins") << QStringList{"Resolution", "300dpi", "Resolution", "150dpi"} << 150;
        QTest::newRow("name without value") << QStringList{"Resolution"} << 0;
        QTest::newRow("value as name") << QStringList{"Duplex", "Resolution", "x", "600dpi"} << 0;
    }

    void resolutionOption()
    {
        QFETCH(QStringList, options);
        QFETCH(int, dpi);
        QCOMPARE(print::resolutionOption(options), dpi);
    }

    // Printers may report dots per centimetre: 118 of them are 300 per inch.
    void dotsPerInch_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("perCentimetre");
        QTest::addColumn<int>("dpi");
        QTest::newRow("600 dpi") << 600 << false << 600;
        QTest::newRow("118 dpcm") << 118 << true << 300;
        QTest::newRow("236 dpcm") << 236 << true << 599;
        QTest::newRow("472 dpcm") << 472 << true << 1199;
    }

    void dotsPerInch()
    {
        QFETCH(int, value);
        QFETCH(bool, perCentimetre);
        QFETCH(int, dpi);
        QCOMPARE(print::dotsPerInch(value, perCentimetre), dpi);
    }

    // Job titles a teacher recognises, the pupil's name first and plain
    // hyphens between the parts, safe as the file name a PDF printer makes
    // of them.
    void jobTitle_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("title");
        QTest::newRow("sheet and name") << "Log 2x2" << "Ann Smith" << "Ann Smith - Log 2x2 - Gridora";
        QTest::newRow("no name") << "Squared 10x15" << "" << "Squared 10x15 - Gridora";
        QTest::newRow("path in the name") << "Log 1x1" << "../../etc/passwd" << "etc passwd - Log 1x1 - Gridora";
        QTest::newRow("control and shell characters") << "Log 1x1" << "A\tB\nC\x1f$`|*?<>:\"\\D"
                                                      << "A B C D - Log 1x1 - Gridora";
        QTest::newRow("only unsafe") << "Log 1x1" << "///" << "Log 1x1 - Gridora";
        QTest::newRow("long name, whole as far as it goes") << "Log 1x1" << QString(300, QLatin1Char('W'))
                                                            << QString(120, QLatin1Char('W'));
    }

    void jobTitle()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, who);
        QFETCH(QString, title);
        QCOMPARE(print::jobTitle(sheet, who), title);
    }

    // What the user reads when the print server says no, word for word.
    void printServerFaultTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("server down") << QString::fromUtf8(kPrintServerDown)
                                     << "The print server is not answering, so the page was not printed.";
        QTest::newRow("stopped") << QString::fromStdString(queueStoppedText("Room 4").english())
                                 << "The printer \"Room 4\" is stopped, so the page was not printed.";
        QTest::newRow("rejecting") << QString::fromStdString(queueRejectingText("Room 4").english())
                                   << "The printer \"Room 4\" is not accepting pages, so the page was not printed.";
        QTest::newRow("stopped, the printer's reason")
            << QString::fromStdString(queueStoppedText("Room 4", "Out of toner").english())
            << "The printer \"Room 4\" is stopped (it says \"Out of toner\"), so the page was not printed.";
        QTest::newRow("set-up, server down") << QString::fromUtf8(kPrintSetupServerDown)
                                             << "The print server is not answering, so no printer can be chosen now.";
        QTest::newRow("refused, own full stop") << QString::fromStdString(pageRefusedText("Job too large. ").english())
                                                << "The print server refused the page: Job too large. Nothing was printed.";
        QTest::newRow("refused, bare reason") << QString::fromStdString(pageRefusedText("Forbidden").english())
                                              << "The print server refused the page: Forbidden. Nothing was printed.";
    }

    void printServerFaultTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void aPrinterWithoutDestinationIsNoPrinter()
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(!printerTarget(std::move(printer)));
        QVERIFY(!printerTarget(nullptr));
        QCOMPARE(queueDefaultResolution(QString()), 0);
    }

    void pageInDevicePixelsOfThePrintableArea()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("page.pdf"));
        auto target = printerTarget(pdfPrinter(file));
        QVERIFY(target);
        auto *page = dynamic_cast<QPrinterTarget *>(target.get());
        QVERIFY(page);
        QCOMPARE(page->dpi(), kFallbackDpi);
        // A4 less 10 mm each side across and 15 mm top and bottom, at 300
        // dpi (Qt rounds the margins through points on the way).
        QVERIFY(qAbs(page->pageWidth() - 190 / 25.4 * 300) <= 5);
        QVERIFY(qAbs(page->pageHeight() - 267 / 25.4 * 300) <= 5);
        const QPoint origin = page->printer().pageLayout().paintRectPixels(300).topLeft();
        QVERIFY(qAbs(origin.x() - 10 / 25.4 * 300) <= 5 && qAbs(origin.y() - 15 / 25.4 * 300) <= 5);

        TPrinter printer(std::move(target));
        printer.BeginDoc();
        TCanvas &canvas = printer.Canvas();
        canvas.Pen.Width = 6;
        canvas.MoveTo(600, 100);
        canvas.LineTo(600, 1000);
        canvas.Pen.Width = 1;
        canvas.MoveTo(900, 100);
        canvas.LineTo(900, 1000);
        printer.EndDoc();
        QVERIFY(!printer.Printing());

        if (!havePoppler())
            QSKIP("pdfinfo and pdftoppm are needed to look at the page");
        const PdfInfo info = pdfInfo(file);
        QCOMPARE(info.pages, 1);
        QVERIFY(qAbs(info.points.width() - 595.3) < 1 && qAbs(info.points.height() - 841.9) < 1);
        const QImage sheet = rasterize(file, 300);
        const int left = origin.x(), top = origin.y();
        const int row = top + 500;
        QVERIFY(inkNear(sheet, left + 600, row, 1));
        QVERIFY(blankNear(sheet, left + 600, top + 50));
        // The wide pen is 6 device pixels wide, the thin one 1.
        int wide = 0, thin = 0;
        for (int x = left + 590; x < left + 610; ++x)
            wide += grey(sheet, x, row) < 100;
        for (int x = left + 890; x < left + 910; ++x)
            thin += grey(sheet, x, row) < 100;
        QVERIFY2(wide >= 5 && wide <= 7, qPrintable(QString::number(wide)));
        QVERIFY2(thin >= 1 && thin <= 2, qPrintable(QString::number(thin)));
    }

    void abortedDocumentLeavesNoFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("aborted.pdf"));
        TPrinter printer(printerTarget(pdfPrinter(file)));
        printer.BeginDoc();
        printer.Canvas().MoveTo(0, 0);
        printer.Canvas().LineTo(100, 100);
        printer.Abort();
        QVERIFY(!printer.Printing());
        QVERIFY(!QFile::exists(file));
        // and the printer prints again afterwards
        printer.BeginDoc();
        printer.EndDoc();
        QVERIFY(QFile::exists(file));
    }

    void unwritableFileIsNotAValidPrinter()
    {
        TPrinter printer(printerTarget(pdfPrinter(QStringLiteral("/nonexistent-gridora-dir/page.pdf"))));
        try {
            printer.BeginDoc();
            QFAIL("BeginDoc opened a file it cannot write");
        } catch (const EPrinter &error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Printer selected is not valid"));
        }
        QVERIFY(!printer.Printing());
    }

    void secondDocumentWhilePrintingLeavesTheFirstAlone()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("first.pdf"));
        TPrinter printer(printerTarget(pdfPrinter(file)));
        printer.BeginDoc();
        printer.Canvas().MoveTo(10, 10);
        printer.Canvas().LineTo(500, 10);
        try {
            printer.BeginDoc();
            QFAIL("a second document opened");
        } catch (const EPrinter &error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Printing in progress"));
        }
        QVERIFY(printer.Printing());
        printer.EndDoc();
        if (havePoppler())
            QCOMPARE(pdfInfo(file).pages, 1);
    }

    void settingsCopiedFromADialogsPrinter()
    {
        QPrinter from(QPrinter::HighResolution);
        from.setOutputFormat(QPrinter::PdfFormat);
        from.setOutputFileName(QStringLiteral("/tmp/gridora-settings.pdf"));
        from.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(4, 5, 6, 7),
                                       QPageLayout::Millimeter));
        from.setCopyCount(3);
        from.setCollateCopies(false);
        from.setColorMode(QPrinter::GrayScale);
        from.setPageOrder(QPrinter::LastPageFirst);
        from.setResolution(72);

        QPrinter to(QPrinter::HighResolution);
        to.setResolution(600);
        copyPrinterSettings(from, to);
        QCOMPARE(to.outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(to.outputFileName(), from.outputFileName());
        QVERIFY(to.pageLayout().isEquivalentTo(from.pageLayout()));
        QCOMPARE(to.copyCount(), 3);
        QCOMPARE(to.collateCopies(), false);
        QCOMPARE(to.colorMode(), QPrinter::GrayScale);
        QCOMPARE(to.pageOrder(), QPrinter::LastPageFirst);
        QCOMPARE(to.resolution(), 600);
    }

    void setUpStartsFromTheSelectedPrinter_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("offered");
        QTest::newRow("no printer") << "none" << false;
        QTest::newRow("chosen earlier") << "chosen" << true;
        QTest::newRow("default not looked up yet") << "deferred" << false;
        QTest::newRow("default found") << "found" << true;
    }

    void setUpStartsFromTheSelectedPrinter()
    {
        QFETCH(QString, selected);
        QFETCH(bool, offered);
        const QString file = QStringLiteral("/tmp/gridora-set-up.pdf");
        int lookups = 0;
        auto lookup = [&] {
            ++lookups;
            return printerTarget(pdfPrinter(file));
        };
        TPrinter printer;
        if (selected == QLatin1String("chosen"))
            printer.setTarget(lookup());
        else if (selected != QLatin1String("none"))
            printer.setTarget(std::make_unique<FirstUseTarget>(lookup));
        if (selected == QLatin1String("found"))
            printer.PageWidth();
        const int lookedUp = lookups;

        const auto edited = printerToSetUp(printer);
        QVERIFY(edited);
        QCOMPARE(lookups, lookedUp); // setting up looks nothing up
        QCOMPARE(edited->outputFileName(), offered ? file : QString());
        QCOMPARE(edited->pageLayout().pageSize().id(), offered ? QPageSize::A4 : QPrinter().pageLayout().pageSize().id());
        QCOMPARE(edited->pageLayout().margins().left(), offered ? 10.0 : QPrinter().pageLayout().margins().left());
    }
};

QTEST_MAIN(PrinterSetupTest)
#include "test_printer_setup.moc"
