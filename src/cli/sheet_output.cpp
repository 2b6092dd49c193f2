#include "sheet_output.h"

#include "render_sheet.h"
#include "saved_file.h"
#include "text_line.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace gridora::cli {

// User text (a path, an unknown option) is part of many messages: its
// control characters are written as escapes, so that a message stays one line
// and cannot steer the terminal.
int complain(const QString &message, int status)
{
    std::fprintf(stderr, "gridora-sheet: %s\n", qPrintable(gridora::escapedControls(message)));
    return status;
}

namespace {

QString cannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("cannot write '%1': %2").arg(path, reason);
}

// The whole sheet, drawn in memory: a few hundred kilobytes at most, as its
// rulings are as many on a large page as on a small one.
// `render` is renderSheet or renderClassSet.
template <class Render> QByteArray drawnInMemory(const SheetRequest &request, Render render)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    render(request, buffer);
    return bytes;
}

QByteArray drawnSheet(const SheetRequest &request)
{
    return drawnInMemory(request, renderSheet);
}

int writeInPlace(const QByteArray &page, QFile &out, const QString &shownPath)
{
    if (!writeAll(out, page))
        return complain(cannotWrite(shownPath, out.errorString()), 1);
    out.close();
    if (out.error() != QFileDevice::NoError)
        return complain(cannotWrite(shownPath, out.errorString()), 1);
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
        return complain(cannotWrite(path, out.errorString()), 2);
    return writeInPlace(page, out, path);
}

// Written under a temporary name beside the file and renamed when complete:
// a failed run never leaves a half-written file or spoils an existing one.
int writeToFile(const QByteArray &page, const QString &path)
{
    const auto failure = saveWhole(path, page);
    if (!failure)
        return 0;
    return complain(cannotWrite(path, failure->reason), failure->created ? 1 : 2);
}

// One file per page. A failed write removes the pages this run wrote
// before it, so that a run leaves the whole set or none of it.
int writePageFiles(const SheetRequest &request)
{
    if (isExistingNonRegularFile(request.output) || QFileInfo(request.output).isDir())
        return complain(QStringLiteral("a class set in this format is one file per name, numbered beside '%1', "
                                       "which is no plain file")
                            .arg(request.output),
                        2);
    QStringList written;
    const auto removeWritten = [&] {
        for (const QString &path : std::as_const(written))
            QFile::remove(path);
    };
    try {
        for (std::size_t i = 0; i < request.names.size(); ++i) {
            SheetRequest page = request;
            page.name = QString::fromStdString(request.names[i]);
            page.names.clear();
            const QString path = pageFileName(request.output, i + 1, request.names.size());
            if (const int status = writeToFile(drawnSheet(page), path); status != 0) {
                removeWritten();
                return status;
            }
            written << path;
        }
    } catch (...) {
        removeWritten();
        throw;
    }
    return 0;
}

} // namespace

QString pageFileName(const QString &output, std::size_t page, std::size_t pages)
{
    const QFileInfo file(output);
    const int width = static_cast<int>(QString::number(pages).size());
    QString name = file.completeBaseName() + QStringLiteral("-%1").arg(page, width, 10, QLatin1Char('0'));
    if (!file.suffix().isEmpty())
        name += QLatin1Char('.') + file.suffix();
    // Only the number is new: the file stays in the output's folder, written
    // as the output gave it.
    return output.left(output.size() - file.fileName().size()) + name;
}

int writeSheet(const SheetRequest &request)
{
    if (!request.names.empty() && request.format != Format::Pdf)
        return writePageFiles(request);
    const QByteArray page = request.names.empty() ? drawnSheet(request) : drawnInMemory(request, renderClassSet);
    if (request.output == QLatin1String("-"))
        return writeToStandardOutput(page);
    if (isExistingNonRegularFile(request.output))
        return writeToDevice(page, request.output);
    return writeToFile(page, request.output);
}

} // namespace gridora::cli
