// gridora-sheet: one sheet of Gridora graph paper into a file, no desktop needed.

#include "names_input.h"
#include "page_memory.h"
#include "sheet_output.h"
#include "sheet_request.h"
#include "text_line.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <utility>

using namespace gridora::cli;

namespace {

// Qt's notes about the missing desktop session are noise to a command-line user.
void quietDesktopNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "gridora-sheet: %s\n", qPrintable(gridora::escapedControls(message)));
}

struct Arguments {
    QStringList list;
    bool allUtf8 = true; // every argument decoded without loss
};

Arguments argumentList(int argc, char **argv)
{
    Arguments arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        arguments.list << QString::fromLocal8Bit(raw);
        arguments.allUtf8 = arguments.allUtf8 && arguments.list.last().toLocal8Bit() == raw;
    }
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    const Arguments arguments = argumentList(argc, argv);
    const ParseResult parsed = parseCommandLine(arguments.list);
    if (!parsed.request) {
        if (parsed.exitStatus == 0) {
            std::fputs(qPrintable(parsed.message), stdout);
            return 0;
        }
        return complain(parsed.message, parsed.exitStatus);
    }
    SheetRequest request = *parsed.request;
    // A path that is not UTF-8 would come back as a different name: the page
    // goes to the path asked for or nowhere.
    if (!arguments.allUtf8 && request.output.contains(QChar::ReplacementCharacter))
        return complain(QStringLiteral("the output path '%1' is not valid UTF-8").arg(request.output), 2);
    if (!arguments.allUtf8 && request.namesFile.contains(QChar::ReplacementCharacter))
        return complain(QStringLiteral("the names file path '%1' is not valid UTF-8").arg(request.namesFile), 2);
    if (!request.namesFile.isEmpty()) {
        NamesInput input = readNamesFile(request);
        if (!input.error.isEmpty())
            return complain(input.error, 2);
        request.names = std::move(input.names);
    }
    if (const auto refusal = memoryRefusal(request, availableMemory()))
        return complain(*refusal, 2);

    // Fonts need a GUI application; a command-line tool never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietDesktopNotes);
    QGuiApplication app(argc, argv);

    try {
        return writeSheet(request);
    } catch (const std::exception &e) {
        return complain(QStringLiteral("cannot draw the sheet: %1").arg(QString::fromStdString(e.what())), 1);
    }
}
