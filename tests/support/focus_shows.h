#pragma once
// Whether a keyboard user sees where the focus is: a control's picture with
// the focus brought to it by Tab, against its picture without the focus.
// The control's window must be active, or no control has the focus.

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

/// Presses Tab wherever the focus is until `control` has it; false when it
/// never does.
inline bool tabTo(QWidget *control)
{
    for (int i = 0; i < 20 && !control->hasFocus(); ++i) {
        QWidget *at = QApplication::focusWidget();
        if (!at)
            return false;
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return control->hasFocus();
}

/// Fails the test unless `control` looks different once Tab brings the focus
/// to it, and as before once Tab takes the focus on. Call it last in a test:
/// a failure here ends only this function.
inline void checkFocusShows(QWidget *control)
{
    if (control->hasFocus())
        QTest::keyClick(control, Qt::Key_Tab);
    QVERIFY2(!control->hasFocus(), "the focus does not leave the control");
    const QImage unfocused = control->grab().toImage();
    QVERIFY2(tabTo(control), "Tab never brings the focus to the control");
    QVERIFY2(control->grab().toImage() != unfocused, "the control looks the same with the focus");
    QTest::keyClick(control, Qt::Key_Tab);
    QVERIFY2(!control->hasFocus(), "Tab does not take the focus on");
    QVERIFY2(control->grab().toImage() == unfocused, "the control looks different after having had the focus");
}
