// Printing for real: the program's own print command on the cups-pdf queue
// that scripts/cups-start.sh sets up as the default printer. Each page is
// looked at as it arrives from the queue: one page of the printer's paper,
// rulings where the sheet's formulas put them.
#include "app_test_support.h"
#include "cups_support.h"
#include "pdf_support.h"
#include "printer_setup.h"
#include "qprinter_target.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QScopeGuard>

#include <cmath>
#include <functional>

using namespace gridora;
using namespace gridora::app;
using namespace gridora::app::test;
using namespace gridora::print;
using namespace gridora::print::test;

namespace {

// Page coordinates of the printable area mapped onto the rasterized sheet.
struct Sheet {
    QImage image;
    QPoint origin; // the printable area's top-left on the sheet
    int pw = 0;
    int ph = 0;

    bool ink(int x, int y, int reach = 2) const { return inkNear(image, origin.x() + x, origin.y() + y, reach); }
    bool blank(int x, int y, int reach = 1) const { return blankNear(image, origin.x() + x, origin.y() + y, reach); }
    int level(int x, int y) const { return grey(image, origin.x() + x, origin.y() + y); }
    bool inkIn(const QRect &area) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (level(x, y) < 100)
                    return true;
        return false;
    }
};

QString at(const char *what, int x, int y)
{
    return QStringLiteral("%1 at (%2, %3) of the printable area").arg(QLatin1String(what)).arg(x).arg(y);
}

QString describe(const Sheet &s)
{
    return QStringLiteral("; printable area %1 x %2 at (%3, %4) on a %5 x %6 sheet")
        .arg(s.pw).arg(s.ph).arg(s.origin.x()).arg(s.origin.y()).arg(s.image.width()).arg(s.image.height());
}

// Linear verticals: heavy ones (every 5th) run 10 px below the grid, thin ones stop at it.
QString checkLinearVerticals(const Sheet &s)
{
    const int m = 3 * s.pw / 40, w = s.pw - 2 * m, yb = s.ph - m;
    for (int i = 0; i <= 50; ++i) {
        const int x = m + static_cast<int>(i * (w / 50.0));
        if (i % 5 == 0 ? !s.ink(x, yb + 6) : !s.blank(x, yb + 6))
            return at(i % 5 == 0 ? "no heavy vertical tick" : "a thin vertical tick", x, yb + 6);
    }
    return {};
}

QString checkSquared(const Sheet &s)
{
    const int m = 3 * s.pw / 40, w = s.pw - 2 * m, h = s.ph - 2 * m, yb = s.ph - m;
    const double cw = w / 50.0, rh = h / 75.0;
    if (QString failure = checkLinearVerticals(s); !failure.isEmpty())
        return failure;
    for (int j = 0; j <= 75; ++j) {
        const int y = yb - static_cast<int>(j * rh);
        if (j % 5 == 0 ? !s.ink(m - 6, y) : !s.blank(m - 6, y))
            return at(j % 5 == 0 ? "no heavy horizontal tick" : "a thin horizontal tick", m - 6, y);
    }
    const int x = m + static_cast<int>(2.5 * cw), y = yb - static_cast<int>(2.5 * rh);
    if (!s.blank(x, y))
        return at("ink inside a cell", x, y);
    if (!s.ink(m + static_cast<int>(5 * cw), y, 2))
        return at("no heavy vertical", m + static_cast<int>(5 * cw), y);
    return {};
}

// Logarithmic marks of `decades` decades along an axis of length e: heavy
// whole marks carry a 15 px tick, the thin mark 1.25 none.
QList<int> wholeMarks(int decades, double e)
{
    QList<int> offsets;
    for (int d = 0; d < decades; ++d)
        for (int mark = 1; mark <= 10; ++mark)
            offsets << static_cast<int>(d * e / decades + std::log10(mark) * (e / decades));
    return offsets;
}

QString checkSemiLog(const Sheet &s, int decades)
{
    const int m = 3 * s.pw / 40, h = s.ph - 2 * m, yb = s.ph - m;
    if (QString failure = checkLinearVerticals(s); !failure.isEmpty())
        return failure;
    for (int offset : wholeMarks(decades, h))
        if (!s.ink(m - 12, yb - offset))
            return at("no heavy logarithmic tick", m - 12, yb - offset);
    const int thin = yb - static_cast<int>(std::log10(1.25) * h / decades);
    if (!s.blank(m - 12, thin))
        return at("a thin logarithmic tick", m - 12, thin);
    if (!s.inkIn(QRect(m - 50, yb, 25, 22)))
        return at("no label \"1\"", m - 50, yb);
    return {};
}

QString checkLog(const Sheet &s, int decades)
{
    const int m = 3 * s.pw / 40, w = s.pw - 2 * m, t = (s.ph - w) / 2, bottom = t + w;
    for (int offset : wholeMarks(decades, w)) {
        if (!s.ink(m + offset, bottom + 10))
            return at("no heavy vertical tick", m + offset, bottom + 10);
        if (!s.ink(m - 12, bottom - offset))
            return at("no heavy horizontal tick", m - 12, bottom - offset);
    }
    const int thin = static_cast<int>(std::log10(1.25) * w / decades);
    if (!s.blank(m + thin, bottom + 10))
        return at("a thin vertical tick", m + thin, bottom + 10);
    if (!s.inkIn(QRect(m, bottom + 25, 25, 22)))
        return at("no bottom label \"1\"", m, bottom + 25);
    if (!s.blank(m + w / 2, t - 20))
        return at("ink above the square", m + w / 2, t - 20);
    return {};
}

QString checkSpacetime(const Sheet &s)
{
    const int m = 3 * s.pw / 40, gw = s.pw - 2 * m;
    const double cell = gw / 25.0;
    const int gh = static_cast<int>(30 * cell), yb = s.ph - (s.ph - gh) / 2;
    const int ox = m + static_cast<int>(5 * cell), oy = yb - static_cast<int>(5 * cell);
    const auto blackNear = [&](int x, int y) {
        for (int dx = -2; dx <= 2; ++dx)
            if (s.level(x + dx, y) < 60)
                return true;
        return false;
    };
    for (int k = 8; k < 29; ++k) { // the black ct axis, between the rest horizontals
        const int y = yb - static_cast<int>((k + 0.5) * cell);
        if (!blackNear(ox, y))
            return at("no black ct axis", ox, y);
    }
    for (int k = 6; k < 25; ++k) {
        const int x = m + static_cast<int>((k + 0.5) * cell);
        for (int dy = -2; dy <= 2 && !blackNear(x, oy + dy); ++dy)
            if (dy == 2)
                return at("no black x axis", x, oy);
    }
    // A heavy grey rest line, over the moving grid wherever they cross.
    const int grey15 = m + static_cast<int>(15 * cell);
    int greyRows = 0, rows = 0;
    for (int y = yb - gh + 10; y < yb - 10; y += 7, ++rows)
        for (int dx = -2; dx <= 2; ++dx)
            if (const int v = s.level(grey15 + dx, y); v >= 90 && v <= 170) {
                ++greyRows;
                break;
            }
    if (greyRows * 10 < rows * 9)
        return QStringLiteral("grey rest line at x = %1 on %2 of %3 rows").arg(grey15).arg(greyRows).arg(rows);
    if (!s.blank(m - 20, oy) || !s.blank(ox, yb + 20) || !s.blank(ox, yb - gh - 20))
        return QStringLiteral("ink outside the grid");
    return {};
}

} // namespace

class CupsPrintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TPrinter> startupPrinter_;
    QStringList arrived_; // PDFs this test made, removed when it passes

    // The queue behind the printer, looked up now if the program has not yet.
    const QPrinterTarget *queueTarget(TPrinter &printer)
    {
        const PrintTarget *target = printer.target();
        if (const auto *deferred = dynamic_cast<const FirstUseTarget *>(target)) {
            printer.PageWidth();
            target = deferred->foundSoFar();
        }
        return dynamic_cast<const QPrinterTarget *>(target);
    }

    // The one PDF a print command produced, once the queue has finished.
    QString awaitPage(const QSet<QString> &before)
    {
        if (!QTest::qWaitFor(queueEmpty, 60000))
            return {};
        const QSet<QString> fresh = arrivedPdfs() - before;
        if (fresh.size() != 1)
            return {};
        arrived_ << *fresh.begin();
        return *fresh.begin();
    }

    Sheet lookAt(const QString &file, const QPrinterTarget &target)
    {
        Sheet sheet;
        sheet.image = rasterize(file, target.dpi());
        sheet.origin = target.printer().pageLayout().paintRectPixels(target.dpi()).topLeft();
        sheet.pw = target.pageWidth();
        sheet.ph = target.pageHeight();
        return sheet;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(havePoppler(), "pdfinfo and pdftoppm (poppler-utils) are needed");
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), kQueue);
        // As the program starts: the queue is looked up at the first print.
        startupPrinter_ = std::make_unique<TPrinter>(startupPrinterTarget());
        QVERIFY(queueTarget(*startupPrinter_));
    }

    void cleanupTestCase()
    {
        startupPrinter_.reset();
    }

    void cleanup()
    {
        if (!QTest::currentTestFailed())
            for (const QString &file : std::as_const(arrived_))
                QFile::remove(file);
        arrived_.clear();
    }

    void startsOnTheDefaultQueueAtItsOwnResolution()
    {
        // The queue's default resolution as CUPS lists its options ("*300dpi").
        const QString options = runTool(QStringLiteral("lpoptions"), {QStringLiteral("-p"), kQueue,
                                                                       QStringLiteral("-l")});
        const auto starred = QRegularExpression(QStringLiteral("^Resolution/[^:]*:.*\\*(\\d+)dpi"),
                                                QRegularExpression::MultilineOption).match(options);
        QVERIFY2(starred.hasMatch(), qPrintable(options));
        const QPrinterTarget *target = queueTarget(*startupPrinter_);
        QCOMPARE(target->printer().printerName(), kQueue);
        QCOMPARE(target->printer().outputFormat(), QPrinter::NativeFormat);
        QCOMPARE(target->dpi(), starred.captured(1).toInt());
    }

    void printsEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("size");
        QTest::newRow("Squared") << 0 << 0;
        QTest::newRow("Semi log, 10x2 cycle") << 1 << 1;
        QTest::newRow("Log, 3x3") << 2 << 2;
        QTest::newRow("Spacetime") << 3 << 0;
    }

    void printsEachKind()
    {
        QFETCH(int, kind);
        QFETCH(int, size);
        TestWindow w(*startupPrinter_);
        if (kind != 0)
            pick(w.kindBox, kind);
        if (size != 0)
            pick(w.sizeBox, size);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Ada Lovelace"));
        const QSet<QString> before = arrivedPdfs();

        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList());
        const QString file = awaitPage(before);
        QVERIFY2(!file.isEmpty(), "no single new PDF from the queue");

        const QPrinterTarget &target = *queueTarget(*startupPrinter_);
        const PdfInfo info = pdfInfo(file);
        QCOMPARE(info.pages, 1);
        const QSizeF paper = target.printer().pageLayout().fullRect(QPageLayout::Point).size();
        QVERIFY2(qAbs(info.points.width() - paper.width()) < 1.5 && qAbs(info.points.height() - paper.height()) < 1.5,
                 qPrintable(QStringLiteral("%1 x %2 pt").arg(info.points.width()).arg(info.points.height())));

        const Sheet sheet = lookAt(file, target);
        QVERIFY(!sheet.image.isNull());
        QVERIFY2(sheet.inkIn(QRect(10, 10, 300, 50)), "no name in the top-left corner");
        QString failure;
        switch (kind) {
        case 0: failure = checkSquared(sheet); break;
        case 1: failure = checkSemiLog(sheet, size + 1); break;
        case 2: failure = checkLog(sheet, size + 1); break;
        default: failure = checkSpacetime(sheet); break;
        }
        QVERIFY2(failure.isEmpty(), qPrintable(failure + describe(sheet) + QStringLiteral(" in ") + file));
    }

    void printSetupChoicesServeLaterPrints()
    {
        TPrinter printer(defaultPrinterTarget());
        TestWindow w(printer);
        const QSet<QString> before = arrivedPdfs();
        w.printDialog = [](QPrinter &chosen) {
            // What the dialog's printer properties store for "Output Resolution".
            setCupsOptions(chosen, cupsOptions(chosen) + QStringList{QStringLiteral("Resolution"),
                                                                     QStringLiteral("600dpi")});
            return true;
        };
        w.printSetupAction->trigger();
        const QPrinterTarget *target = queueTarget(printer);
        QVERIFY(target);
        QCOMPARE(target->printer().printerName(), kQueue);
        QCOMPARE(target->dpi(), 600);
        QVERIFY(queueEmpty());
        QCOMPARE(arrivedPdfs() - before, QSet<QString>());

        w.printAction->trigger();
        QCOMPARE(w.errors, QStringList());
        const QString file = awaitPage(before);
        QVERIFY(!file.isEmpty());
        const Sheet sheet = lookAt(file, *target);
        const QString failure = checkSquared(sheet);
        QVERIFY2(failure.isEmpty(), qPrintable(failure + describe(sheet)));
    }

    // A fresh start on each test queue as the default printer: from the first
    // print, the queue's own default paper, printable area and resolution,
    // and a job title naming the sheet and the pupil.
    void firstPrintUsesTheQueuesOwnPaper_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("paper"); // QPageSize::PageSizeId
        QTest::addColumn<QMarginsF>("margins"); // points, from the queue's PPD
        QTest::addColumn<int>("dpi");
        QTest::newRow("A4, 300 dpi") << kQueue << int(QPageSize::A4) << QMarginsF() << 300;
        QTest::newRow("Letter") << QStringLiteral("GridoraLetter") << int(QPageSize::Letter)
                                << QMarginsF(18, 36, 18, 36) << 300;
        QTest::newRow("600 dpi") << QStringLiteral("Gridora600") << int(QPageSize::A4) << QMarginsF() << 600;
        QTest::newRow("1200 dpi") << QStringLiteral("Gridora1200") << int(QPageSize::A4) << QMarginsF() << 1200;
    }

    void firstPrintUsesTheQueuesOwnPaper()
    {
        QFETCH(QString, queue);
        QFETCH(int, paper);
        QFETCH(QMarginsF, margins);
        QFETCH(int, dpi);
        QCOMPARE(QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue}), 0);
        const auto restore = qScopeGuard([] { QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue}); });
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        pick(w.kindBox, 2);
        pick(w.sizeBox, 1);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Ann"));
        const QSet<QString> before = arrivedPdfs();
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList());
        const QString file = awaitPage(before);
        QVERIFY2(!file.isEmpty(), "no single new PDF from the queue");

        const QPageLayout expected(QPageSize(QPageSize::PageSizeId(paper)), QPageLayout::Portrait, margins,
                                   QPageLayout::Point);
        const QSizeF points = pdfInfo(file).points;
        const QSizeF sheet = expected.fullRect(QPageLayout::Point).size();
        QVERIFY2(qAbs(points.width() - sheet.width()) < 1.5 && qAbs(points.height() - sheet.height()) < 1.5,
                 qPrintable(QStringLiteral("%1 x %2 pt").arg(points.width()).arg(points.height())));
        const QPrinterTarget &target = *queueTarget(printer);
        QCOMPARE(target.dpi(), dpi);
        QCOMPARE(QSize(target.pageWidth(), target.pageHeight()), expected.paintRectPixels(dpi).size());
        QCOMPARE(lastJobTitle(queue), QStringLiteral("Ann - Log 2x2 - Gridora"));
        // cups-pdf names the file after the job's title (in its own spelling).
        const QString name = QFileInfo(file).fileName();
        QVERIFY2(name.startsWith(QLatin1String("Ann_-_Log_2x2_-_Gridora")), qPrintable(name));
        const QString failure = checkLog(lookAt(file, target), 2);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // cups-pdf keeps 64 characters of a title for its file name: the pupil's
    // name comes first and stays whole, and the PDF's own title reads as the
    // job's, plain hyphens and all.
    void theTitleKeepsThePupilsNameWhole()
    {
        TPrinter printer(defaultPrinterTarget());
        TestWindow w(printer);
        pick(w.kindBox, 3);
        const QString pupil = QStringLiteral("Annabel Featherstonehaugh-Smith");
        w.nameEdit->setText(pupil);
        const QSet<QString> before = arrivedPdfs();
        w.printAction->trigger();
        QCOMPARE(w.errors, QStringList());
        const QString file = awaitPage(before);
        QVERIFY2(!file.isEmpty(), "no single new PDF from the queue");
        const QString title = pupil + QStringLiteral(" - Spacetime v = 0.60 c - Gridora");
        QCOMPARE(lastJobTitle(kQueue), title);
        QVERIFY2(QFileInfo(file).fileName().startsWith(QStringLiteral("Annabel_Featherstonehaugh-Smith_-_")),
                 qPrintable(file));
        QVERIFY2(pdfInfo(file).title.contains(title), qPrintable(pdfInfo(file).title));
    }

    // The desktop's default printer is read at each print, until a printer
    // is chosen in Print Setup: that one then stays.
    void followsTheDefaultPrinterUntilOneIsChosen()
    {
        const auto restore = qScopeGuard([] { QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue}); });
        TPrinter printer(startupPrinterTarget());
        TestWindow w(printer);
        const auto printFor = [&](const QString &pupil) {
            w.nameEdit->setText(pupil);
            const QSet<QString> before = arrivedPdfs();
            w.printAction->trigger();
            return !awaitPage(before).isEmpty();
        };
        QVERIFY(printFor(QStringLiteral("Ida")));
        QCOMPARE(lastJobTitle(kQueue), QStringLiteral("Ida - Squared 10x15 - Gridora"));
        QCOMPARE(QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("Gridora600")}), 0);
        QVERIFY(printFor(QStringLiteral("Jo")));
        QCOMPARE(lastJobTitle(QStringLiteral("Gridora600")), QStringLiteral("Jo - Squared 10x15 - Gridora"));
        QCOMPARE(queueTarget(printer)->dpi(), 600); // laid out for the new default

        w.printDialog = [](QPrinter &chosen) {
            chosen.setPrinterName(QStringLiteral("GridoraLetter"));
            return true;
        };
        w.printSetupAction->trigger();
        QCOMPARE(QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue}), 0);
        QVERIFY(printFor(QStringLiteral("Kim")));
        QCOMPARE(lastJobTitle(QStringLiteral("GridoraLetter")), QStringLiteral("Kim - Squared 10x15 - Gridora"));
        QCOMPARE(w.errors, QStringList());
    }

    // Margins set in Print Setup's properties are honoured, and kept when
    // Print Setup is confirmed again or another queue chosen.
    void marginsChosenInPrintSetupAreHonoured()
    {
        TPrinter printer(defaultPrinterTarget());
        TestWindow w(printer);
        const auto setUp = [&](std::function<void(QPrinter &)> change) {
            w.printDialog = [change](QPrinter &chosen) {
                change(chosen);
                return true;
            };
            w.printSetupAction->trigger();
            return queueTarget(printer);
        };
        const QMarginsF wide(20, 25, 20, 25); // millimetres
        const QPrinterTarget *target =
            setUp([&](QPrinter &chosen) { chosen.setPageMargins(wide, QPageLayout::Millimeter); });
        const auto shows = [&](const QPrinterTarget *queue) {
            const QPageLayout layout = queue->printer().pageLayout();
            const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
            // Kept to the nearest point, as the queue's own margins are.
            constexpr double kPoint = 25.4 / 72;
            return qAbs(margins.left() - wide.left()) < kPoint && qAbs(margins.top() - wide.top()) < kPoint &&
                   qAbs(margins.right() - wide.right()) < kPoint && qAbs(margins.bottom() - wide.bottom()) < kPoint &&
                   queue->pageWidth() == layout.paintRectPixels(queue->dpi()).width();
        };
        QVERIFY(shows(target));
        QVERIFY(shows(setUp([](QPrinter &) {})));
        target = setUp([](QPrinter &chosen) { chosen.setPrinterName(QStringLiteral("Gridora600")); });
        QCOMPARE(target->printer().printerName(), QStringLiteral("Gridora600"));
        QVERIFY(shows(target));
        QCOMPARE(w.errors, QStringList());
    }

    // Margins come with the queue chosen, never from the one chosen before.
    void marginsBelongToTheChosenPrinter()
    {
        TPrinter printer(defaultPrinterTarget());
        TestWindow w(printer);
        const auto choose = [&](const QString &queue, bool letter) {
            w.printDialog = [queue, letter](QPrinter &chosen) {
                chosen.setPrinterName(queue);
                if (letter)
                    chosen.setPageSize(QPageSize(QPageSize::Letter));
                return true;
            };
            w.printSetupAction->trigger();
            const QPrinterTarget *target = queueTarget(printer);
            return target ? target->printer().pageLayout().margins(QPageLayout::Point) : QMarginsF(-1, -1, -1, -1);
        };
        QCOMPARE(choose(QStringLiteral("GridoraLetter"), true), QMarginsF(18, 36, 18, 36));
        QCOMPARE(choose(QStringLiteral("Gridora600"), false), QMarginsF());
        const QPrinterTarget *target = queueTarget(printer);
        QCOMPARE(target->printer().pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(target->pageWidth(), 612 * 600 / 72);
        QCOMPARE(choose(QStringLiteral("GridoraLetter"), false), QMarginsF(18, 36, 18, 36));
    }

    void abortedPageNeverArrives()
    {
        TPrinter printer(defaultPrinterTarget());
        const QSet<QString> before = arrivedPdfs();
        printer.BeginDoc();
        printer.Canvas().MoveTo(100, 100);
        printer.Canvas().LineTo(1000, 1000);
        printer.Abort();
        QVERIFY(!printer.Printing());
        // A page that went through would be written before its job left the queue.
        QVERIFY(QTest::qWaitFor(queueEmpty, 60000));
        QCOMPARE(arrivedPdfs() - before, QSet<QString>());
    }

    // Last: takes the queue away.
    void noPrinterLeft()
    {
        TestWindow chosenEarlier(*startupPrinter_);
        QCOMPARE(QProcess::execute(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kQueue}), 0);
        QVERIFY(QTest::qWaitFor([] { return QPrinterInfo::defaultPrinter().isNull(); }, 60000));
        const QSet<QString> before = arrivedPdfs();

        // A window that printed on the default queue while it existed: there
        // is no default printer now.
        stamp(*chosenEarlier.samplePicture);
        QTest::mouseClick(chosenEarlier.printButton, Qt::LeftButton);
        QCOMPARE(chosenEarlier.errors, QStringList{kNoDefaultPrinter});
        QVERIFY(stamped(chosenEarlier.samplePicture->picture()));

        // A program started with no printer at all.
        QVERIFY(!defaultPrinterTarget());
        TPrinter none(startupPrinterTarget());
        TestWindow w(none);
        pick(w.kindBox, 2);
        pick(w.sizeBox, 1);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Bo"));
        stamp(*w.samplePicture);
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList{kNoDefaultPrinter});
        QVERIFY(stamped(w.samplePicture->picture()));
        QCOMPARE(w.kindBox->currentIndex(), 2);
        QCOMPARE(w.sizeBox->currentText(), QStringLiteral("2x2"));
        QCOMPARE(w.nameEdit->text(), QStringLiteral("Bo"));

        pick(w.kindBox, 3);
        QTest::keyClick(w.velocityBar, Qt::Key_Home);
        w.printAction->trigger();
        QCOMPARE(w.errors, (QStringList{kNoDefaultPrinter, kNoDefaultPrinter}));
        QCOMPARE(w.velocityBar->value(), 0);
        QVERIFY(queueEmpty());
        QCOMPARE(arrivedPdfs() - before, QSet<QString>());
    }
};

QTEST_MAIN(CupsPrintingTest)
#include "test_cups_printing.moc"
