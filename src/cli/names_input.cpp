#include "names_input.h"

#include "name_list.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace gridora::cli {

namespace {

NamesInput refusal(const QString &message)
{
    return {{}, message};
}

} // namespace

NamesInput readNamesFile(const SheetRequest &request)
{
    const bool standardInput = request.namesFile == QLatin1String("-");
    const QString shown = standardInput ? QStringLiteral("standard input")
                                        : QStringLiteral("'%1'").arg(request.namesFile);
    if (!standardInput && QFileInfo(request.namesFile).isDir())
        return refusal(QStringLiteral("cannot read %1: it is a folder").arg(shown));
    QFile in(request.namesFile);
    const bool opened = standardInput ? in.open(stdin, QIODevice::ReadOnly) : in.open(QIODevice::ReadOnly);
    if (!opened)
        return refusal(QStringLiteral("cannot read %1: %2").arg(shown, in.errorString()));
    // One byte past the limit is enough to know the list is too large.
    const QByteArray text = in.read(qint64(names::kMaxListBytes) + 1);
    if (in.error() != QFileDevice::NoError)
        return refusal(QStringLiteral("cannot read %1: %2").arg(shown, in.errorString()));

    const auto format = request.namesCsv ? names::ListFormat::Csv
                                         : names::formatOfFile(request.namesFile.toStdString());
    const auto header = request.skipHeader ? names::HeaderRow::Skip : names::HeaderRow::Keep;
    names::NameList list = names::readNameList(std::string_view(text.constData(), std::size_t(text.size())), format,
                                                header);
    if (list.error) {
        const QString reason = QString::fromStdString(list.error->reason.english()); // gridora-sheet speaks English
        if (list.error->line == 0)
            return refusal(QStringLiteral("%1 %2").arg(shown, reason));
        return refusal(QStringLiteral("line %1 of %2 %3").arg(list.error->line).arg(shown, reason));
    }
    return {std::move(list.names), {}};
}

} // namespace gridora::cli
