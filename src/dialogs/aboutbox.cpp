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
using gridora::dialogs::Tpanel;

namespace {

const QColor panel1Colour(169, 150, 109); // khaki brown
const QColor panel2Colour(254, 253, 199); // the main window's pale yellow
const QColor navy(0, 0, 128);
const QColor hoverBlue(0, 0, 255);

constexpr int tickInterval = 200; // milliseconds
constexpr int selfCloseTick = 20; // 4 seconds
constexpr int selfClosedValue = 10;

const char *const commentText =
    "Gridora is free software under the MIT licence. Print as many sheets as "
    "your classes need, and copy, change or share the program, as long as the "
    "copyright notice and the licence go with it. It comes with no warranty of "
    "any kind: see the licence agreement below.";

} // namespace

Taboutboxp::Taboutboxp(Tlicensefrm *licence, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      licence_(licence)
{
    using namespace gridora::dialogs;

    setObjectName(QStringLiteral("Taboutboxp"));
    setFixedSize(449, 285);
    setFont(dialogFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto *panel1 = new Tpanel(panel1Colour, Tpanel::Edge::Sunken, this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(0, 0, 449, 285);
    Panel1 = panel1;

    // Panel2 lies 6 pixels inside Panel1's client area, which begins inside
    // the 2-pixel sunken edge.
    auto *panel2 = new Tpanel(panel2Colour, Tpanel::Edge::None, panel1);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(panel1->edgeWidth() + 6, panel1->edgeWidth() + 6, 433, 269);
    Panel2 = panel2;

    // Labels are transparent (Qt's default) and sized to their text unless
    // given a size.
    auto label = [panel2](const char *name, int left, int top, const QString &text, const QFont &font) {
        auto *item = new ClickLabel(panel2);
        item->setObjectName(QString::fromLatin1(name));
        item->setFont(font);
        item->setText(text);
        item->setTextFormat(Qt::PlainText);
        item->move(left, top);
        item->adjustSize();
        return item;
    };

    auto *productName = label("ProductName", 8, 8, QString(), labelFont(11, true));
    auto *version = label("Version", 360, 8, QString(), labelFont(11, false));
    auto *comments = label("Comments", 8, 104, QStringLiteral("Comments:"), labelFont(11, true));
    auto *label9 = label("Label9", 8, 120, QString::fromLatin1(commentText), labelFont(11, false));
    label9->setWordWrap(true);
    label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label9->setFixedSize(244, 89);
    auto *label5 = label("Label5", 256, 108, QStringLiteral("Presented by:"), labelFont(12, true));
    setTextColour(label5, Qt::black);

    auto *logo = new ClickLabel(panel2);
    logo->setObjectName(QStringLiteral("l2img"));
    logo->setGeometry(256, 125, 171, 84);
    logo->setPixmap(QPixmap::fromImage(QImage(QStringLiteral(":/gridora/gridora-logo.png"))
                                           .convertToFormat(QImage::Format_RGB32)));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setCursor(Qt::PointingHandCursor);

    auto *web = label("weblb", 8, 207, QStringLiteral("For more info visit:"), labelFont(13, true));
    auto *url = label("urllb", 136, 207, QStringLiteral("Gridora user guide"), labelFont(13, true, true));
    setTextColour(url, navy);
    url->setCursor(Qt::PointingHandCursor);
    auto *licenceLink = label("Licenselb", 8, 241, QStringLiteral("View License Agreement"), dialogFont());
    licenceLink->setCursor(Qt::PointingHandCursor);
    auto *notice = label("noticelb", 178, 243, QStringLiteral("\u00A9 2026 The Gridora developers"),
                         labelFont(11, true));

    ProductName = productName;
    Version = version;
    Comments = comments;
    Label9 = label9;
    Label5 = label5;
    l2img = logo;
    weblb = web;
    urllb = url;
    Licenselb = licenceLink;
    noticelb = notice;

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(tickInterval);
    connect(Timer1, &QTimer::timeout, this, &Taboutboxp::Timer1Timer);

    // Panel1Click: the panels and the plain labels close the box.
    for (Tpanel *panel : {panel1, panel2})
        connect(panel, &Tpanel::clicked, this, &Taboutboxp::Panel1Click);
    for (ClickLabel *item : {label5, comments, label9, web, notice})
        connect(item, &ClickLabel::clicked, this, &Taboutboxp::Panel1Click);
    // The product and version lines take their clicks and do nothing.

    for (ClickLabel *item : {url, logo})
        connect(item, &ClickLabel::clicked, this, &Taboutboxp::urllb2Click);
    connect(licenceLink, &ClickLabel::clicked, this, &Taboutboxp::LicenselbClick);

    // Tab reaches the links in reading order; the box itself keeps the focus
    // when it shows, so that Return does what a click on the box does.
    url->makeKeyboardLink(QStringLiteral("Open the Gridora user guide"));
    logo->makeKeyboardLink(QStringLiteral("Gridora logo: open the user guide"));
    licenceLink->makeKeyboardLink(QStringLiteral("View License Agreement"));
    setTabOrder(url, logo);
    setTabOrder(logo, licenceLink);
    setFocusPolicy(Qt::StrongFocus);

    for (ClickLabel *item : {url, licenceLink}) {
        connect(item, &ClickLabel::entered, this, [this, item] { urllbMouseEnter(item); });
        connect(item, &ClickLabel::left, this, [this, item] { urllbMouseLeave(item); });
    }
}

Taboutboxp::~Taboutboxp() = default;

bool Taboutboxp::timerActive() const
{
    return Timer1->isActive();
}

void Taboutboxp::showEvent(QShowEvent *event)
{
    // A showing, not the window manager restoring a minimised or covered box.
    if (!event->spontaneous()) {
        // The main window may have changed these texts since the last showing.
        ProductName->adjustSize();
        Version->adjustSize();
        gridora::dialogs::centreOnScreen(this);
        FormActivate();
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        setFocus(Qt::OtherFocusReason);
}

void Taboutboxp::keyPressEvent(QKeyEvent *event)
{
    // Return closes the box as a click on it does; Escape is the close box,
    // which Qt's dialog already makes of it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Panel1Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Taboutboxp::FormActivate()
{
    timer1Tag_ = 0;
    if (tag_ == 0)
        Timer1->start();
}

void Taboutboxp::Timer1Timer()
{
    ++timer1Tag_;
    if (timer1Tag_ == selfCloseTick) {
        Timer1->stop();
        tag_ = selfClosedValue;
        Panel1Click();
    }
}

void Taboutboxp::Panel1Click()
{
    Timer1->stop();
    closeWithResult(1);
}

void Taboutboxp::closeWithResult(int result)
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

QString Taboutboxp::userGuidePath()
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

void Taboutboxp::urllb2Click()
{
    const QString guide = userGuidePath();
    if (guide.isEmpty())
        return;
    // Whatever the desktop makes of it, the box shows nothing and stays open.
    QDesktopServices::openUrl(QUrl::fromLocalFile(guide));
}

void Taboutboxp::urllbMouseEnter(QLabel *label)
{
    gridora::dialogs::setTextColour(label, hoverBlue);
}

void Taboutboxp::urllbMouseLeave(QLabel *label)
{
    gridora::dialogs::setTextColour(label, Qt::black);
}

void Taboutboxp::LicenselbClick()
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
    const QPointer<Taboutboxp> self(this);
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
