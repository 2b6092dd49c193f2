// Renders the README's and the user guide's pictures of the dialogs with their
// own widgets, off screen:
//
//   gridora-dialog-screenshots DIRECTORY
//
// writes DIRECTORY/about-box.png, DIRECTORY/licence-viewer.png and
// DIRECTORY/class-set.png. The About box carries the texts the main window
// gives it at start-up; the class set a short class list with a header row.

#include "aboutbox.h"
#include "classset.h"
#include "gridora_version.h"
#include "licenseform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
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

    LicenceViewer licence;
    AboutBox about(&licence);
    about.setWindowTitle(QStringLiteral("Gridora"));
    about.productLabel->setText(QStringLiteral("Product Name: Gridora"));
    about.versionLabel->setText(QStringLiteral("Version: %1").arg(QLatin1String(gridora::kVersion)));

    about.show();
    const bool aboutSaved = about.grab().save(out.filePath(QStringLiteral("about-box.png")));
    about.hide();

    licence.show();
    const bool licenceSaved = licence.grab().save(out.filePath(QStringLiteral("licence-viewer.png")));
    licence.hide();

    ClassSetDialog classSet;
    classSet.setSheet(QStringLiteral("\"Semi log\" paper (10x2 cycle)"));
    classSet.namesEdit->setPlainText(QStringLiteral("Pupil\nAda Lovelace\nBo Brandt\nCyra Demir\nDaniel Okafor\n"
                                                    "Emma Schmidt\nFatima Haddad\nGreta Nilsson\nHugo Moreau"));
    classSet.headerCheckBox->setChecked(true);
    classSet.show();
    const bool classSetSaved = classSet.grab().save(out.filePath(QStringLiteral("class-set.png")));
    classSet.hide();

    if (!aboutSaved || !licenceSaved || !classSetSaved) {
        std::fprintf(stderr, "gridora-dialog-screenshots: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
