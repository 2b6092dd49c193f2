#pragma once
// The velocity scroll bar of spacetime paper. It follows the desktop's
// conventions for a horizontal bar: Left, Up, PageUp and the wheel turned up
// lower the velocity; Right, Down, PageDown and the wheel turned down raise
// it; Home goes to 0.00 c and End to 0.90 c. Tab reaches it.
//
// QScrollBar gets the wheel and the vertical keys right by itself (its
// controls are "inverted" for that); only Left and Right then run backwards,
// so those two are taken here.
//
// Assistive technology is given the velocity itself (0.61 for position 61,
// read out as "0.61 c"), not the bar's position.
//
// With the focus it shows a dotted frame: the style marks a focused scroll
// bar in no way, and the keyboard user must see where the arrow keys go.

#include <QScrollBar>
#include <QString>

namespace gridora::app {

class VelocityBar : public QScrollBar {
    Q_OBJECT
public:
    explicit VelocityBar(QWidget *parent = nullptr);

    /// The velocity in units of c, position / 100.
    double velocity() const { return value() / 100.0; }
    /// "0.61 c" for position 61.
    QString velocityText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace gridora::app
