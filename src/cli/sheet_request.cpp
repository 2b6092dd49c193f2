#include "sheet_request.h"

#include "gridora_version.h"
#include "kinds.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace gridora::cli {

namespace {

ParseResult failure(const QString &message)
{
    return {std::nullopt, message, 2};
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "a, b or c".
QString phrase(const QStringList &words)
{
    if (words.size() < 2)
        return words.join(QString());
    return words.mid(0, words.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + words.last();
}

// The kinds' ids, for --kind: "squared, semilog, log or spacetime".
QString kindIds()
{
    QStringList ids;
    for (const kinds::Kind &kind : kinds::all())
        ids << fromView(kind.id);
    return phrase(ids);
}

// The names of the kinds with a velocity, for --velocity: "Spacetime".
QString kindsWithVelocity()
{
    QStringList names;
    for (const kinds::Kind &kind : kinds::all())
        if (kind.hasVelocity)
            names << fromView(kind.name);
    return phrase(names);
}

std::optional<Format> formatNamed(const QString &text)
{
    if (text == QLatin1String("pdf"))
        return Format::Pdf;
    if (text == QLatin1String("svg"))
        return Format::Svg;
    if (text == QLatin1String("png"))
        return Format::Png;
    if (text == QLatin1String("trace"))
        return Format::Trace;
    return std::nullopt;
}

// A whole number made of digits only, within [low, high].
std::optional<int> wholeNumber(const QString &text, int low, int high)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// Millimetres with at most two decimals, as hundredths.
std::optional<int> hundredthsOfMm(const QString &text, int high)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})(?:\\.([0-9]{1,2}))?$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int value = match.captured(1).toInt() * 100 + match.captured(2).leftJustified(2, QLatin1Char('0')).toInt();
    if (value > high)
        return std::nullopt;
    return value;
}

QString pageLimits()
{
    return QStringLiteral("1 to %1 pixels a side").arg(kMaxPagePixels);
}

} // namespace

std::optional<int> parseVelocity(const QString &text, QString *why)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]+)(?:\\.([0-9]*))?$"));
    const auto match = form.match(text);
    auto refuse = [&](const QString &reason) -> std::optional<int> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (!match.hasMatch() || (match.captured(1).isEmpty()))
        return refuse(QStringLiteral("velocity '%1' is not a number like 0.60").arg(text));
    const QString decimals = match.captured(2);
    if (decimals.size() > 2)
        return refuse(QStringLiteral("velocity '%1' has more than two decimals").arg(text));
    const QString whole = match.captured(1);
    if (whole.size() > 3 || whole.toInt() > 0)
        return refuse(QStringLiteral("velocity '%1' is out of range 0.00 to 0.90").arg(text));
    const int position = decimals.leftJustified(2, QLatin1Char('0')).toInt();
    if (position > 90)
        return refuse(QStringLiteral("velocity '%1' is out of range 0.00 to 0.90").arg(text));
    return position;
}

ParseResult parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws one Gridora sheet of graph paper into a file, or one page per pupil "
                       "with --names-file."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption kindOpt(QStringLiteral("kind"), QStringLiteral("Paper: %1.").arg(kindIds()),
                                     QStringLiteral("kind"));
    const QCommandLineOption decadesOpt(QStringLiteral("decades"),
                                        QStringLiteral("Decades on a logarithmic axis: 1, 2 or 3 (default 1)."),
                                        QStringLiteral("D"), QStringLiteral("1"));
    const QCommandLineOption velocityOpt(QStringLiteral("velocity"),
                                         QStringLiteral("%1 velocity in c, 0.00 to 0.90 (default 0.60).")
                                             .arg(kindsWithVelocity()),
                                         QStringLiteral("v"), QStringLiteral("0.60"));
    const QCommandLineOption nameOpt(QStringLiteral("name"),
                                     QStringLiteral("Name written in the page's top-left corner."),
                                     QStringLiteral("text"));
    const QCommandLineOption namesFileOpt(QStringLiteral("names-file"),
                                          QStringLiteral("One page per name in FILE (- for standard input): a name "
                                                         "per line, or the first column of a CSV file."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption csvOpt(QStringLiteral("csv"),
                                    QStringLiteral("Read the names file as CSV (the default for a file named *.csv)."));
    const QCommandLineOption skipHeaderOpt(QStringLiteral("skip-header"),
                                           QStringLiteral("The names file's first line holds column titles."));
    const QCommandLineOption sampleOpt(QStringLiteral("sample"),
                                       QStringLiteral("Draw the window's %1 x %2 sample picture.")
                                           .arg(sheets::kSampleWidth)
                                           .arg(sheets::kSampleHeight));
    const QCommandLineOption pageOpt(QStringLiteral("page"),
                                     QStringLiteral("Printable area in device pixels, e.g. 4800x6600."),
                                     QStringLiteral("WxH"));
    const QCommandLineOption paperOpt(QStringLiteral("paper"),
                                      QStringLiteral("Whole sheet of a4, a3, letter or legal (the default, a4)."),
                                      QStringLiteral("paper"));
    const QCommandLineOption marginOpt(
        QStringLiteral("margin"),
        QStringLiteral("With --paper: the margin a printer cannot print on, left blank on every side of the "
                       "sheet, in millimetres (default 6.35, a quarter inch; 0 for none, up to 50)."),
        QStringLiteral("mm"), QStringLiteral("6.35"));
    const QCommandLineOption landscapeOpt(QStringLiteral("landscape"),
                                          QStringLiteral("Turn the paper sideways. The sheets are laid out for "
                                                         "upright paper: sideways, log and spacetime sheets lose "
                                                         "rows at the top and bottom and squared cells become long "
                                                         "rectangles."));
    const QCommandLineOption dpiOpt(QStringLiteral("dpi"),
                                    QStringLiteral("Device pixels per inch of a page (default 600)."),
                                    QStringLiteral("N"), QString::number(page::kDefaultDpi));
    const QCommandLineOption formatOpt(QStringLiteral("format"),
                                       QStringLiteral("pdf, svg, png or trace (default: from the file name)."),
                                       QStringLiteral("format"));
    const QCommandLineOption outputOpt(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("Output file, or - for standard output."),
                                       QStringLiteral("file"));
    parser.addOptions({kindOpt, decadesOpt, velocityOpt, nameOpt, namesFileOpt, csvOpt, skipHeaderOpt, sampleOpt,
                       pageOpt, paperOpt, marginOpt,
                       landscapeOpt, dpiOpt, formatOpt, outputOpt});
    const QCommandLineOption helpOpt = parser.addHelpOption();
    const QCommandLineOption versionOpt = parser.addVersionOption();

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(helpOpt)) {
        // Options are read before any Qt application exists, so Qt cannot
        // name the program in its usage line.
        QString help = parser.helpText();
        help.replace(QLatin1String("<executable_name>"), QLatin1String("gridora-sheet"));
        return {std::nullopt, help, 0};
    }
    if (parser.isSet(versionOpt))
        return {std::nullopt, QStringLiteral("gridora-sheet %1\n").arg(QLatin1String(kVersion)), 0};
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    SheetRequest request;
    if (!parser.isSet(kindOpt))
        return failure(QStringLiteral("no --kind given: %1").arg(kindIds()));
    const auto kind = kinds::indexOfId(parser.value(kindOpt).toStdString());
    if (!kind)
        return failure(QStringLiteral("unknown kind '%1': use %2").arg(parser.value(kindOpt), kindIds()));
    request.kind = *kind;

    const auto decades = wholeNumber(parser.value(decadesOpt), 1, 3);
    if (!decades)
        return failure(QStringLiteral("decades '%1' is out of range: use 1, 2 or 3").arg(parser.value(decadesOpt)));
    request.sizeChoice = *decades - 1;

    QString why;
    const auto position = parseVelocity(parser.value(velocityOpt), &why);
    if (!position)
        return failure(why);
    request.position = *position;
    request.name = parser.value(nameOpt);
    if (parser.isSet(namesFileOpt)) {
        if (parser.isSet(nameOpt))
            return failure(QStringLiteral("give --name or --names-file, not both"));
        if (parser.isSet(sampleOpt))
            return failure(QStringLiteral("--names-file goes with printed pages, not --sample"));
        request.namesFile = parser.value(namesFileOpt);
        if (request.namesFile.isEmpty())
            return failure(QStringLiteral("--names-file needs a file, or - for standard input"));
        request.namesCsv = parser.isSet(csvOpt);
        request.skipHeader = parser.isSet(skipHeaderOpt);
    } else if (parser.isSet(csvOpt) || parser.isSet(skipHeaderOpt)) {
        return failure(QStringLiteral("--csv and --skip-header go with --names-file only"));
    }

    const int modes = int(parser.isSet(sampleOpt)) + int(parser.isSet(pageOpt)) + int(parser.isSet(paperOpt));
    if (modes > 1)
        return failure(QStringLiteral("choose one of --sample, --page and --paper"));
    if (parser.isSet(landscapeOpt) && (parser.isSet(sampleOpt) || parser.isSet(pageOpt)))
        return failure(QStringLiteral("--landscape goes with --paper only"));
    if (parser.isSet(marginOpt) && (parser.isSet(sampleOpt) || parser.isSet(pageOpt)))
        return failure(QStringLiteral("--margin goes with --paper only"));
    const auto margin = hundredthsOfMm(parser.value(marginOpt), page::kMaxMargin);
    if (!margin)
        return failure(QStringLiteral("margin '%1' is not a number of millimetres from 0 to 50, like 6.35")
                           .arg(parser.value(marginOpt)));
    if (parser.isSet(dpiOpt) && parser.isSet(sampleOpt))
        return failure(QStringLiteral("--dpi does not apply to --sample, which is in screen pixels"));
    const auto dpi = wholeNumber(parser.value(dpiOpt), 1, page::kMaxDpi);
    if (!dpi)
        return failure(QStringLiteral("dpi '%1' must be a whole number above 0").arg(parser.value(dpiOpt)));
    request.dpi = *dpi;

    if (parser.isSet(sampleOpt)) {
        request.sample = true;
        request.width = sheets::kSampleWidth;
        request.height = sheets::kSampleHeight;
        request.dpi = 96;
    } else if (parser.isSet(pageOpt)) {
        static const QRegularExpression size(QStringLiteral("^([0-9]{1,9})[xX]([0-9]{1,9})$"));
        const auto match = size.match(parser.value(pageOpt));
        if (!match.hasMatch())
            return failure(QStringLiteral("page '%1' is not WIDTHxHEIGHT with %2")
                               .arg(parser.value(pageOpt), pageLimits()));
        request.width = match.captured(1).toInt();
        request.height = match.captured(2).toInt();
    } else {
        const QString paperName = parser.isSet(paperOpt) ? parser.value(paperOpt) : QStringLiteral("a4");
        const page::Paper *paper = page::paperNamed(paperName.toStdString());
        if (!paper)
            return failure(QStringLiteral("unknown paper '%1': use a4, a3, letter or legal").arg(paperName));
        const auto orientation =
            parser.isSet(landscapeOpt) ? page::Orientation::Landscape : page::Orientation::Portrait;
        request.paper = page::layOut(*paper, orientation, *margin, request.dpi);
        if (!request.paper)
            return failure(QStringLiteral("%1 cannot be laid out at %2 dpi with a margin of %3 mm")
                               .arg(paperName)
                               .arg(request.dpi)
                               .arg(parser.value(marginOpt)));
        if (request.paper->sheetWidth > kMaxPagePixels || request.paper->sheetHeight > kMaxPagePixels)
            return failure(QStringLiteral("a sheet of %1 x %2 pixels is out of range: %3")
                               .arg(request.paper->sheetWidth)
                               .arg(request.paper->sheetHeight)
                               .arg(pageLimits()));
        request.width = request.paper->width;
        request.height = request.paper->height;
        if (request.width < 1 || request.height < 1)
            return failure(QStringLiteral("a margin of %1 mm leaves nothing of the sheet to draw on")
                               .arg(parser.value(marginOpt)));
    }
    if (request.width < 1 || request.height < 1 || request.width > kMaxPagePixels ||
        request.height > kMaxPagePixels)
        return failure(QStringLiteral("a page of %1 x %2 pixels is out of range: %3")
                           .arg(request.width)
                           .arg(request.height)
                           .arg(pageLimits()));

    if (!parser.isSet(outputOpt) || parser.value(outputOpt).isEmpty())
        return failure(QStringLiteral("no output file: give -o FILE, or -o - for standard output"));
    request.output = parser.value(outputOpt);

    if (parser.isSet(formatOpt)) {
        const auto format = formatNamed(parser.value(formatOpt));
        if (!format)
            return failure(QStringLiteral("unknown format '%1': use pdf, svg, png or trace").arg(parser.value(formatOpt)));
        request.format = *format;
    } else {
        const auto format = request.output == QLatin1String("-")
                                ? std::nullopt
                                : formatNamed(QFileInfo(request.output).suffix().toLower());
        if (!format)
            return failure(QStringLiteral("cannot tell the format of '%1': name it .pdf, .svg, .png or .trace, or give --format")
                               .arg(request.output));
        request.format = *format;
    }
    if (!request.namesFile.isEmpty() && request.format != Format::Pdf && request.output == QLatin1String("-"))
        return failure(QStringLiteral("a class set in %1 is one file per name: give -o FILE, not -o -")
                           .arg(parser.value(formatOpt)));
    return {request, QString(), 0};
}

} // namespace gridora::cli
