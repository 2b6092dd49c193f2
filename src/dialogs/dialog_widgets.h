#pragma once
// Small widgets and helpers shared by Gridora's two information dialogs: a
// label and a panel that report clicks, a panel frame, a widget that shows a
// picture at its own size, a scroll bar that steps with every arrow key, a
// button that shows its focus, and the dialogs' fonts.

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

class QImage;

namespace gridora::dialogs {

/// The desktop's sans-serif font with a character height of 13 pixels: the
/// font of both dialogs and of the "View License Agreement" link.
QFont dialogFont();

/// Liberation Sans (metric-compatible with Arial) at `pixelSize` pixels.
QFont labelFont(int pixelSize, bool bold, bool underline = false);

/// Sets the colour a label draws its text in.
void setTextColour(QWidget *label, const QColor &colour);

/// Moves a top-level window so that its frame is centred on its screen.
void centreOnScreen(QWidget *window);

/// The mark of the control the keyboard is on, for controls whose style
/// shows none: a dotted frame `inset` pixels inside `widget` while it has
/// the focus. Called at the end of the widget's paintEvent.
void drawFocusFrame(QWidget *widget, int inset = 0);

namespace detail {
template <class Widget, class Accessible>
QAccessibleInterface *accessibleOf(const QString &className, QObject *object)
{
    if (className == QLatin1String(Widget::staticMetaObject.className()))
        if (auto *widget = qobject_cast<Widget *>(object))
            return new Accessible(widget);
    return nullptr;
}
} // namespace detail

/// Makes screen readers meet every `Widget` through an `Accessible` made from
/// it (its own role, value or text). Called from the widget's constructor;
/// installs the factory once per run.
template <class Widget, class Accessible> void useAccessible()
{
    static const bool installed = (QAccessible::installFactory(detail::accessibleOf<Widget, Accessible>), true);
    (void)installed;
}

/// A label that takes every mouse click made on it, so that clicks never fall
/// through to what lies behind, and reports a click (press and release both on
/// the label) and the pointer entering and leaving it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

    /// Lets the keyboard reach the label with Tab and follow it with Return,
    /// Enter or Space, as it would a link; `name` is what a screen reader says.
    void makeKeyboardLink(const QString &name);

signals:
    void clicked();
    void entered();
    void left();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool pressed_ = false;
    bool link_ = false;
};

/// A flat panel in one colour, with an optional 2-pixel sunken edge outside a
/// 1-pixel raised bevel. Reports clicks on its own background.
class ColourPanel : public QWidget {
    Q_OBJECT
public:
    enum class Edge { None, Sunken };

    ColourPanel(const QColor &colour, Edge edge, QWidget *parent = nullptr);

    /// Width of the sunken edge in pixels: 2 or 0. Children are placed
    /// relative to the area inside it.
    int edgeWidth() const { return edge_ == Edge::Sunken ? 2 : 0; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor colour_;
    Edge edge_;
    bool pressed_ = false;
};

/// Shows a picture owned elsewhere at its own size, from the top-left corner.
/// The owner calls update() after changing the picture.
class PictureBox : public QWidget {
public:
    PictureBox(const QImage *picture, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage *picture_;
};

/// A vertical scroll bar that takes keyboard focus and moves one small step
/// for every arrow key: Up and Left towards the minimum, Down and Right
/// towards the maximum. (Qt's own vertical bar turns Left and Right the other
/// way round.) It shows when it has the focus, which Qt's does not.
class StepScrollBar : public QScrollBar {
public:
    explicit StepScrollBar(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

/// A push button that shows when it has the focus also as a dialog's default
/// button, which the style draws alike with the focus and without.
class FocusButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace gridora::dialogs
