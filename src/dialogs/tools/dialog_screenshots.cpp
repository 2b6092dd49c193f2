// Renders the README's pictures of the two information dialogs with their own
// widgets, off screen:
//
//   gridora-dialog-screenshots DIRECTORY
//
// writes DIRECTORY/about-box.png and DIRECTORY/licence-viewer.png. The About
// box carries the texts the main window gives it at start-up.

#include "aboutbox.h"
#include "gridora_version.h"
#include "licenseform.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gridora-dialog-screenshots DIRECTORY\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    Tlicensefrm licence;
    Taboutboxp about(&licence);
    about.setWindowTitle(QStringLiteral("Gridora"));
    about.ProductName->setText(QStringLiteral("Product Name: Gridora"));
    about.Version->setText(QStringLiteral("Version: %1").arg(QLatin1String(gridora::kVersion)));

    about.show();
    const bool aboutSaved = about.grab().save(out.filePath(QStringLiteral("about-box.png")));
    about.hide();

    licence.show();
    const bool licenceSaved = licence.grab().save(out.filePath(QStringLiteral("licence-viewer.png")));
    licence.hide();

    if (!aboutSaved || !licenceSaved) {
        std::fprintf(stderr, "gridora-dialog-screenshots: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
