// gridora-sheet: one sheet of Gridora graph paper into a file, no desktop needed.

#include "page_memory.h"
#include "render_sheet.h"
#include "sheet_request.h"
#include "text_line.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

using namespace gridora::cli;

namespace {

// User text (a path, an unknown option) is part of many messages: its
// control characters are written as escapes, so that a message stays one line
// and cannot steer the terminal.
int complain(const QString &message, int status)
{
    std::fprintf(stderr, "gridora-sheet: %s\n", qPrintable(gridora::escapedControls(message)));
    return status;
}

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

QString cannotWrite(const QString &path, const QFileDevice &file)
{
    return QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
}

// The whole sheet, drawn in memory: a few hundred kilobytes at most, as its
// rulings are as many on a large page as on a small one.
QByteArray drawnSheet(const SheetRequest &request)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    renderSheet(request, buffer);
    return bytes;
}

// Qt's writers do not check what the device took: a disk that fills part way
// through a write takes the first bytes and reports no error, and the file
// would be left short. Writing the page here, the rest is offered again
// after a short write, and that second write fails with the reason. Files are
// opened unbuffered for this: a buffered flush that falls short reports only
// "Unknown error".
bool writeAll(QFileDevice &out, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    // Buffered bytes reach the file, and show a full disk, only here.
    return out.flush() && out.error() == QFileDevice::NoError;
}

int writeInPlace(const QByteArray &page, QFile &out, const QString &shownPath)
{
    if (!writeAll(out, page))
        return complain(cannotWrite(shownPath, out), 1);
    out.close();
    if (out.error() != QFileDevice::NoError)
        return complain(cannotWrite(shownPath, out), 1);
    return 0;
}

int writeToStandardOutput(const QByteArray &page)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return complain(QStringLiteral("cannot write to standard output"), 2);
    return writeInPlace(page, out, QStringLiteral("standard output"));
}

// Devices and pipes (/dev/null, /dev/stdout, a FIFO) are written in place:
// there is no temporary file to put beside them and nothing to rename over
// them. QSaveFile would replace a device node with a plain file.
bool isExistingNonRegularFile(const QString &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(QFile::encodeName(path).toStdString(), error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
           !std::filesystem::is_directory(status);
}

int writeToDevice(const QByteArray &page, const QString &path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return complain(cannotWrite(path, out), 2);
    return writeInPlace(page, out, path);
}

// Written under a temporary name beside the file and renamed when complete:
// a failed run never leaves a half-written file or spoils an existing one.
// A QSaveFile that is not committed removes its temporary file.
int writeToFile(const QByteArray &page, const QString &path)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return complain(cannotWrite(path, out), 2);
    if (!writeAll(out, page))
        return complain(cannotWrite(path, out), 1);
    if (!out.commit())
        return complain(cannotWrite(path, out), 1);
    return 0;
}

int writeSheet(const SheetRequest &request)
{
    const QByteArray page = drawnSheet(request);
    if (request.output == QLatin1String("-"))
        return writeToStandardOutput(page);
    if (isExistingNonRegularFile(request.output))
        return writeToDevice(page, request.output);
    return writeToFile(page, request.output);
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
    const SheetRequest &request = *parsed.request;
    // A path that is not UTF-8 would come back as a different name: the page
    // goes to the path asked for or nowhere.
    if (!arguments.allUtf8 && request.output.contains(QChar::ReplacementCharacter))
        return complain(QStringLiteral("the output path '%1' is not valid UTF-8").arg(request.output), 2);
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
