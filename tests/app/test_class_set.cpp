// The class set and the PDF file in the window: one document with a page per
// name, cancelling that leaves nothing behind, and PDF files laid out as the
// printer lays out its pages, or as gridora-sheet lays out A4 when there is none.
#include "app_test_support.h"
#include "class_set_support.h"
#include "class_set.h"
#include "classset.h"
#include "grid_sheets.h"
#include "spacetime_sheets.h"
#include "pdf_support.h"
#include "qprinter_target.h"
#include "trace_lines.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

using namespace gridora;
using namespace gridora::app;
using namespace gridora::app::test;
using namespace gridora::print;
using namespace gridora::print::test;
using namespace gridora::tracetest;

namespace {

std::vector<std::string> pages(const std::string &trace)
{
    std::vector<std::string> split{""};
    for (const std::string &line : splitLines(trace)) {
        if (line == "newpage")
            split.emplace_back();
        else if (line != "begindoc" && line != "enddoc" && line.rfind("surface ", 0) != 0)
            split.back() += line + "\n";
    }
    return split;
}

// The pages of pressing "&Print" once per name: one document each, on one
// printer whose canvas keeps its settings from page to page.
std::vector<std::string> singlePages(int kind, int size, const std::vector<std::string> &names)
{
    std::ostringstream trace;
    TPrinter printer(std::make_unique<TracePrintTarget>(trace, 4800, 6600));
    std::vector<std::string> split;
    for (const std::string &name : names) {
        trace.str({});
        if (kind == 3)
            spacetime::printSpacetimePage(printer, 60, name);
        else
            gridpaper::printGridPage(printer, kind, size, name);
        split.push_back(pages(trace.str()).front());
    }
    return split;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Writes until the file system has no byte left.
void fillUp(const QString &path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
}

QString pdfText(const QString &pdf, int page)
{
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                 QString::number(page), pdf, QStringLiteral("-")})
        .trimmed();
}

// Heavy verticals of the Squared page where its trace puts them, on the
// rasterized PDF whose printable area starts at `origin`.
QString checkHeavyVerticals(const QString &pdf, QSize area, QPoint origin, int dpi)
{
    const QImage sheet = rasterize(pdf, dpi);
    if (sheet.isNull())
        return QStringLiteral("no picture of the PDF");
    const auto strokes = strokesWhere(strokesOf(traceOfPage(area.width(), area.height(), [](TPrinter &p) {
                                          gridpaper::printGridPage(p, 0, 0, "");
                                      })),
                                      [](const Stroke &s) { return s.x1 == s.x2 && penWidth(s) == 4; });
    if (strokes.size() != 11)
        return QStringLiteral("%1 heavy verticals in the trace").arg(strokes.size());
    for (const Stroke &s : strokes) {
        const int y = origin.y() + (s.y1 + s.y2) / 2 + 3; // off the horizontal rulings
        if (!inkNear(sheet, origin.x() + s.x1, y, 1))
            return QStringLiteral("no heavy vertical at x = %1").arg(s.x1);
        if (!blankNear(sheet, origin.x() + s.x1 + 20, y, 1))
            return QStringLiteral("ink beside the heavy vertical at x = %1").arg(s.x1);
    }
    return {};
}

} // namespace

class ClassSetTest : public QObject {
    Q_OBJECT

private slots:
    void printsOneDocumentWithAPagePerNameInOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("size");
        QTest::newRow("Semi log, 10x3 cycle") << 1 << 2;
        QTest::newRow("Spacetime") << 3 << 0;
    }

    void printsOneDocumentWithAPagePerNameInOrder()
    {
        QFETCH(int, kind);
        QFETCH(int, size);
        auto target = std::make_unique<RecordingTarget>();
        RecordingTarget &recorded = *target;
        TPrinter printer(std::move(target));
        ClassSetWindow w(printer);
        pick(w.kindBox, kind);
        if (size)
            pick(w.sizeBox, size);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Teacher"));
        // A header row, blank lines, spaces, a duplicate, a tab, right-to-left letters.
        fill(w.classSetDialog(), QString::fromUtf8("Pupil\n\n  Ada \nBo\tB\n\xD7\xA9\xD7\xA8\xD7\x94\nAda\n"), true,
             &ClassSetDialog::printButton);
        QCOMPARE(w.classSetDialog().countLabel->text(), QStringLiteral("4 pages will print."));
        w.classSetAction->trigger();

        QCOMPARE(w.errors, QStringList());
        QCOMPARE(recorded.begun, 1);
        QCOMPARE(recorded.ended, 1);
        const std::vector<std::string> names = {"Ada", "Bo\tB", "\xD7\xA9\xD7\xA8\xD7\x94", "Ada"};
        const std::vector<std::string> printed = pages(recorded.trace.str());
        QCOMPARE(printed.size(), names.size());
        QVERIFY(printed == singlePages(kind, size, names));
        QCOMPARE(w.nameEdit->text(), QStringLiteral("Teacher"));
    }

    void cancelledHalfWaySendsNothing()
    {
        auto target = std::make_unique<RecordingTarget>();
        RecordingTarget &recorded = *target;
        TPrinter printer(std::move(target));
        ClassSetWindow w(printer);
        w.cancelAfter = 2;
        fill(w.classSetDialog(), QStringLiteral("Ada\nBo\nCy\nDee"), false, &ClassSetDialog::printButton);
        w.classSetAction->trigger();
        QCOMPARE(recorded.begun, 1);
        QCOMPARE(recorded.aborted, 1);
        QCOMPARE(recorded.ended, 0);
        QCOMPARE(w.notes, QStringList{"The class set was cancelled: nothing was sent to the printer."});
        QCOMPARE(w.errors, QStringList());
        QVERIFY(!printer.Printing());

        // The printer is free again for the next set.
        w.cancelAfter = 0;
        w.classSetAction->trigger();
        QCOMPARE(recorded.ended, 1);
    }

    void aPrinterErrorIsTheSinglePagesError()
    {
        auto target = std::make_unique<RecordingTarget>();
        target->refusal = kPrinterNotValid;
        TPrinter printer(std::move(target));
        ClassSetWindow w(printer);
        fill(w.classSetDialog(), QStringLiteral("Ada\nBo"), false, &ClassSetDialog::printButton);
        w.classSetAction->trigger();
        w.printAction->trigger();
        QCOMPARE(w.errors, (QStringList{kPrinterNotValid, kPrinterNotValid}));
    }

    void dialogReadsATeachersFile()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("7b.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBFPupil,Class\r\n\r\n  Ada Lovelace ,7b\r\n\"Bo\r\nBrandt\",7b\r\n\r\n");
        file.close();
        ClassSetDialog dialog;
        QCOMPARE(dialog.countLabel->text(), QStringLiteral("No names yet."));
        QVERIFY(!dialog.printButton->isEnabled());
        QCOMPARE(dialog.loadFile(csv), QString());
        QCOMPARE(dialog.namesEdit->toPlainText(), QStringLiteral("Pupil\nAda Lovelace\nBo Brandt"));
        QCOMPARE(dialog.countLabel->text(), QStringLiteral("3 pages will print."));
        QTest::mouseClick(dialog.headerCheckBox, Qt::LeftButton);
        QCOMPARE(dialog.countLabel->text(), QStringLiteral("2 pages will print."));
        QCOMPARE(dialog.names(), (std::vector<std::string>{"Ada Lovelace", "Bo Brandt"}));

        const QString latin1 = dir.filePath(QStringLiteral("list.txt"));
        QFile bad(latin1);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("Ada\nJos\xE9\n");
        bad.close();
        QCOMPARE(dialog.loadFile(latin1), QStringLiteral("Line 2 of list.txt is not UTF-8 text."));
        QCOMPARE(dialog.names().size(), std::size_t(2)); // the box is left as it was

        dialog.namesEdit->setPlainText(QStringLiteral("Ada\n") + QString(201, QLatin1Char('x')));
        QCOMPARE(dialog.countLabel->text(), QStringLiteral("Line 2 holds a name longer than 200 characters."));
        QVERIFY(!dialog.printButton->isEnabled() && !dialog.pdfButton->isEnabled());
    }

    // No printer: the page gridora-sheet lays out on A4, a quarter inch in
    // from every edge at 600 dots per inch, pixel for pixel.
    void pdfWithoutAPrinterIsGridoraSheetsA4()
    {
        QVERIFY(havePoppler());
        TPrinter none(std::make_unique<FirstUseTarget>([] { return std::unique_ptr<PrintTarget>(); }));
        ClassSetWindow w(none);
        QTemporaryDir dir;
        w.pdfPath = dir.filePath(QStringLiteral("sheet.pdf"));
        w.nameEdit->setText(QStringLiteral("Zo\u00EB \u00D8deg\u00E5rd \u5C0F\u6797"));
        w.saveAsPdfAction->trigger();
        QCOMPARE(w.errors, QStringList());
        const PdfInfo info = pdfInfo(w.pdfPath);
        QCOMPARE(info.pages, 1);
        QCOMPARE(info.points.toSize(), QSize(595, 842));
        // The title in the file's metadata, letter for letter.
        QCOMPARE(info.title, QStringLiteral("Zo\u00EB \u00D8deg\u00E5rd \u5C0F\u6797 - Squared 10x15 - Gridora"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"sheet.pdf"});

        QTemporaryDir sheetDir;
        const QString sheet = sheetDir.filePath(QStringLiteral("a4.pdf"));
        QCOMPARE(QProcess::execute(QStringLiteral(GRIDORA_SHEET),
                                   {QStringLiteral("--kind"), QStringLiteral("squared"), QStringLiteral("--paper"),
                                    QStringLiteral("a4"), QStringLiteral("--dpi"), QStringLiteral("600"),
                                    QStringLiteral("--name"), w.nameEdit->text(), QStringLiteral("-o"), sheet}),
                 0);
        const QImage saved = rasterize(w.pdfPath, 600);
        const QImage expected = rasterize(sheet, 600);
        QVERIFY(!expected.isNull());
        QCOMPARE(saved.size(), expected.size());
        QVERIFY2(saved == expected, "the saved page differs from gridora-sheet's");
    }

    // A printer set up for Letter, landscape, wide margins, 300 dots per inch.
    void pdfIsLaidOutAsOnThePrinter()
    {
        QVERIFY(havePoppler());
        QTemporaryDir dir;
        auto queue = std::make_unique<QPrinter>();
        queue->setOutputFormat(QPrinter::PdfFormat);
        queue->setOutputFileName(dir.filePath(QStringLiteral("queue.pdf")));
        queue->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                         QMarginsF(20, 10, 15, 12), QPageLayout::Millimeter));
        auto target = std::make_unique<QPrinterTarget>(std::move(queue), 300);
        const QRect area = target->printer().pageLayout().paintRectPixels(300);
        TPrinter printer(std::move(target));
        ClassSetWindow w(printer);
        w.pdfPath = dir.filePath(QStringLiteral("set.pdf"));
        fill(w.classSetDialog(), QStringLiteral("Ada\nBo\nCy"), false, &ClassSetDialog::pdfButton);
        w.classSetAction->trigger();
        QCOMPARE(w.errors, QStringList());
        const PdfInfo info = pdfInfo(w.pdfPath);
        QCOMPARE(info.pages, 3);
        QCOMPARE(info.points.toSize(), QSize(792, 612));
        QCOMPARE(info.title, QStringLiteral("Class set - Squared 10x15 - Gridora"));
        QCOMPARE(w.suggestedName, QStringLiteral("Squared 10x15 - Class set.pdf"));
        QCOMPARE(w.progressTitle, QStringLiteral("Gridora"));
        for (int page = 1; page <= 3; ++page)
            QVERIFY(pdfText(w.pdfPath, page).startsWith(QStringList{"Ada", "Bo", "Cy"}[page - 1]));
        const QString failure = checkHeavyVerticals(w.pdfPath, area.size(), area.topLeft(), 300);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("queue.pdf")))); // nothing went to the printer
    }

    // On a small file system of its own: filled to the last byte, made
    // read-only, or with the chosen folder gone by the time of saving.
    void aFailedSaveLosesNothingAndSaysWhy_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::addColumn<bool>("replacing");
        QTest::addColumn<bool>("classSet");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk, a new file") << "full" << false << false << "No space left on device";
        QTest::newRow("full disk, replacing a file") << "full" << true << false << "No space left on device";
        QTest::newRow("full disk, replacing, class set") << "full" << true << true << "No space left on device";
        QTest::newRow("read-only, a new file") << "read-only" << false << false << "Read-only file system";
        QTest::newRow("read-only, replacing, class set")
            << "read-only" << true << true << "Existing file FILE is not writable";
        QTest::newRow("folder gone, class set") << "gone" << false << true << "No such file or directory";
    }

    void aFailedSaveLosesNothingAndSaysWhy()
    {
        QFETCH(QString, disk);
        QFETCH(bool, replacing);
        QFETCH(bool, classSet);
        QFETCH(QString, reason);
        if (geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(root));
        const QByteArray mountPoint = QFile::encodeName(root);
        QVERIFY(mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=256k") == 0);
        const auto unmount = qScopeGuard([&] { umount2(mountPoint.constData(), MNT_DETACH); });
        QString path = root + QStringLiteral("/sheet.pdf");
        if (replacing) {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("precious") == 8);
        }
        if (disk == QLatin1String("full"))
            fillUp(root + QStringLiteral("/filler"));
        if (disk == QLatin1String("read-only"))
            QVERIFY(mount(nullptr, mountPoint.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        if (disk == QLatin1String("gone"))
            path = root + QStringLiteral("/gone/sheet.pdf");
        const QStringList before = entries(root);

        TPrinter none(std::make_unique<FirstUseTarget>([] { return std::unique_ptr<PrintTarget>(); }));
        ClassSetWindow w(none);
        w.pdfPath = path;
        if (classSet) {
            fill(w.classSetDialog(), QStringLiteral("Ada\nBo"), false, &ClassSetDialog::pdfButton);
            w.classSetAction->trigger();
        } else {
            w.saveAsPdfAction->trigger();
        }
        reason.replace(QLatin1String("FILE"), path);
        QCOMPARE(w.errors, QStringList{QStringLiteral("The PDF file \"%1\" could not be saved: %2.").arg(path, reason)});
        QCOMPARE(entries(root), before);
        if (replacing)
            QCOMPARE(contents(path), QByteArray("precious"));
    }

    // A name that runs off the page is said before anything is made; told
    // No, the teacher is not even asked for a file. Names that fit ask nothing.
    void namesTooLongForThePageAreSaidFirst_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Squared") << 0;
        QTest::newRow("Spacetime") << 3;
        QTest::newRow("Millimetre") << 4;
    }
    void namesTooLongForThePageAreSaidFirst()
    {
        QFETCH(int, kind);
        TPrinter none(std::make_unique<FirstUseTarget>([] { return std::unique_ptr<PrintTarget>(); }));
        ClassSetWindow w(none);
        pick(w.kindBox, kind);
        QTemporaryDir dir;
        w.pdfPath = dir.filePath(QStringLiteral("sheet.pdf"));
        const QString tooLong = QStringLiteral("Maximiliane Theodora ").repeated(5).trimmed();
        w.goOn = false;
        fill(w.classSetDialog(), QStringList{"Ada", tooLong, "Bo", tooLong + " II"}.join('\n'), false,
             &ClassSetDialog::pdfButton);
        w.classSetAction->trigger();
        QCOMPARE(w.warnings.size(), 1);
        QVERIFY2(w.warnings[0].startsWith(QStringLiteral("2 names are too long for the page")), qPrintable(w.warnings[0]));
        QVERIFY(w.suggestedName.isEmpty() && !QFile::exists(w.pdfPath));

        w.nameEdit->setText(QStringLiteral("Ada Lovelace"));
        w.saveAsPdfAction->trigger();
        QCOMPARE(w.warnings.size(), 1);
        QVERIFY(QFile::remove(w.pdfPath));
        w.nameEdit->setText(tooLong);
        w.saveAsPdfAction->trigger();
        QCOMPARE(w.warnings.size(), 2);
        QVERIFY2(w.warnings[1].startsWith(QStringLiteral("The name \"Maximiliane Theodora")), qPrintable(w.warnings[1]));
        QVERIFY(!QFile::exists(w.pdfPath));
        QCOMPARE(w.errors, QStringList());
    }

    void aFailedOrCancelledSaveLeavesNoFile()
    {
        TPrinter none(std::make_unique<FirstUseTarget>([] { return std::unique_ptr<PrintTarget>(); }));
        ClassSetWindow w(none);
        QTemporaryDir dir;
        w.pdfPath = dir.filePath(QStringLiteral("missing/sheet.pdf"));
        w.saveAsPdfAction->trigger();
        QCOMPARE(w.errors.size(), 1);
        QVERIFY2(w.errors[0].startsWith(QStringLiteral("The PDF file \"%1\" could not be saved: ").arg(w.pdfPath)),
                 qPrintable(w.errors[0]));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

        // An existing file stays as it was when the set is cancelled.
        w.pdfPath = dir.filePath(QStringLiteral("kept.pdf"));
        QFile kept(w.pdfPath);
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("precious") == 8);
        kept.close();
        w.cancelAfter = 1;
        fill(w.classSetDialog(), QStringLiteral("Ada\nBo"), false, &ClassSetDialog::pdfButton);
        w.classSetAction->trigger();
        QCOMPARE(w.notes, QStringList{"Saving the PDF file was cancelled: nothing was written."});
        QCOMPARE(contents(w.pdfPath), QByteArray("precious"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"kept.pdf"});
    }
};

QTEST_MAIN(ClassSetTest)
#include "test_class_set.moc"
