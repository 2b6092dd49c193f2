// The About box: its layout, the tick count and self-closed mark driven tick
// by tick, the clicks that close it and those that do not, the links and the
// licence viewer on top.

#include "aboutbox.h"
#include "dialog_widgets.h"
#include "focus_shows.h"
#include "gridora_version.h"
#include "kinds.h"
#include "licenseform.h"
#include "print_messages.h"
#include "printer.h"
#include "test_language.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <memory>

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The box as the main window prepares it. Its timer is slowed to an hour so
// that only the ticks a test drives by hand ever arrive, unless a test asks
// for the real one.
enum class TimerSpeed { Slowed, Real };

struct Boxes {
    LicenceViewer licence;
    AboutBox box{&licence};

    explicit Boxes(TimerSpeed speed = TimerSpeed::Slowed)
    {
        box.setWindowTitle(QStringLiteral("Gridora"));
        box.setProduct(QStringLiteral("Gridora"), QLatin1String(gridora::kVersion));
        if (speed == TimerSpeed::Slowed)
            box.closeTimer->setInterval(3600 * 1000);
    }

    void tick(int count)
    {
        for (int i = 0; i < count; ++i)
            box.tick();
    }

    /// The box shown modally, closed with result 99 (which no test expects)
    /// if it is still open after `safetyMs`: a fault fails the test instead
    /// of hanging it.
    int exec(int safetyMs = 10000)
    {
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, &box, [this] {
            licence.close();
            box.done(99);
        });
        safety.start(safetyMs);
        return box.exec();
    }
};

QWidget *item(AboutBox &box, const QString &name)
{
    return box.findChild<QWidget *>(name);
}

// Where a click on an item lands: its middle, or for the panels a spot where
// none of their items lie.
QPoint clickPoint(const QString &name, const QWidget *widget)
{
    if (name == QLatin1String("framePanel"))
        return {4, 4}; // the khaki band
    if (name == QLatin1String("innerPanel"))
        return {300, 60};
    return widget->rect().center();
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestLanguage(); }
    void windowLayout();
    void itemFonts_data();
    void itemFonts();
    void everyItemIsSeenWhole();
    void panelColours();
    void logo();

    void firstShowingClosesItselfAtTick20();
    void modalLoopEndsWithResult1_data();
    void modalLoopEndsWithResult1();
    void realTimerClosesTheBoxAfterFourSeconds();
    void afterSelfCloseLaterShowingsStayOpen();
    void clickAwayKeepsTheMarkAtZero();
    void closeBoxLeavesTheTimerRunning();
    void showingWithinFourSecondsRestartsTheCount();

    void clicksThatClose_data();
    void clicksThatClose();
    void productAndVersionClicksDoNothing_data();
    void productAndVersionClicksDoNothing();
    void linksOpenTheUserGuide_data();
    void linksOpenTheUserGuide();
    void userGuideIsComplete();
    void userGuidePicturesLieBesideIt();
    void userGuideExplainsThePrintErrors_data();
    void userGuideExplainsThePrintErrors();
    void hoverColours_data();
    void hoverColours();

    void licenceViewerOpensOnTop();
    void tick20WhileViewerOpenClosesAfterIt();

    void keysThatClose_data();
    void keysThatClose();
    void tabFollowsTheLinks();
    void focusShowsOnTheLinks_data();
    void focusShowsOnTheLinks();
    void returnOnTheLicenceLinkOpensTheViewer();
};

void TestAboutBox::windowLayout()
{
    LicenceViewer licence;
    const AboutBox fresh(&licence);
    QVERIFY(!fresh.isVisible());
    QVERIFY(!fresh.timerActive());
    QCOMPARE(fresh.closeTimer->interval(), 200);
    QCOMPARE(fresh.tickCount(), 0);
    QCOMPARE(fresh.selfClosedMark(), 0);
    QVERIFY(fresh.windowTitle().isEmpty());
    QVERIFY(fresh.productLabel->text().isEmpty());
    QVERIFY(fresh.versionLabel->text().isEmpty());

    Boxes b;
    QCOMPARE(b.box.size(), QSize(449, 285));
    QCOMPARE(b.box.minimumSize(), b.box.maximumSize());
    QVERIFY(b.box.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(b.box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(b.box.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(QFontInfo(b.box.font()).pixelSize(), 13);

    b.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.box));
    const QPoint off = b.box.frameGeometry().center() - b.box.screen()->availableGeometry().center();
    QVERIFY2(off.manhattanLength() <= 2, "the box is not centred on the screen");
    QCOMPARE(b.box.framePanel->geometry(), b.box.rect());
}

void TestAboutBox::itemFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("liberation"); // else the dialog's own font
    QTest::addColumn<QColor>("colour");   // invalid: the palette's window text

    const QColor windowText;
    QTest::newRow("product") << "productLabel" << 11 << true << false << true << windowText;
    QTest::newRow("version") << "versionLabel" << 11 << false << false << true << windowText;
    QTest::newRow("Comments:") << "commentsHeading" << 11 << true << false << true << windowText;
    QTest::newRow("comments") << "commentsText" << 11 << false << false << true << windowText;
    QTest::newRow("Presented by:") << "presentedByLabel" << 12 << true << false << true << QColor(Qt::black);
    QTest::newRow("more info") << "moreInfoLabel" << 13 << true << false << true << windowText;
    QTest::newRow("user guide") << "userGuideLink" << 13 << true << true << true << QColor(0, 0, 128);
    QTest::newRow("licence") << "licenceLink" << 13 << false << false << false << windowText;
    QTest::newRow("notice") << "copyrightNotice" << 11 << true << false << true << windowText;
}

void TestAboutBox::itemFonts()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(bool, liberation);
    QFETCH(QColor, colour);

    Boxes b;
    b.box.show();
    auto *label = qobject_cast<QLabel *>(item(b.box, name));
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), b.box.innerPanel);
    QVERIFY(!label->autoFillBackground()); // transparent over innerPanel
    const QFontInfo font(label->font());
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    if (liberation)
        QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    else
        QCOMPARE(label->font(), b.box.font());
    const QColor expected = colour.isValid() ? colour : b.box.palette().color(QPalette::WindowText);
    QCOMPARE(label->palette().color(QPalette::WindowText), expected);
}

// Everything the box shows is there whole: each text fits its label in the
// label's own font (the comment paragraph wrapped), each label and the logo
// lie inside the pale panel inside the box, and no text or picture runs into
// another or lies under another item.
void TestAboutBox::everyItemIsSeenWhole()
{
    Boxes b;
    b.box.show();
    QWidget *panel = b.box.innerPanel;
    QVERIFY(b.box.rect().contains(QRect(panel->mapTo(&b.box, QPoint(0, 0)), panel->size())));
    QList<QPair<QLabel *, QRect>> shown; // each item with where its text or picture lies in the panel
    for (QLabel *item : panel->findChildren<QLabel *>()) {
        const QByteArray bytes = item->objectName().toLatin1();
        const char *name = bytes.constData();
        QVERIFY2(item->isVisible() && panel->rect().contains(item->geometry()), name);
        QSize needed = item->pixmap().deviceIndependentSize().toSize();
        if (needed.isEmpty()) {
            QVERIFY2(!item->text().isEmpty(), name);
            const QFontMetrics metrics(item->font());
            needed =
                item->wordWrap()
                    ? metrics.boundingRect(QRect(0, 0, item->width(), 10000), Qt::TextWordWrap, item->text()).size()
                    : QSize(metrics.horizontalAdvance(item->text()), metrics.height());
        }
        QVERIFY2(needed.width() <= item->width() && needed.height() <= item->height(), name);
        const QRect area(item->pos(), needed);
        for (const QPoint at : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight(), area.center()})
            QVERIFY2(panel->childAt(at) == item, name);
        shown.append({item, area});
    }
    QCOMPARE(shown.size(), 10);
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            QVERIFY2(!shown[i].second.intersects(shown[j].second),
                     qPrintable(shown[i].first->objectName() + " runs into " + shown[j].first->objectName()));
}

void TestAboutBox::panelColours()
{
    Boxes b;
    b.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.box));
    const QImage picture = b.box.grab().toImage();
    QCOMPARE(picture.size(), QSize(449, 285));
    const QColor khaki(169, 150, 109), paleYellow(254, 253, 199);
    // The 5-pixel band lies inside the 2-pixel edge and the 1-pixel bevel.
    for (const QPoint at : {QPoint(3, 3), QPoint(7, 140), QPoint(224, 280), QPoint(445, 100)})
        QCOMPARE(picture.pixelColor(at), khaki);
    QVERIFY(picture.pixelColor(0, 0) != khaki);
    QVERIFY(picture.pixelColor(2, 2) != khaki); // the raised bevel
    for (const QPoint at : {QPoint(10, 10 + 40), QPoint(308, 68), QPoint(430, 270)})
        QCOMPARE(picture.pixelColor(at), paleYellow);
}

void TestAboutBox::logo()
{
    Boxes b;
    const QImage resource(QStringLiteral(":/gridora/gridora-logo.png"));
    QCOMPARE(resource.size(), QSize(171, 84));
    const QImage shown = b.box.logo->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(171, 84));
    QCOMPARE(shown.depth(), 32);
    QCOMPARE(shown.pixel(85, 42), resource.convertToFormat(QImage::Format_RGB32).pixel(85, 42));
}

void TestAboutBox::firstShowingClosesItselfAtTick20()
{
    Boxes b;
    b.box.show();
    QVERIFY(b.box.timerActive());
    QCOMPARE(b.box.tickCount(), 0);
    for (int tick = 1; tick < 20; ++tick) {
        b.box.tick();
        QCOMPARE(b.box.tickCount(), tick);
        QVERIFY(b.box.isVisible());
        QVERIFY(b.box.timerActive());
        QCOMPARE(b.box.selfClosedMark(), 0);
    }
    b.box.tick();
    QVERIFY(!b.box.isVisible());
    QCOMPARE(b.box.result(), 1);
    QCOMPARE(b.box.selfClosedMark(), 10);
    QVERIFY(!b.box.timerActive());
}

void TestAboutBox::modalLoopEndsWithResult1_data()
{
    QTest::addColumn<bool>("byTimer");
    QTest::newRow("20th tick") << true;
    QTest::newRow("click") << false;
}

void TestAboutBox::modalLoopEndsWithResult1()
{
    QFETCH(bool, byTimer);
    Boxes b;
    QTimer::singleShot(0, &b.box, [&b, byTimer] {
        if (byTimer)
            b.tick(20);
        else
            QTest::mouseClick(b.box.presentedByLabel, Qt::LeftButton);
    });
    QCOMPARE(b.exec(), 1);
    QVERIFY(!b.box.timerActive());
    QCOMPARE(b.box.selfClosedMark(), byTimer ? 10 : 0);
}

// The box's own timer, not ticks by hand: 20 ticks of 200 ms.
void TestAboutBox::realTimerClosesTheBoxAfterFourSeconds()
{
    Boxes b(TimerSpeed::Real);
    QElapsedTimer shown;
    shown.start();
    QCOMPARE(b.exec(30000), 1);
    QVERIFY2(shown.elapsed() >= 3900, qPrintable(QString::number(shown.elapsed())));
    QCOMPARE(b.box.selfClosedMark(), 10);
}

void TestAboutBox::afterSelfCloseLaterShowingsStayOpen()
{
    Boxes b;
    b.box.show();
    b.tick(20);
    QVERIFY(!b.box.isVisible());
    for (int showing = 0; showing < 2; ++showing) {
        b.box.show();
        QCOMPARE(b.box.tickCount(), 0);
        QVERIFY(!b.box.timerActive());
        QCoreApplication::processEvents();
        QVERIFY(b.box.isVisible());
        QCOMPARE(b.box.selfClosedMark(), 10);
        QTest::mouseClick(b.box.commentsHeading, Qt::LeftButton);
        QVERIFY(!b.box.isVisible());
    }
}

void TestAboutBox::clickAwayKeepsTheMarkAtZero()
{
    Boxes b;
    b.box.show();
    b.tick(5);
    QTest::mouseClick(b.box.commentsHeading, Qt::LeftButton);
    QVERIFY(!b.box.isVisible());
    QCOMPARE(b.box.result(), 1);
    QVERIFY(!b.box.timerActive());
    QCOMPARE(b.box.selfClosedMark(), 0);

    // The next showing closes itself again, 20 ticks after it.
    b.box.show();
    QCOMPARE(b.box.tickCount(), 0);
    QVERIFY(b.box.timerActive());
    b.tick(19);
    QVERIFY(b.box.isVisible());
    b.tick(1);
    QVERIFY(!b.box.isVisible());
    QCOMPARE(b.box.selfClosedMark(), 10);
}

void TestAboutBox::closeBoxLeavesTheTimerRunning()
{
    Boxes b;
    b.box.show();
    b.tick(5);
    QVERIFY(b.box.close());
    QVERIFY(!b.box.isVisible());
    QCOMPARE(b.box.result(), int(QDialog::Rejected));
    QVERIFY(b.box.timerActive());
    QCOMPARE(b.box.selfClosedMark(), 0);

    b.tick(14);
    QCOMPARE(b.box.tickCount(), 19);
    QVERIFY(b.box.timerActive());
    b.tick(1); // the 20th tick, while hidden
    QVERIFY(!b.box.timerActive());
    QCOMPARE(b.box.selfClosedMark(), 10);
    QVERIFY(!b.box.isVisible());

    // So the next showing stays open.
    b.box.show();
    QVERIFY(!b.box.timerActive());
    QVERIFY(b.box.isVisible());
}

void TestAboutBox::showingWithinFourSecondsRestartsTheCount()
{
    Boxes b;
    b.box.show();
    b.tick(5);
    b.box.close();
    b.tick(5);
    QCOMPARE(b.box.tickCount(), 10);

    b.box.show();
    QCOMPARE(b.box.tickCount(), 0);
    QVERIFY(b.box.timerActive());
    b.tick(19);
    QVERIFY(b.box.isVisible());
    QCOMPARE(b.box.selfClosedMark(), 0);
    b.tick(1);
    QVERIFY(!b.box.isVisible());
    QCOMPARE(b.box.result(), 1);
    QCOMPARE(b.box.selfClosedMark(), 10);
}

void TestAboutBox::clicksThatClose_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"framePanel", "innerPanel", "presentedByLabel", "commentsHeading", "commentsText",
                             "moreInfoLabel", "copyrightNotice"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestAboutBox::clicksThatClose()
{
    QFETCH(QString, name);
    Boxes b;
    b.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.box));
    b.tick(3);
    QWidget *target = item(b.box, name);
    QVERIFY(target);
    const QPoint at = clickPoint(name, target);
    // The click lands on the item itself, not on something above it.
    QCOMPARE(target->childAt(at), nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    QVERIFY(!b.box.isVisible());
    QCOMPARE(b.box.result(), 1);
    QVERIFY(!b.box.timerActive());
    QCOMPARE(b.box.selfClosedMark(), 0);
}

void TestAboutBox::productAndVersionClicksDoNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("product line") << QStringLiteral("productLabel");
    QTest::newRow("version line") << QStringLiteral("versionLabel");
}

void TestAboutBox::productAndVersionClicksDoNothing()
{
    QFETCH(QString, name);
    Boxes b;
    b.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.box));
    b.tick(3);
    QTest::mouseClick(item(b.box, name), Qt::LeftButton);
    QVERIFY(b.box.isVisible());
    QVERIFY(b.box.timerActive());
    QCOMPARE(b.box.tickCount(), 3);
}

void TestAboutBox::linksOpenTheUserGuide_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("web address") << QStringLiteral("userGuideLink");
    QTest::newRow("logo") << QStringLiteral("logo");
}

void TestAboutBox::linksOpenTheUserGuide()
{
    QFETCH(QString, name);
    const QString guide = AboutBox::userGuidePath();
    QVERIFY2(!guide.isEmpty(), "the build did not place share/doc/gridora/user-guide.html");

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    Boxes b;
    b.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.box));
    QTest::mouseClick(item(b.box, name), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(guide));
    QVERIFY(b.box.isVisible());
    QVERIFY(b.box.timerActive());
}

void TestAboutBox::userGuideIsComplete()
{
    QFile file(AboutBox::userGuidePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const char *topic : {"Print Setup", "Who", "velocity", "gridora-sheet", "--kind", "--decades",
                              "--velocity", "--name", "--sample", "--page", "--paper", "--landscape", "--dpi",
                              "--format", "-o FILE"})
        QVERIFY2(html.contains(QLatin1String(topic)), topic);
    // Every kind of the table by its name, and its id in gridora-sheet's synopsis.
    static const QRegularExpression synopsis(QStringLiteral("--kind ([a-z|]+)"));
    const QStringList ids = synopsis.match(html).captured(1).split(QLatin1Char('|'));
    for (const gridora::kinds::Kind &kind : gridora::kinds::all()) {
        const QString name = fromView(kind.name), id = fromView(kind.id);
        QVERIFY2(html.contains(QStringLiteral("<i>%1</i>").arg(name)), qPrintable(name));
        QVERIFY2(ids.contains(id), qPrintable(id));
    }
}

// The guide is opened from the build tree and from the installed copy alike,
// so every picture it shows must have been placed next to it.
void TestAboutBox::userGuidePicturesLieBesideIt()
{
    const QString guide = AboutBox::userGuidePath();
    QFile file(guide);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const QDir folder = QFileInfo(guide).dir();

    QStringList pictures;
    static const QRegularExpression img(QStringLiteral("<img\\s+src=\"([^\"]+)\""));
    for (auto match = img.globalMatch(html); match.hasNext();)
        pictures << match.next().captured(1);
    for (const gridora::kinds::Kind &kind : gridora::kinds::all()) {
        const QString sheet = QStringLiteral("images/sheet-%1.png").arg(fromView(kind.id));
        QVERIFY2(pictures.contains(sheet), qPrintable(sheet));
    }
    for (const QString &picture : pictures) {
        QVERIFY2(!picture.contains(QLatin1Char(':')) && !picture.startsWith(QLatin1Char('/')),
                 qPrintable(picture + " is not a path beside the guide"));
        const QImage image(folder.filePath(picture));
        QVERIFY2(!image.isNull(), qPrintable(picture + " is missing or unreadable beside the guide"));
    }
}

void TestAboutBox::userGuideExplainsThePrintErrors_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("no default printer") << QString::fromLatin1(gridora::kNoDefaultPrinter);
    QTest::newRow("printer not valid") << QString::fromLatin1(gridora::kPrinterNotValid);
    QTest::newRow("printing in progress") << QString::fromLatin1(gridora::kPrintingInProgress);
    QTest::newRow("print server down") << QString::fromLatin1(gridora::kPrintServerDown);
    // The guide writes the changing part in capitals, as the user reads it.
    QTest::newRow("queue stopped") << QString::fromStdString(gridora::queueStoppedText("NAME").english());
    QTest::newRow("queue rejecting") << QString::fromStdString(gridora::queueRejectingText("NAME").english());
    QTest::newRow("queue stopped, its reason") << QString::fromStdString(gridora::queueStoppedText("NAME", "REASON").english());
    QTest::newRow("queue rejecting, its reason")
        << QString::fromStdString(gridora::queueRejectingText("NAME", "REASON").english());
    QTest::newRow("print setup, server down") << QString::fromLatin1(gridora::kPrintSetupServerDown);
    QTest::newRow("page refused") << QString::fromStdString(gridora::pageRefusedText("REASON").english());
}

// Each text the program can show in its error box appears word for word in
// the guide's table of error messages.
void TestAboutBox::userGuideExplainsThePrintErrors()
{
    QFETCH(QString, message);
    QFile file(AboutBox::userGuidePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const qsizetype start = html.indexOf(QLatin1String("<section id=\"errors\">"));
    QVERIFY2(start >= 0, "the guide has no section id=\"errors\"");
    const qsizetype end = html.indexOf(QLatin1String("</section>"), start);
    QVERIFY(end > start);
    const QString table = html.mid(start, end - start);
    QVERIFY2(table.contains(QLatin1String("<td>") + message + QLatin1String("</td>")), qPrintable(message));
}

void TestAboutBox::hoverColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("web address") << QStringLiteral("userGuideLink");
    QTest::newRow("licence link") << QStringLiteral("licenceLink");
}

void TestAboutBox::hoverColours()
{
    QFETCH(QString, name);
    Boxes b;
    b.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.box));
    auto *label = qobject_cast<QLabel *>(item(b.box, name));
    QVERIFY(label);
    const QPoint outside = b.box.innerPanel->mapTo(&b.box, QPoint(300, 60));
    QTest::mouseMove(&b.box, outside);
    QTest::mouseMove(label, label->rect().center());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseMove(&b.box, outside);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QVERIFY(b.box.isVisible());
}

void TestAboutBox::licenceViewerOpensOnTop()
{
    Boxes b;
    b.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.box));
    bool checked = false;
    QTimer::singleShot(0, &b.licence, [&] {
        QVERIFY(b.licence.isVisible());
        QVERIFY(b.licence.isModal());
        QVERIFY(b.box.isVisible());
        QVERIFY(b.licence.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(b.licence.windowHandle());
        QCOMPARE(b.licence.windowHandle()->transientParent(), b.box.windowHandle());
        checked = true;
        b.licence.okButton->click();
    });
    QTest::mouseClick(b.box.licenceLink, Qt::LeftButton);
    QVERIFY(checked);
    QVERIFY(!b.licence.isVisible());
    QVERIFY(b.box.isVisible()); // back to the box
    QVERIFY(b.box.timerActive());
}

void TestAboutBox::tick20WhileViewerOpenClosesAfterIt()
{
    Boxes b;
    bool boxStayedUnder = false;
    QTimer::singleShot(0, &b.box, [&] {
        QTimer::singleShot(0, &b.licence, [&] {
            b.tick(20);
            boxStayedUnder = b.box.isVisible() && b.licence.isVisible() && b.box.result() == 1
                             && b.box.selfClosedMark() == 10 && !b.box.timerActive();
            b.licence.close();
        });
        QTest::mouseClick(b.box.licenceLink, Qt::LeftButton);
    });
    QCOMPARE(b.exec(), 1);
    QVERIFY(boxStayedUnder);
    QVERIFY(!b.box.isVisible());
}

QTEST_MAIN(TestAboutBox)
#include "test_aboutbox.moc"

// Return is a click on the box; Escape is its close box, which leaves the
// timer running.
void TestAboutBox::keysThatClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("timerRuns");
    QTest::newRow("Return") << int(Qt::Key_Return) << 1 << false;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << 1 << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected) << true;
}

void TestAboutBox::keysThatClose()
{
    QFETCH(int, key);
    QFETCH(int, result);
    QFETCH(bool, timerRuns);
    Boxes b;
    QTimer::singleShot(0, &b.box, [&b, key] {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &b.box, Qt::Key(key));
    });
    QTimer::singleShot(5000, &b.box, [&b] { b.box.done(99); }); // the key did nothing
    QCOMPARE(b.box.exec(), result);
    QCOMPARE(b.box.timerActive(), timerRuns);
    QCOMPARE(b.box.selfClosedMark(), 0);
}

void TestAboutBox::tabFollowsTheLinks()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    Boxes b;
    b.box.show();
    b.box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&b.box));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&b.box));
    QList<QWidget *> reached;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    QCOMPARE(reached, (QList<QWidget *>{b.box.userGuideLink, b.box.logo, b.box.licenceLink}));
    for (QWidget *link : std::as_const(reached))
        QVERIFY2(!link->accessibleName().isEmpty(), qPrintable(link->objectName()));

    b.box.userGuideLink->setFocus();
    QTest::keyClick(b.box.userGuideLink, Qt::Key_Return);
    b.box.logo->setFocus();
    QTest::keyClick(b.box.logo, Qt::Key_Space);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.urls.size(), 2);
    QVERIFY(b.box.isVisible());
}

// The keyboard user sees which link Return would follow.
void TestAboutBox::focusShowsOnTheLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("user guide") << QStringLiteral("userGuideLink");
    QTest::newRow("logo") << QStringLiteral("logo");
    QTest::newRow("licence") << QStringLiteral("licenceLink");
}

void TestAboutBox::focusShowsOnTheLinks()
{
    QFETCH(QString, link);
    Boxes b;
    b.box.show();
    b.box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&b.box));
    auto *shown = b.box.findChild<QWidget *>(link);
    QVERIFY(shown);
    checkFocusShows(shown);
}

void TestAboutBox::returnOnTheLicenceLinkOpensTheViewer()
{
    Boxes b;
    b.box.show();
    b.box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&b.box));
    bool opened = false;
    QTimer::singleShot(0, &b.licence, [&] {
        opened = b.licence.isVisible();
        // Return in the viewer is its "&Ok", wherever its focus is.
        QTest::keyClick(b.licence.scrollBar, Qt::Key_Return);
    });
    b.box.licenceLink->setFocus();
    QTest::keyClick(b.box.licenceLink, Qt::Key_Return);
    QVERIFY(opened);
    QVERIFY(!b.licence.isVisible());
    QCOMPARE(b.licence.result(), 1);
    QVERIFY(b.box.isVisible());
}
