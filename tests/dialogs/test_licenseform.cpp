// The licence agreement viewer: the agreement picture, the strip offsets, the
// narrowing copy and the scroll bar's steps.

#include "agreement_strip.h"
#include "image_surface.h"
#include "dialog_widgets.h"
#include "focus_shows.h"
#include "licenseform.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <utility>
#include <vector>

namespace {

constexpr QRgb black = 0xFF000000u;
constexpr QRgb white = 0xFFFFFFFFu;

// What the window should show for first row r, worked forwards from the
// documented mapping: source column x lands on window column x * 447 / 450,
// rows one to one, and a black source pixel makes its window pixel black.
QImage expectedStrip(const QImage &agreement, int r)
{
    QImage strip(447, 215, QImage::Format_RGB32);
    strip.fill(white);
    for (int j = 0; j < 215; ++j)
        for (int x = 0; x < 450; ++x)
            if (agreement.pixelIndex(x, r + j) == 0)
                strip.setPixel(x * 447 / 450, j, black);
    return strip;
}

// Compares pictures pixel by pixel and names the first difference.
bool samePixels(const QImage &actual, const QImage &expected, QString *why)
{
    if (actual.size() != expected.size()) {
        *why = QStringLiteral("size %1x%2, expected %3x%4")
                   .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
        return false;
    }
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if ((actual.pixel(x, y) | 0xFF000000u) != (expected.pixel(x, y) | 0xFF000000u)) {
                *why = QStringLiteral("pixel (%1, %2) is %3, expected %4")
                           .arg(x).arg(y)
                           .arg(actual.pixel(x, y), 8, 16, QLatin1Char('0'))
                           .arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'));
                return false;
            }
    return true;
}

#define COMPARE_PIXELS(actual, expected)                                                                               \
    do {                                                                                                               \
        QString why_;                                                                                                  \
        QVERIFY2(samePixels((actual), (expected), &why_), qPrintable(why_));                                           \
    } while (false)

QImage whiteMono(int width, int height)
{
    QImage picture(width, height, QImage::Format_Mono);
    picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    picture.fill(1);
    return picture;
}

QStyleOptionSlider scrollBarOption(const QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

// Records the paint events a widget receives, and the area they covered.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget *widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

class TestLicenceForm : public QObject {
    Q_OBJECT
private slots:
    void fontsExist();
    void agreementPicture();
    void windowLayout();
    void firstStripAfterCreation();
    void stripForPosition_data();
    void stripForPosition();
    void narrowingBlackWins();
    void reopeningKeepsTheStrip_data();
    void reopeningKeepsTheStrip();
    void keyboardSteps();
    void keysThatClose_data();
    void keysThatClose();
    void mouseSteps();
    void pictureRepaintsAfterAScroll();
    void screenReadersGetTheText();
    void focusShows_data();
    void focusShows();
};

void TestLicenceForm::fontsExist()
{
    QVERIFY(!QFontInfo(gridora::dialogs::dialogFont()).family().isEmpty());
    QCOMPARE(QFontInfo(gridora::dialogs::dialogFont()).pixelSize(), 13);
    QCOMPARE(QFontInfo(gridora::dialogs::labelFont(11, false)).family(), QStringLiteral("Liberation Sans"));
}

void TestLicenceForm::agreementPicture()
{
    const LicenceViewer form;
    const QImage &picture = form.agreementPicture();
    QCOMPARE(picture.size(), QSize(450, 1400));
    QCOMPARE(picture.format(), QImage::Format_Mono);
    QCOMPARE(picture.depth(), 1);
    const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QCOMPARE(picture.colorTable(), palette);

    int firstInk = -1, lastInk = -1, leftInk = 450, rightInk = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelIndex(x, y) == 0) {
                if (firstInk < 0)
                    firstInk = y;
                lastInk = y;
                leftInk = std::min(leftInk, x);
                rightInk = std::max(rightInk, x);
            }
    QVERIFY2(firstInk >= 0, "the agreement picture has no text");
    QCOMPARE(firstInk, 3);
    QVERIFY2(lastInk <= 1388, qPrintable(QStringLiteral("ink down to row %1").arg(lastInk)));
    // The text runs down the whole page and across it, not in one corner.
    QVERIFY2(lastInk > 1300, qPrintable(QStringLiteral("ink ends at row %1").arg(lastInk)));
    QVERIFY(rightInk - leftInk > 300);
}

void TestLicenceForm::windowLayout()
{
    LicenceViewer form;
    QCOMPARE(form.windowTitle(), QStringLiteral("License Agreement"));
    QCOMPARE(form.size(), QSize(488, 287));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(QFontInfo(form.font()).pixelSize(), 13);

    QCOMPARE(form.agreementGroup->title(), QStringLiteral("Agreement"));
    QCOMPARE(form.agreementGroup->geometry(), QRect(8, 8, 473, 233));
    QCOMPARE(form.stripView->parentWidget(), form.agreementGroup);
    QCOMPARE(form.stripView->geometry(), QRect(2, 14, 447, 215));
    QCOMPARE(form.scrollBar->parentWidget(), form.agreementGroup);
    QCOMPARE(form.scrollBar->geometry(), QRect(451, 8, 18, 225));
    QCOMPARE(form.scrollBar->orientation(), Qt::Vertical);
    QCOMPARE(form.okButton->text(), QStringLiteral("&Ok"));
    QCOMPARE(form.okButton->geometry(), QRect(184, 248, 89, 33));

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect screen = form.screen()->availableGeometry();
    const QPoint off = form.frameGeometry().center() - screen.center();
    QVERIFY2(off.manhattanLength() <= 2, "the viewer is not centred on the screen");
}

void TestLicenceForm::firstStripAfterCreation()
{
    const LicenceViewer form;
    QCOMPARE(form.scrollBar->minimum(), 0);
    QCOMPARE(form.scrollBar->maximum(), 100);
    QCOMPARE(form.scrollBar->value(), 0);
    QCOMPARE(form.scrollBar->singleStep(), 1);
    QCOMPARE(form.scrollBar->pageStep(), 1);
    QCOMPARE(form.windowPicture().size(), QSize(447, 215));
    COMPARE_PIXELS(form.windowPicture(), expectedStrip(form.agreementPicture(), 0));
    // And the widget shows that picture.
    COMPARE_PIXELS(form.stripView->grab().toImage(), form.windowPicture());
}

void TestLicenceForm::stripForPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("firstRow");
    QTest::newRow("top") << 0 << 0;
    QTest::newRow("one step") << 1 << 11;
    QTest::newRow("two steps") << 2 << 23;
    QTest::newRow("whole 20") << 20 << 237;
    QTest::newRow("whole 40") << 40 << 474;
    QTest::newRow("middle") << 50 << 592;
    QTest::newRow("one short of the end") << 99 << 1173;
    QTest::newRow("bottom") << 100 << 1185;
}

void TestLicenceForm::stripForPosition()
{
    QFETCH(int, position);
    QFETCH(int, firstRow);
    QCOMPARE(LicenceViewer::stripOffset(position), firstRow);

    LicenceViewer form;
    // Start elsewhere so that every row is a change of position.
    form.scrollBar->setValue(position == 30 ? 31 : 30);
    form.scrollBar->setValue(position);
    COMPARE_PIXELS(form.windowPicture(), expectedStrip(form.agreementPicture(), firstRow));
    COMPARE_PIXELS(form.stripView->grab().toImage(), form.windowPicture());
}

void TestLicenceForm::narrowingBlackWins()
{
    // A synthetic agreement with lone black pixels where the 450 columns
    // merge into 447 (0+1 -> 0, 150+151 -> 149, 300+301 -> 298), next to
    // the merges, at the far corner, and just outside the strip.
    const int r = 237;
    QImage agreement = whiteMono(450, 1400);
    const std::vector<std::pair<QPoint, QPoint>> blackPixels = {
        // source (column, row within the strip) -> window pixel
        {{1, 0}, {0, 0}},       // second of a merged pair
        {{0, 1}, {0, 1}},       // first of a merged pair
        {{150, 2}, {149, 2}},
        {{151, 3}, {149, 3}},
        {{300, 4}, {298, 4}},
        {{301, 5}, {298, 5}},
        {{2, 6}, {1, 6}},       // one to one between the merges
        {{149, 7}, {148, 7}},
        {{152, 8}, {150, 8}},
        {{302, 9}, {299, 9}},
        {{0, 10}, {0, 10}},     // both of a merged pair: one black pixel
        {{1, 10}, {0, 10}},
        {{449, 214}, {446, 214}},
        {{200, 100}, {198, 100}},
    };
    QImage expected(447, 215, QImage::Format_RGB32);
    expected.fill(white);
    for (const auto &[source, window] : blackPixels) {
        agreement.setPixel(source.x(), r + source.y(), 0);
        expected.setPixel(window, black);
    }
    // Rows just above and below the strip must not show.
    agreement.setPixel(5, r - 1, 0);
    agreement.setPixel(5, r + 215, 0);

    gridora::dialogs::PictureSurface source(agreement);
    gridora::ImageSurface window(447, 215);
    gridora::TCanvas sourceCanvas(&source);
    gridora::TCanvas windowCanvas(&window);
    gridora::dialogs::copyStrip(windowCanvas, sourceCanvas, r);
    COMPARE_PIXELS(window.image(), expected);

    // A later copy replaces the whole window: nothing of the first stays.
    gridora::dialogs::copyStrip(windowCanvas, sourceCanvas, 1185);
    QImage blank(447, 215, QImage::Format_RGB32);
    blank.fill(white);
    COMPARE_PIXELS(window.image(), blank);
}

void TestLicenceForm::reopeningKeepsTheStrip_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<int>("result");
    QTest::newRow("Ok button") << true << 1;
    QTest::newRow("close box") << false << int(QDialog::Rejected);
}

void TestLicenceForm::reopeningKeepsTheStrip()
{
    QFETCH(bool, byOk);
    QFETCH(int, result);
    LicenceViewer form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.scrollBar->setValue(40);
    if (byOk)
        form.okButton->click();
    else
        form.close();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), result);

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.scrollBar->value(), 40);
    COMPARE_PIXELS(form.windowPicture(), expectedStrip(form.agreementPicture(), 474));
}

void TestLicenceForm::keyboardSteps()
{
    LicenceViewer form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // The scroll bar is first in the tab order and has the focus.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form.scrollBar));

    const std::vector<std::pair<Qt::Key, int>> keys = {
        {Qt::Key_Down, 1},   {Qt::Key_Down, 2},   {Qt::Key_PageDown, 3}, {Qt::Key_Right, 4},
        {Qt::Key_Up, 3},     {Qt::Key_Left, 2},   {Qt::Key_PageUp, 1},   {Qt::Key_End, 100},
        {Qt::Key_Down, 100}, {Qt::Key_Up, 99},    {Qt::Key_Home, 0},     {Qt::Key_Up, 0},
    };
    for (const auto &[key, value] : keys) {
        QTest::keyClick(form.scrollBar, key);
        QCOMPARE(form.scrollBar->value(), value);
    }
    form.scrollBar->setValue(99);
    COMPARE_PIXELS(form.windowPicture(), expectedStrip(form.agreementPicture(), 1173));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form.okButton));
}

// Return is "&Ok" wherever the focus is; Escape is the close box.
void TestLicenceForm::keysThatClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Return") << int(Qt::Key_Return) << 1;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << 1;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void TestLicenceForm::keysThatClose()
{
    QFETCH(int, key);
    QFETCH(int, result);
    LicenceViewer form;
    QTimer::singleShot(0, &form, [&form, key] {
        QTest::keyClick(form.scrollBar, Qt::Key_Down);
        QTest::keyClick(form.scrollBar, Qt::Key(key));
    });
    QTimer::singleShot(5000, &form, [&form] { form.done(99); }); // the key did nothing
    QCOMPARE(form.exec(), result);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.scrollBar->value(), 1);
}

void TestLicenceForm::mouseSteps()
{
    LicenceViewer form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QScrollBar *bar = form.scrollBar;
    QStyle *style = bar->style();

    QStyleOptionSlider option = scrollBarOption(bar);
    const QRect down = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
    QVERIFY(!down.isEmpty());
    QTest::mouseClick(bar, Qt::LeftButton, {}, down.center());
    QCOMPARE(bar->value(), 1);

    option = scrollBarOption(bar);
    const QRect page = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddPage, bar);
    QVERIFY(!page.isEmpty());
    QTest::mouseClick(bar, Qt::LeftButton, {}, page.center());
    QCOMPARE(bar->value(), 2);
    COMPARE_PIXELS(form.windowPicture(), expectedStrip(form.agreementPicture(), 23));

    option = scrollBarOption(bar);
    const QRect up = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, up.center());
    QCOMPARE(bar->value(), 1);
}

// A move of the scroll bar must reach the screen: the strip is copied into the
// window picture, and the picture box has to be painted again with it. Paint
// events are counted as the window system delivers them; grab() would paint
// the box anyway and hide a missing repaint.
void TestLicenceForm::pictureRepaintsAfterAScroll()
{
    LicenceViewer form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCoreApplication::processEvents();
    PaintRecorder stripView(form.stripView);

    QTest::keyClick(form.scrollBar, Qt::Key_PageDown);
    QCOMPARE(form.scrollBar->value(), 1);
    QTRY_VERIFY2_WITH_TIMEOUT((QRegion(form.stripView->rect()) - stripView.painted).isEmpty(),
                              "the new strip was never painted over the whole picture", 5000);
}

// A screen reader is given the words the picture shows: the whole licence
// file the picture is rendered from.
void TestLicenceForm::screenReadersGetTheText()
{
    QFile file(QStringLiteral(GRIDORA_LICENSE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString licence = QString::fromUtf8(file.readAll());
    QVERIFY(!licence.isEmpty());

    const LicenceViewer form;
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(form.stripView);
    QVERIFY(view);
    QCOMPARE(view->role(), QAccessible::Document);
    QCOMPARE(view->text(QAccessible::Name), QStringLiteral("License Agreement"));
    QVERIFY(view->state().readOnly);
    QAccessibleTextInterface *text = view->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), static_cast<int>(licence.size()));
    QCOMPARE(text->text(0, text->characterCount()), licence);
    QCOMPARE(text->text(20, 45), licence.mid(20, 25));
    QCOMPARE(text->selectionCount(), 0);
}

// The keyboard user sees which control the keys go to.
void TestLicenceForm::focusShows_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("scroll bar") << QStringLiteral("scrollBar");
    QTest::newRow("Ok button") << QStringLiteral("okButton");
}

void TestLicenceForm::focusShows()
{
    QFETCH(QString, control);
    LicenceViewer form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *shown = form.findChild<QWidget *>(control);
    QVERIFY(shown);
    checkFocusShows(shown);
}

QTEST_MAIN(TestLicenceForm)
#include "test_licenseform.moc"
