// The floor for start-up: a minimal Qt Widgets program that shows one plain
// window of Gridora's size and ends once it has been painted, as
// first_paint.cpp ends Gridora. With --text the window holds one line of text,
// so that the start includes setting up the fonts, as any window with words
// in it must.

#include "sheet_constants.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && object->isWidgetType() && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(
                qApp, [] { std::fflush(stdout); std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication application(toolkitArgc, argv);
    QWidget window;
    window.resize(gridora::sheets::kWindowWidth, gridora::sheets::kWindowHeight);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        (new QLabel(QStringLiteral("Choose Your Graph"), &window))->move(10, 10);
    FirstPaint firstPaint;
    application.installEventFilter(&firstPaint);
    window.show();
    application.exec();
    std::fputs("the window was never painted\n", stderr);
    return 1;
}
