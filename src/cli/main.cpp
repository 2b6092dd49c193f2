// gridora-sheet: one sheet of Gridora graph paper into a file, no desktop needed.

#include "render_sheet.h"
#include "sheet_request.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>

using namespace gridora::cli;

static int complain(const QString &message, int status)
{
    std::fprintf(stderr, "gridora-sheet: %s\n", qPrintable(message));
    return status;
}

// Qt's notes about the missing desktop session are noise to a command-line user.
static void quietDesktopNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "gridora-sheet: %s\n", qPrintable(message));
}

static QStringList argumentList(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

int main(int argc, char **argv)
{
    const ParseResult parsed = parseCommandLine(argumentList(argc, argv));
    if (!parsed.request) {
        if (parsed.exitStatus == 0) {
            std::fputs(qPrintable(parsed.message), stdout);
            return 0;
        }
        return complain(parsed.message, parsed.exitStatus);
    }
    const SheetRequest &request = *parsed.request;

    // Fonts need a GUI application; a command-line tool never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietDesktopNotes);
    QGuiApplication app(argc, argv);

    try {
        if (request.output == QLatin1String("-")) {
            QFile out;
            if (!out.open(stdout, QIODevice::WriteOnly))
                return complain(QStringLiteral("cannot write to standard output"), 2);
            renderSheet(request, out);
            out.flush();
            return 0;
        }
        // Written under a temporary name and renamed when complete: a failed
        // run never leaves a half-written file or spoils an existing one.
        QSaveFile out(request.output);
        if (!out.open(QIODevice::WriteOnly))
            return complain(QStringLiteral("cannot write '%1': %2").arg(request.output, out.errorString()), 2);
        renderSheet(request, out);
        if (!out.commit())
            return complain(QStringLiteral("cannot write '%1': %2").arg(request.output, out.errorString()), 1);
    } catch (const std::exception &e) {
        return complain(QStringLiteral("cannot draw the sheet: %1").arg(QString::fromStdString(e.what())), 1);
    }
    return 0;
}
