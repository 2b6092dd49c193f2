// A class set through the real print server: one job whose pages are, in
// order, the pages a single print of each name makes; a cancelled set never
// reaches the queue's output.
#include "class_set_support.h"
#include "cups_support.h"
#include "pdf_support.h"
#include "printer_setup.h"
#include "qprinter_target.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

#include <QSet>

#include <cstring>

using namespace gridora;
using namespace gridora::app;
using namespace gridora::app::test;
using namespace gridora::print;
using namespace gridora::print::test;

namespace {

// Rows from `top` down differ nowhere.
bool sameBelow(const QImage &a, const QImage &b, int top)
{
    if (a.size() != b.size() || a.isNull())
        return false;
    for (int y = top; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), std::size_t(a.width())) != 0)
            return false;
    return true;
}

} // namespace

class CupsClassSetTest : public QObject {
    Q_OBJECT

    QStringList arrived_;

    QStringList awaitJobs(const QSet<QString> &before)
    {
        if (!QTest::qWaitFor(queueEmpty, 60000))
            return {};
        const QSet<QString> fresh = arrivedPdfs() - before;
        arrived_ += QStringList(fresh.begin(), fresh.end());
        return QStringList(fresh.begin(), fresh.end());
    }

private slots:
    // Other printing tests share the scheduler and may have taken its queue
    // away last: bring it back as the fixture made it.
    void initTestCase()
    {
        QVERIFY2(havePoppler(), "pdfinfo, pdftoppm and pdftotext (poppler-utils) are needed");
        QVERIFY(startPrintServer());
    }

    void cleanup()
    {
        if (!QTest::currentTestFailed())
            for (const QString &file : std::as_const(arrived_))
                QFile::remove(file);
        arrived_.clear();
    }

    // cups-pdf passes pages through Ghostscript, which drops the text's
    // character map (pdftotext reads symbols): each page is compared, pixel
    // for pixel, with the single print of its name instead.
    void threeNamesAreOneJobOfThePagesASinglePrintMakes()
    {
        TPrinter printer(defaultPrinterTarget());
        ClassSetWindow w(printer);
        pick(w.kindBox, 1);
        pick(w.sizeBox, 1);
        const QStringList names = {"Ada", "Bo", "Cy"};
        QStringList singles;
        for (const QString &name : names) {
            w.nameEdit->setText(name);
            const QSet<QString> before = arrivedPdfs();
            w.printAction->trigger();
            const QStringList arrived = awaitJobs(before);
            QCOMPARE(arrived.size(), 1);
            singles << arrived[0];
        }

        const QSet<QString> before = arrivedPdfs();
        fill(w.classSetDialog(), names.join(QLatin1Char('\n')), false, &ClassSetDialog::printButton);
        w.classSetAction->trigger();
        QCOMPARE(w.errors, QStringList());
        const QStringList set = awaitJobs(before);
        QCOMPARE(set.size(), 1);
        QCOMPARE(pdfInfo(set[0]).pages, 3);
        QCOMPARE(lastJobTitle(kQueue), QStringLiteral("Class set - Semi log 10x2 cycle - Gridora"));
        const auto *queue = dynamic_cast<const QPrinterTarget *>(printer.target());
        QVERIFY(queue);
        for (int page = 1; page <= 3; ++page) {
            const QImage single = rasterize(singles[page - 1], queue->dpi(), 1);
            QVERIFY2(sameBelow(rasterize(set[0], queue->dpi(), page), single, 0),
                     qPrintable(QStringLiteral("page %1 is not the single print of %2").arg(page).arg(names[page - 1])));
        }
        // The names differ where they are written, so the order is checked too.
        QVERIFY(!sameBelow(rasterize(singles[0], queue->dpi(), 1), rasterize(singles[1], queue->dpi(), 1), 0));
    }

    // Copies chosen in Print Setup serve single pages; a class set is one
    // sheet per pupil whatever they are, and they serve the pages after it.
    void aClassSetIsOneCopyWhateverPrintSetupHolds()
    {
        TPrinter printer(defaultPrinterTarget());
        ClassSetWindow w(printer);
        w.printDialog = [](QPrinter &chosen) {
            chosen.setCopyCount(3);
            return true;
        };
        w.printSetupAction->trigger();
        const auto print = [&](QAction *command) {
            const QSet<QString> before = arrivedPdfs();
            command->trigger();
            return awaitJobs(before).size() == 1 ? lastJobCopies(kQueue) : -1;
        };
        fill(w.classSetDialog(), QStringLiteral("Ada\nBo"), false, &ClassSetDialog::printButton);
        QCOMPARE(w.classSetDialog().countLabel->text(), QStringLiteral("2 pages will print."));
        QCOMPARE(print(w.classSetAction), 1);
        QCOMPARE(print(w.printAction), 3);
        QCOMPARE(w.errors, QStringList());
    }

    void cancelledHalfWayNothingArrives()
    {
        TPrinter printer(defaultPrinterTarget());
        ClassSetWindow w(printer);
        w.cancelAfter = 2;
        const QSet<QString> before = arrivedPdfs();
        fill(w.classSetDialog(), QStringLiteral("Ada\nBo\nCy"), false, &ClassSetDialog::printButton);
        w.classSetAction->trigger();
        QCOMPARE(w.notes, QStringList{"The class set was cancelled: nothing was sent to the printer."});
        QCOMPARE(w.errors, QStringList());
        QVERIFY(QTest::qWaitFor(queueEmpty, 60000));
        QCOMPARE(arrivedPdfs() - before, QSet<QString>());
    }
};

QTEST_MAIN(CupsClassSetTest)
#include "test_cups_class_set.moc"
