// The main window on a screen with two device pixels to the pixel: the same
// layout in the window's own pixels, and a sample that is the exact sheet with
// each of its pixels drawn as a 2 x 2 block, never smoothed or redrawn.
#include "app_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace gridora;
using namespace gridora::app;
using namespace gridora::app::test;

class HighDensityTest : public QObject {
    Q_OBJECT

    TPrinter printer_{std::make_unique<RecordingTarget>()};

    // Where the shown sample differs from its sheet, or empty.
    static QString blockyCopyOf(const QImage &shown, const QImage &sheet)
    {
        if (shown.size() != sheet.size() * 2)
            return QStringLiteral("shown at %1 x %2").arg(shown.width()).arg(shown.height());
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != sheet.pixel(x / 2, y / 2))
                    return QStringLiteral("device pixel (%1, %2)").arg(x).arg(y);
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(qApp->devicePixelRatio() == 2.0, "run with QT_SCALE_FACTOR=2");
    }

    void keepsItsLayout()
    {
        TestWindow w(printer_);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.centralWidget()->size(), QSize(383, 525));
        QCOMPARE(w.samplePicture->geometry(), QRect(2, 18, 357, 397));
        QCOMPARE(w.printButton->geometry(), QRect(264, 64, 91, 25));
        QCOMPARE(w.nameEdit->geometry(), QRect(80, 64, 169, 24));
        QCOMPARE(w.samplePicture->picture().size(), QSize(357, 397));
    }

    void sampleStaysCrisp_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Squared") << 0;
        QTest::newRow("Log") << 2;
        QTest::newRow("Spacetime") << 3;
    }

    void sampleStaysCrisp()
    {
        QFETCH(int, kind);
        TestWindow w(printer_);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (kind != 0)
            pick(w.kindBox, kind);
        const QImage shown = w.samplePicture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString failure = blockyCopyOf(shown, w.samplePicture->picture().convertToFormat(QImage::Format_RGB32));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(HighDensityTest)
#include "test_hidpi.moc"
