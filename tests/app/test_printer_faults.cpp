// Printer faults met for real, on the private print server of the printing
// tests: each is seen through the program's own print command, must give one
// error box that says what happened, must leave the window as it was, and
// must not keep the program from printing once the printer is back.
#include "app_test_support.h"
#include "class_set_support.h"
#include "cups_support.h"
#include "pdf_support.h"
#include "printer_setup.h"
#include "qprinter_target.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace gridora;
using namespace gridora::app;
using namespace gridora::app::test;
using namespace gridora::print;
using namespace gridora::print::test;

namespace {

const QString kSpareQueue = QStringLiteral("GridoraSpare");

// The texts the user reads, written out here so that a changed word in the
// program is a failing test.
const QString kServerDown = QStringLiteral("The print server is not answering, so the page was not printed.");
const QString kNotValid = QStringLiteral("Printer selected is not valid");
const QString kInProgress = QStringLiteral("Printing in progress");
const QString kQueueStopped = QStringLiteral("The printer \"GridoraPDF\" is stopped, so the page was not printed.");
const QString kQueueRejecting =
    QStringLiteral("The printer \"GridoraPDF\" is not accepting pages, so the page was not printed.");
const QString kNoDefault = QStringLiteral("There is no default printer currently selected");
const QString kSetUpServerDown = QStringLiteral("The print server is not answering, so no printer can be chosen now.");

int lpadmin(const QStringList &arguments)
{
    return runQuietly(QStringLiteral("lpadmin"), arguments);
}

bool addSpareQueue()
{
    return lpadmin({QStringLiteral("-p"), kSpareQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                    cupsPdfDevice(), QStringLiteral("-P"),
                    QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")}) == 0;
}

/// What the user sees and has chosen in the window.
struct WindowState {
    int kind = 0;
    QString size;
    QString name;
    int velocity = 0;
    QImage picture;

    explicit WindowState(const MainWindow &w)
        : kind(w.kindBox->currentIndex()), size(w.sizeBox->currentText()), name(w.nameEdit->text()),
          velocity(w.velocityBar->value()), picture(w.samplePicture->picture().copy())
    {
    }
    bool operator==(const WindowState &) const = default;
};

/// Passes documents on to the real queue, doing something to the print server
/// after the page is drawn and before it is sent.
class InterruptedTarget : public PrintTarget {
public:
    InterruptedTarget(std::unique_ptr<PrintTarget> queue, std::function<void()> beforeSending)
        : queue_(std::move(queue)), beforeSending_(std::move(beforeSending))
    {
    }
    int pageWidth() const override { return queue_->pageWidth(); }
    int pageHeight() const override { return queue_->pageHeight(); }
    Surface &beginDocument() override { return queue_->beginDocument(); }
    void endDocument() override
    {
        if (auto hook = std::exchange(beforeSending_, nullptr))
            hook();
        queue_->endDocument();
    }
    void abortDocument() override { queue_->abortDocument(); }

private:
    std::unique_ptr<PrintTarget> queue_;
    std::function<void()> beforeSending_;
};

} // namespace

class PrinterFaultsTest : public QObject {
    Q_OBJECT

    QStringList arrived_;

    // A window as a pupil leaves it before printing: a kind, a size, a name.
    void prepare(TestWindow &w, int kind)
    {
        if (kind != 0)
            pick(w.kindBox, kind);
        if (kind == 1 || kind == 2)
            pick(w.sizeBox, 1);
        if (kind == 3)
            QTest::keyClick(w.velocityBar, Qt::Key_Left);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Grace"));
    }

    // The one page a print command made, once the queue has passed it on.
    bool onePageArrived(const QSet<QString> &before)
    {
        if (!QTest::qWaitFor(queueEmpty, 60000))
            return false;
        const QSet<QString> fresh = arrivedPdfs() - before;
        arrived_ += fresh.values();
        return fresh.size() == 1;
    }

    bool nothingArrived(const QSet<QString> &before)
    {
        return QTest::qWaitFor(queueEmpty, 60000) && arrivedPdfs() == before;
    }

    // Prints once more after the fault has gone: the page must come out.
    void printsAgain(TestWindow &w)
    {
        const int errorsBefore = int(w.errors.size());
        const QSet<QString> before = arrivedPdfs();
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors.mid(errorsBefore), QStringList());
        QVERIFY2(onePageArrived(before), "no page once the printer was back");
    }

    // One print command while the fault is there: exactly `expected` in an
    // error box, the window as it was, no page anywhere.
    void refusedWith(TestWindow &w, const QString &expected)
    {
        const WindowState before(w);
        const QSet<QString> pages = arrivedPdfs();
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList{expected});
        QVERIFY(WindowState(w) == before);
        QVERIFY2(nothingArrived(pages), "a page came out although an error was shown");
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(startPrintServer(), "the print server of the printing tests is not there");
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), kQueue);
    }

    // Every fault is put right again, whatever the test's outcome.
    void cleanup()
    {
        QVERIFY(startPrintServer());
        runQuietly(QStringLiteral("cupsenable"), {kQueue});
        runQuietly(QStringLiteral("cupsaccept"), {kQueue});
        lpadmin({QStringLiteral("-x"), kSpareQueue});
        QVERIFY(QTest::qWaitFor(queueEmpty, 60000));
        if (!QTest::currentTestFailed())
            for (const QString &file : std::as_const(arrived_))
                QFile::remove(file);
        arrived_.clear();
    }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Semi log") << 1;
        QTest::newRow("Spacetime") << 3;
    }

    void serverStoppedBeforePrinting_data() { kinds_data(); }
    void serverStoppedBeforePrinting()
    {
        QFETCH(int, kind);
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        prepare(w, kind);
        printsAgain(w); // the queue is now the program's printer
        QVERIFY(stopPrintServer());
        refusedWith(w, kServerDown);
        QVERIFY(!printer.Printing());
        QVERIFY(startPrintServer());
        printsAgain(w);
    }

    void serverStoppedWhileThePageIsMade()
    {
        TPrinter printer(std::make_unique<InterruptedTarget>(defaultPrinterTarget(), [] { stopPrintServer(); }));
        TestWindow w(printer);
        prepare(w, 0);
        const QSet<QString> pages = arrivedPdfs();
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList{kServerDown});
        QVERIFY(!printer.Printing());
        QVERIFY(startPrintServer());
        QVERIFY2(nothingArrived(pages), "a page came out although an error was shown");
        printsAgain(w);
    }

    void queueRefusesWhileThePageIsMade()
    {
        TPrinter printer(std::make_unique<InterruptedTarget>(defaultPrinterTarget(), [] {
            runQuietly(QStringLiteral("cupsreject"), {kQueue});
        }));
        TestWindow w(printer);
        prepare(w, 2);
        const QSet<QString> pages = arrivedPdfs();
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList{kQueueRejecting});
        QVERIFY(nothingArrived(pages));
        QCOMPARE(runQuietly(QStringLiteral("cupsaccept"), {kQueue}), 0);
        printsAgain(w);
    }

    // With the printer's own reason, when it gives one (CUPS's
    // printer-state-message), on one line.
    void queueNotReady_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("reason");
        QTest::addColumn<QString>("mend");
        QTest::addColumn<QString>("message");
        QTest::newRow("stopped") << "cupsdisable" << QStringList() << "cupsenable" << kQueueStopped;
        QTest::newRow("not accepting") << "cupsreject" << QStringList() << "cupsaccept" << kQueueRejecting;
        QTest::newRow("stopped, with a reason")
            << "cupsdisable" << QStringList{"-r", "Paper jam\tin tray 2"} << "cupsenable"
            << "The printer \"GridoraPDF\" is stopped (it says \"Paper jam in tray 2\"), so the page was not printed.";
        QTest::newRow("not accepting, with a reason")
            << "cupsreject" << QStringList{"-r", "Out of toner"} << "cupsaccept"
            << "The printer \"GridoraPDF\" is not accepting pages (it says \"Out of toner\"), so the page was not "
               "printed.";
    }

    void queueNotReady()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, reason);
        QFETCH(QString, mend);
        QFETCH(QString, message);
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        prepare(w, 3);
        QCOMPARE(runQuietly(fault, reason + QStringList{kQueue}), 0);
        refusedWith(w, message);
        QCOMPARE(runQuietly(mend, {kQueue}), 0);
        printsAgain(w);
    }

    // The default printer is read at each print: with it gone there is none.
    void defaultQueueRemovedAfterStartUp()
    {
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        prepare(w, 0);
        printsAgain(w); // the queue is now the program's printer
        QCOMPARE(lpadmin({QStringLiteral("-x"), kQueue}), 0);
        refusedWith(w, kNoDefault);
        QVERIFY(startPrintServer()); // the same queue again
        printsAgain(w);
    }

    // Qt would quietly print a vanished queue's page on the default printer.
    void queueChosenInSetupThenDeleted()
    {
        QVERIFY(addSpareQueue());
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        prepare(w, 2);
        w.printDialog = [](QPrinter &chosen) {
            chosen.setPrinterName(kSpareQueue);
            return true;
        };
        w.printSetupAction->trigger();
        QCOMPARE(lpadmin({QStringLiteral("-x"), kSpareQueue}), 0);
        refusedWith(w, kNotValid);
        QVERIFY(addSpareQueue());
        printsAgain(w);
    }

    void printWhileADocumentIsOpen()
    {
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        prepare(w, 1);
        printer.BeginDoc();
        refusedWith(w, kInProgress);
        QVERIFY(printer.Printing());
        printer.Abort();
        printsAgain(w);
    }

    // The real dialog. With the server down it would list no printer and
    // not say why: it is not shown, and the user is told. With the server
    // back it shows, setting up the printer and saying so (no page numbers,
    // selection or file), and cancelling keeps the printer.
    void printSetupSaysWhenTheServerIsNotAnswering()
    {
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        const PrintTarget *before = printer.target();
        int shown = 0;
        QPrintDialog::PrintDialogOptions options;
        QString caption, confirm;
        whenModalShows([&](QWidget *modal) {
            ++shown;
            auto *dialog = qobject_cast<QPrintDialog *>(modal);
            QVERIFY(dialog);
            options = dialog->options();
            caption = dialog->windowTitle();
            if (auto *buttons = dialog->findChild<QDialogButtonBox *>())
                if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
                    confirm = ok->text().remove(QLatin1Char('&'));
            dialog->reject();
        });
        QVERIFY(stopPrintServer());
        w.printSetupAction->trigger();
        QCOMPARE(w.errors, QStringList{kSetUpServerDown});
        QCOMPARE(shown, 0);

        QVERIFY(startPrintServer());
        w.printSetupAction->trigger();
        QCOMPARE(shown, 1);
        QCOMPARE(w.errors, QStringList{kSetUpServerDown});
        QCOMPARE(caption, QStringLiteral("Print Setup"));
        QCOMPARE(confirm, QStringLiteral("OK"));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintToFile));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintSelection));
        QCOMPARE(printer.target(), before);
    }

    // A PDF file needs no printer: with the server down it is laid out on the
    // paper of the printer chosen before, or of the user's region when none
    // was ever found, and offered under the sheet's and the pupil's names.
    void savesAPdfWithTheServerDown_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<bool>("legalChosenBefore");
        QTest::addColumn<QSize>("points");
        QTest::newRow("no printer yet, United States") << "en_US" << false << QSize(612, 792);
        QTest::newRow("no printer yet, Germany") << "de_DE" << false << QSize(595, 842);
        QTest::newRow("Legal chosen in Print Setup") << "de_DE" << true << QSize(612, 1008);
    }
    void savesAPdfWithTheServerDown()
    {
        QFETCH(QString, region);
        QFETCH(bool, legalChosenBefore);
        QFETCH(QSize, points);
        const QLocale before;
        QLocale::setDefault(QLocale(region));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        TPrinter printer(startupPrinterTarget());
        ClassSetWindow w(printer);
        if (legalChosenBefore) {
            w.printDialog = [](QPrinter &chosen) { return chosen.setPageSize(QPageSize(QPageSize::Legal)); };
            w.printSetupAction->trigger();
        }
        QVERIFY(stopPrintServer());
        QTemporaryDir dir;
        w.pdfPath = dir.filePath(QStringLiteral("sheet.pdf"));
        w.nameEdit->setText(QStringLiteral("Ann Smith"));
        w.saveAsPdfAction->trigger();
        QCOMPARE(w.errors, QStringList());
        QCOMPARE(w.suggestedName, QStringLiteral("Squared 10x15 - Ann Smith.pdf"));
        const PdfInfo info = pdfInfo(w.pdfPath);
        QCOMPARE(info.pages, 1);
        QCOMPARE(info.points.toSize(), points);
    }

    // On the real queue too: a name running off the page is said first, and
    // told No, nothing prints; told Yes, the page prints as it stands.
    void aNameTooLongForThePageIsSaidBeforeItPrints()
    {
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        prepare(w, 0);
        printsAgain(w);
        QCOMPARE(w.warnings, QStringList());
        w.nameEdit->setText(QStringLiteral("Maximiliane Theodora ").repeated(5).trimmed());
        w.goOn = false;
        const QSet<QString> pages = arrivedPdfs();
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.warnings.size(), 1);
        QVERIFY2(nothingArrived(pages), "a page came out although the user said No");
        w.goOn = true;
        printsAgain(w);
        QCOMPARE(w.warnings.size(), 2);
    }

    void noServerAtStartUp()
    {
        QVERIFY(stopPrintServer());
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        prepare(w, 0);
        refusedWith(w, kServerDown);
        QVERIFY(startPrintServer());
        printsAgain(w);
    }
};

QTEST_MAIN(PrinterFaultsTest)
#include "test_printer_faults.moc"
