// Gridora: graph paper for schools.
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program takes no options: only its own name reaches the toolkit.
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication application(toolkitArgc, argv);
    return gridora::app::run(application);
}
