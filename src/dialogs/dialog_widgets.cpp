#include "dialog_widgets.h"

#include <QFontDatabase>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

namespace gridora::dialogs {

QFont dialogFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

QFont labelFont(int pixelSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setTextColour(QWidget *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void centreOnScreen(QWidget *window)
{
    const QWidget *anchor = window->parentWidget() ? window->parentWidget()->window() : window;
    const QScreen *screen = anchor->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void drawFocusFrame(QWidget *widget, int inset)
{
    if (!widget->hasFocus())
        return;
    QPainter painter(widget);
    painter.setPen(QPen(widget->palette().color(widget->foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(widget->rect().adjusted(inset, inset, -1 - inset, -1 - inset));
}

// --- ClickLabel -------------------------------------------------------------

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void ClickLabel::makeKeyboardLink(const QString &name)
{
    link_ = true;
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(name);
    setAccessibleDescription(tr("link"));
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (link_ && !event->isAutoRepeat() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    // The keyboard user must see which link Return would follow.
    drawFocusFrame(this);
}

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    // QLabel sets up text selection when it first takes the focus and from
    // then on lays its text out another way, a pixel higher: the link would
    // jump as the focus arrives. These labels select nothing.
    QWidget::focusInEvent(event);
}

void ClickLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    emit entered();
}

void ClickLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    emit left();
}

// --- ColourPanel ------------------------------------------------------------

ColourPanel::ColourPanel(const QColor &colour, Edge edge, QWidget *parent)
    : QWidget(parent), colour_(colour), edge_(edge)
{
}

void ColourPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect area = rect();
    if (edge_ == Edge::Sunken) {
        qDrawWinPanel(&painter, area, palette(), true);
        area.adjust(2, 2, -2, -2);
    }
    painter.fillRect(area, colour_);
    // The raised bevel: light along the top and left, shadow along the
    // bottom and right.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

void ColourPanel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ColourPanel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

// --- PictureBox -------------------------------------------------------------

PictureBox::PictureBox(const QImage *picture, QWidget *parent) : QWidget(parent), picture_(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (picture_ && !picture_->isNull())
        painter.drawImage(QPoint(0, 0), *picture_);
}

// --- StepScrollBar ----------------------------------------------------------

StepScrollBar::StepScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void StepScrollBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        triggerAction(SliderSingleStepSub);
        event->accept();
        return;
    case Qt::Key_Right:
        triggerAction(SliderSingleStepAdd);
        event->accept();
        return;
    default:
        QScrollBar::keyPressEvent(event);
    }
}

void StepScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    // Inside the bar's own outline, where the dots show against its face.
    drawFocusFrame(this, 1);
}

// --- FocusButton ------------------------------------------------------------

void FocusButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    // Inside the bevel, clear of the label.
    drawFocusFrame(this, 3);
}

} // namespace gridora::dialogs
