#include "velocitybar.h"

#include "dialog_widgets.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLocale>

#include <cmath>

namespace gridora::app {

namespace {

class VelocityAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit VelocityAccessible(VelocityBar *bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return bar()->velocityText();
        return QAccessibleWidget::text(which);
    }

    QVariant currentValue() const override { return bar()->velocity(); }
    void setCurrentValue(const QVariant &value) override
    {
        // As the thumb moves under the user's hand: whoever follows the
        // user's moves hears of it (setValue would tell no one).
        bar()->setSliderPosition(static_cast<int>(std::lround(value.toDouble() * 100)));
    }
    QVariant maximumValue() const override { return bar()->maximum() / 100.0; }
    QVariant minimumValue() const override { return bar()->minimum() / 100.0; }
    QVariant minimumStepSize() const override { return bar()->singleStep() / 100.0; }

private:
    VelocityBar *bar() const { return static_cast<VelocityBar *>(widget()); }
};

} // namespace

VelocityBar::VelocityBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    dialogs::useAccessible<VelocityBar, VelocityAccessible>();
    setInvertedControls(true);
    setFocusPolicy(Qt::StrongFocus);
    // Its "Scroll here" menu would move it without telling anyone.
    setContextMenuPolicy(Qt::NoContextMenu);
}

QString VelocityBar::velocityText() const
{
    // In the window's language: "0,61 c" in German, "0.61 c" in English.
    return locale().toString(value() / 100.0, 'f', 2) + QStringLiteral(" c");
}

void VelocityBar::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (plain && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        const bool lower = (event->key() == Qt::Key_Left) != isRightToLeft();
        triggerAction(lower ? SliderSingleStepSub : SliderSingleStepAdd);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

void VelocityBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    // Inside the bar's own outline, where the dots show against its face.
    dialogs::drawFocusFrame(this, 1);
}

} // namespace gridora::app
