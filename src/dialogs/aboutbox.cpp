#include "aboutbox.h"

#include "dialog_widgets.h"
#include "licenseform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <QWindow>

using gridora::dialogs::ClickLabel;
using gridora::dialogs::ColourPanel;

namespace {

const QColor frameColour(169, 150, 109); // khaki brown
const QColor innerColour(254, 253, 199); // the main window's pale yellow
const QColor navy(0, 0, 128);
const QColor hoverBlue(0, 0, 255);

constexpr int tickInterval = 200; // milliseconds
constexpr int selfCloseTick = 20; // 4 seconds
constexpr int selfClosedValue = 10;

const char *const commentText = QT_TRANSLATE_NOOP(
    "AboutBox",
    "Gridora is free software under the MIT licence. Print as many sheets as "
    "your classes need, and copy, change or share the program, as long as the "
    "copyright notice and the licence go with it. It comes with no warranty of "
    "any kind: see the licence agreement below.");

} // namespace

AboutBox::AboutBox(LicenceViewer *licence, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      licence_(licence)
{
    using namespace gridora::dialogs;

    setObjectName(QStringLiteral("aboutBox"));
    setFixedSize(449, 285);
    setFont(dialogFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto *frame = new ColourPanel(frameColour, ColourPanel::Edge::Sunken, this);
    frame->setObjectName(QStringLiteral("framePanel"));
    frame->setGeometry(0, 0, 449, 285);
    framePanel = frame;

    // The inner panel lies 6 pixels inside the frame's client area, which
    // begins inside the 2-pixel sunken edge.
    auto *inner = new ColourPanel(innerColour, ColourPanel::Edge::None, frame);
    inner->setObjectName(QStringLiteral("innerPanel"));
    inner->setGeometry(frame->edgeWidth() + 6, frame->edgeWidth() + 6, 433, 269);
    innerPanel = inner;

    // Labels are transparent (Qt's default) and sized to their text unless
    // given a size.
    auto label = [inner](const char *name, int left, int top, const QString &text, const QFont &font) {
        auto *item = new ClickLabel(inner);
        item->setObjectName(QString::fromLatin1(name));
        item->setFont(font);
        item->setText(text);
        item->setTextFormat(Qt::PlainText);
        item->move(left, top);
        item->adjustSize();
        return item;
    };

    auto *product = label("productLabel", 8, 8, QString(), labelFont(11, true));
    auto *version = label("versionLabel", 360, 8, QString(), labelFont(11, false));
    auto *heading = label("commentsHeading", 8, 104, tr("Comments:"), labelFont(11, true));
    auto *paragraph = label("commentsText", 8, 120, tr(commentText), labelFont(11, false));
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paragraph->setFixedSize(244, 89);
    auto *presenter = label("presentedByLabel", 256, 108, tr("Presented by:"), labelFont(12, true));
    setTextColour(presenter, Qt::black);

    auto *picture = new ClickLabel(inner);
    picture->setObjectName(QStringLiteral("logo"));
    picture->setGeometry(256, 125, 171, 84);
    picture->setPixmap(QPixmap::fromImage(QImage(QStringLiteral(":/gridora/gridora-logo.png"))
                                              .convertToFormat(QImage::Format_RGB32)));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setCursor(Qt::PointingHandCursor);

    auto *moreInfo = label("moreInfoLabel", 8, 207, tr("For more info visit:"), labelFont(13, true));
    auto *url = label("userGuideLink", 136, 207, tr("Gridora user guide"), labelFont(13, true, true));
    setTextColour(url, navy);
    url->setCursor(Qt::PointingHandCursor);
    auto *agreement = label("licenceLink", 8, 241, tr("View License Agreement"), dialogFont());
    agreement->setCursor(Qt::PointingHandCursor);
    auto *notice = label("copyrightNotice", 178, 243, tr("\u00A9 2026 The Gridora developers"),
                         labelFont(11, true));

    productLabel = product;
    versionLabel = version;
    commentsHeading = heading;
    commentsText = paragraph;
    presentedByLabel = presenter;
    logo = picture;
    moreInfoLabel = moreInfo;
    userGuideLink = url;
    licenceLink = agreement;
    copyrightNotice = notice;

    closeTimer = new QTimer(this);
    closeTimer->setObjectName(QStringLiteral("closeTimer"));
    closeTimer->setInterval(tickInterval);
    connect(closeTimer, &QTimer::timeout, this, &AboutBox::tick);

    // A click on the panels or on a plain label closes the box.
    for (ColourPanel *panel : {frame, inner})
        connect(panel, &ColourPanel::clicked, this, &AboutBox::closeByClick);
    for (ClickLabel *item : {presenter, heading, paragraph, moreInfo, notice})
        connect(item, &ClickLabel::clicked, this, &AboutBox::closeByClick);
    // The product and version lines take their clicks and do nothing.

    for (ClickLabel *item : {url, picture})
        connect(item, &ClickLabel::clicked, this, &AboutBox::openUserGuide);
    connect(agreement, &ClickLabel::clicked, this, &AboutBox::openLicenceViewer);

    // Tab reaches the links in reading order; the box itself keeps the focus
    // when it shows, so that Return does what a click on the box does.
    url->makeKeyboardLink(tr("Open the Gridora user guide"));
    picture->makeKeyboardLink(tr("Gridora logo: open the user guide"));
    agreement->makeKeyboardLink(tr("View License Agreement"));
    setTabOrder(url, picture);
    setTabOrder(picture, agreement);
    setFocusPolicy(Qt::StrongFocus);

    for (ClickLabel *item : {url, agreement}) {
        connect(item, &ClickLabel::entered, this, [this, item] { highlightLink(item); });
        connect(item, &ClickLabel::left, this, [this, item] { unhighlightLink(item); });
    }
}

AboutBox::~AboutBox() = default;

void AboutBox::setProduct(const QString &name, const QString &version)
{
    productLabel->setText(tr("Product Name: %1").arg(name));
    versionLabel->setText(tr("Version: %1").arg(version));
    productLabel->adjustSize();
    versionLabel->adjustSize();
}

bool AboutBox::timerActive() const
{
    return closeTimer->isActive();
}

void AboutBox::showEvent(QShowEvent *event)
{
    // A showing, not the window manager restoring a minimised or covered box.
    if (!event->spontaneous()) {
        // The main window may have changed these texts since the last showing.
        productLabel->adjustSize();
        versionLabel->adjustSize();
        gridora::dialogs::centreOnScreen(this);
        restartCountdown();
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        setFocus(Qt::OtherFocusReason);
}

void AboutBox::keyPressEvent(QKeyEvent *event)
{
    // Return closes the box as a click on it does; Escape is the close box,
    // which Qt's dialog already makes of it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        closeByClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutBox::restartCountdown()
{
    tickCount_ = 0;
    if (selfClosedMark_ == 0)
        closeTimer->start();
}

void AboutBox::tick()
{
    ++tickCount_;
    if (tickCount_ == selfCloseTick) {
        closeTimer->stop();
        selfClosedMark_ = selfClosedValue;
        closeByClick();
    }
}

void AboutBox::closeByClick()
{
    closeTimer->stop();
    closeWithResult(1);
}

void AboutBox::closeWithResult(int result)
{
    // While the licence viewer's modal loop runs on top, the box keeps its
    // place under it: the result is set now and the box closes when the
    // viewer does.
    if (licenceOpen_) {
        setResult(result);
        closePending_ = true;
        return;
    }
    done(result);
}

QString AboutBox::userGuidePath()
{
    const QString relative = QStringLiteral("share/doc/gridora/user-guide.html");
    QDir dir(QCoreApplication::applicationDirPath());
    for (int up = 0; up < 4; ++up) {
        if (!dir.cdUp())
            break;
        const QFileInfo guide(dir.filePath(relative));
        if (guide.isFile())
            return guide.absoluteFilePath();
    }
    return {};
}

void AboutBox::openUserGuide()
{
    const QString guide = userGuidePath();
    if (guide.isEmpty())
        return;
    // Whatever the desktop makes of it, the box shows nothing and stays open.
    QDesktopServices::openUrl(QUrl::fromLocalFile(guide));
}

void AboutBox::highlightLink(QLabel *label)
{
    gridora::dialogs::setTextColour(label, hoverBlue);
}

void AboutBox::unhighlightLink(QLabel *label)
{
    gridora::dialogs::setTextColour(label, Qt::black);
}

void AboutBox::openLicenceViewer()
{
    if (!licence_ || licence_->isVisible())
        return;
    // Keep the viewer above the box: the box stays on top of other windows,
    // and a transient child is stacked over its parent.
    if (QWindow *box = windowHandle()) {
        licence_->winId();
        if (QWindow *viewer = licence_->windowHandle())
            viewer->setTransientParent(box);
    }
    const QPointer<AboutBox> self(this);
    licenceOpen_ = true;
    licence_->exec(); // its result does not matter
    if (!self)
        return;
    licenceOpen_ = false;
    if (closePending_) {
        closePending_ = false;
        done(result());
    }
}
