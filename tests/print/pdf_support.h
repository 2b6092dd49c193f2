#pragma once
// Looking at a printed PDF the way poppler sees it: its page count and paper
// size from pdfinfo, its pixels from pdftoppm at a chosen resolution.

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace gridora::print::test {

struct PdfInfo {
    int pages = 0;
    QSizeF points; ///< the first page's paper size
    QString title;
};

inline QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfInfo pdfInfo(const QString &file)
{
    PdfInfo info;
    const QString text = runTool(QStringLiteral("pdfinfo"), {file});
    const auto pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption).match(text);
    const auto size = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption).match(text);
    const auto title = QRegularExpression(QStringLiteral("^Title:[ \\t]*(.*)$"),
                                          QRegularExpression::MultilineOption).match(text);
    info.title = title.captured(1);
    if (pages.hasMatch())
        info.pages = pages.captured(1).toInt();
    if (size.hasMatch())
        info.points = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return info;
}

/// Page `page` (the first by default) in grey levels at `dpi`, without anti-aliasing.
inline QImage rasterize(const QString &file, int dpi, int page = 1)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                         QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                         QStringLiteral("no"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                         number, QStringLiteral("-l"), number, file, prefix});
    QImageReader reader(prefix + QStringLiteral(".pgm"));
    reader.setAllocationLimit(0); // a sheet at 600 dpi is larger than Qt reads by default
    return reader.read().convertToFormat(QImage::Format_Grayscale8);
}

inline int grey(const QImage &page, int x, int y)
{
    if (x < 0 || y < 0 || x >= page.width() || y >= page.height())
        return 255;
    return page.constScanLine(y)[x];
}

/// Ink within `reach` pixels of (x, y) along the row.
inline bool inkNear(const QImage &page, int x, int y, int reach = 2)
{
    for (int dx = -reach; dx <= reach; ++dx)
        if (grey(page, x + dx, y) < 100)
            return true;
    return false;
}

/// Nothing printed within `reach` pixels of (x, y) along the row.
inline bool blankNear(const QImage &page, int x, int y, int reach = 2)
{
    for (int dx = -reach; dx <= reach; ++dx)
        if (grey(page, x + dx, y) < 200)
            return false;
    return true;
}

inline bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

} // namespace gridora::print::test
