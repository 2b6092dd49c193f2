// Gridora: graph paper for schools.
#include "language.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program takes no options: only its own name reaches the toolkit.
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication application(toolkitArgc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.gridora.gridora"));
    // The desktop's language (LANGUAGE, LANG), where Gridora speaks it.
    gridora::i18n::useSystemLanguage(application);
    return gridora::app::run(application);
}
