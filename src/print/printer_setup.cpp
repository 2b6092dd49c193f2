#include "printer_setup.h"

#include "cups_queue.h"
#include "print_messages.h"
#include "qprinter_target.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <cups/cups.h>

#include <algorithm>
#include <cmath>

namespace gridora::print {

namespace {

// Runs `ask` with the print server's description of `queue`; false when the
// server knows no such queue.
template <typename Ask>
bool askQueue(const QString &queue, Ask ask)
{
    if (queue.isEmpty())
        return false;
    const QByteArray name = queue.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return false;
    cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
    if (info) {
        ask(dest, info);
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return info != nullptr;
}

} // namespace

int dotsPerInch(int value, bool perCentimetre)
{
    return perCentimetre ? static_cast<int>(std::lround(value * 2.54)) : value;
}

int queueDefaultResolution(const QString &queue)
{
    int dpi = 0;
    askQueue(queue, [&](cups_dest_t *dest, cups_dinfo_t *info) {
        // "printer-resolution-default", which CUPS fills from the driver.
        if (ipp_attribute_t *value = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
            int vertical = 0;
            ipp_res_t units = IPP_RES_PER_INCH;
            const int horizontal = ippGetResolution(value, 0, &vertical, &units);
            dpi = dotsPerInch(horizontal, units == IPP_RES_PER_CM);
        }
    });
    return dpi > 0 ? dpi : 0;
}

int resolutionOption(const QStringList &cupsOptions)
{
    static const QRegularExpression dpiValue(QStringLiteral("^\\s*(\\d{1,5})(?:x\\d{1,5})?\\s*dpi\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
    int dpi = 0;
    // Name, value pairs; a later setting of the same option wins.
    for (qsizetype i = 0; i + 1 < cupsOptions.size(); i += 2) {
        if (cupsOptions.at(i).compare(QLatin1String("Resolution"), Qt::CaseInsensitive) != 0)
            continue;
        const auto match = dpiValue.match(cupsOptions.at(i + 1));
        dpi = match.hasMatch() ? match.captured(1).toInt() : 0;
    }
    return dpi;
}

int layoutResolution(const QPrinter &printer)
{
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return kFallbackDpi;
    if (const int chosen = resolutionOption(cupsOptions(printer)))
        return chosen;
    if (const int reported = queueDefaultResolution(printer.printerName()))
        return reported;
    return kFallbackDpi;
}

namespace {

// CUPS gives paper sizes and margins in hundredths of a millimetre.
double pointsOf(int hundredthsOfMm)
{
    return hundredthsOfMm / 100.0 * 72.0 / 25.4;
}

int integerIn(ipp_t *collection, const char *name)
{
    ipp_attribute_t *value = ippFindAttribute(collection, name, IPP_TAG_INTEGER);
    return value ? ippGetInteger(value, 0) : -1;
}

// The paper and printable area of "media-col-default". (cupsGetDestMediaDefault
// answers with the locale's Letter on an A4 queue, and names such as
// "oe_letter_8.5x11in" do not map back to the paper.)
std::optional<cups_size_t> defaultMedia(cups_dest_t *dest, cups_dinfo_t *info)
{
    ipp_attribute_t *col = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media-col");
    ipp_t *media = col ? ippGetCollection(col, 0) : nullptr;
    ipp_attribute_t *sizeAttr = media ? ippFindAttribute(media, "media-size", IPP_TAG_BEGIN_COLLECTION) : nullptr;
    ipp_t *size = sizeAttr ? ippGetCollection(sizeAttr, 0) : nullptr;
    if (!size)
        return std::nullopt;
    cups_size_t found{};
    found.width = integerIn(size, "x-dimension");
    found.length = integerIn(size, "y-dimension");
    found.left = integerIn(media, "media-left-margin");
    found.top = integerIn(media, "media-top-margin");
    found.right = integerIn(media, "media-right-margin");
    found.bottom = integerIn(media, "media-bottom-margin");
    if (found.width <= 0 || found.length <= 0 || found.left < 0 || found.top < 0 || found.right < 0 ||
        found.bottom < 0)
        return std::nullopt;
    return found;
}

std::optional<cups_size_t> mediaOfSize(cups_dest_t *dest, cups_dinfo_t *info, const QPageSize &size)
{
    const QSizeF mm = size.size(QPageSize::Millimeter);
    cups_size_t found{};
    if (!cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, dest, info, static_cast<int>(std::lround(mm.width() * 100)),
                                static_cast<int>(std::lround(mm.height() * 100)), CUPS_MEDIA_FLAGS_DEFAULT, &found))
        return std::nullopt;
    return found;
}

} // namespace

std::optional<QPageLayout> queuePaper(const QString &queue, const QPageSize &size)
{
    std::optional<QPageLayout> layout;
    askQueue(queue, [&](cups_dest_t *dest, cups_dinfo_t *info) {
        const auto media = size.isValid() ? mediaOfSize(dest, info, size) : defaultMedia(dest, info);
        if (!media)
            return;
        const QPageSize paper = size.isValid() ? size
                                               : QPageSize(QSizeF(pointsOf(media->width), pointsOf(media->length)),
                                                           QPageSize::Point, QString(), QPageSize::FuzzyMatch);
        const QMarginsF margins(pointsOf(media->left), pointsOf(media->top), pointsOf(media->right),
                                pointsOf(media->bottom));
        layout = QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Point);
    });
    return layout;
}

void useQueuePaper(QPrinter &printer, bool defaultPaper, const std::optional<QMarginsF> &chosen)
{
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return;
    const QPageLayout current = printer.pageLayout();
    const auto own = queuePaper(printer.printerName(), defaultPaper ? QPageSize() : current.pageSize());
    if (!own)
        return;
    QMarginsF margins = own->margins(QPageLayout::Point);
    // Sideways, the portrait page's top edge lies on the left.
    if (current.orientation() == QPageLayout::Landscape)
        margins = QMarginsF(margins.top(), margins.right(), margins.bottom(), margins.left());
    if (chosen)
        margins = QMarginsF(std::max(margins.left(), chosen->left()), std::max(margins.top(), chosen->top()),
                            std::max(margins.right(), chosen->right()), std::max(margins.bottom(), chosen->bottom()));
    printer.setPageLayout(QPageLayout(own->pageSize(), current.orientation(), margins, QPageLayout::Point));
}

std::unique_ptr<PrintTarget> printerTarget(std::unique_ptr<QPrinter> printer, const std::optional<QMarginsF> &chosen)
{
    if (!printer)
        return nullptr;
    const bool toQueue = printer->outputFormat() == QPrinter::NativeFormat;
    if (toQueue ? printer->printerName().isEmpty() : printer->outputFileName().isEmpty())
        return nullptr;
    // Margins a printer chosen earlier left behind are not this queue's.
    useQueuePaper(*printer, false, chosen);
    const int dpi = layoutResolution(*printer);
    auto target = std::make_unique<QPrinterTarget>(std::move(printer), dpi);
    target->setHeldJobHandler(&cancelHeldJob);
    target->setChosenMargins(chosen);
    return target;
}

std::unique_ptr<PrintTarget> defaultPrinterTarget()
{
    const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull())
        return nullptr;
    // Qt starts every printer on its own A4 page: take the queue's paper.
    auto printer = std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
    useQueuePaper(*printer, true);
    return printerTarget(std::move(printer));
}

std::unique_ptr<PrintTarget> startupPrinterTarget()
{
    auto lookup = [] {
        auto target = defaultPrinterTarget();
        // With no server there is no telling whether a default printer exists.
        if (!target && !cups::serverAnswers())
            throw EPrinter(kPrintServerDown);
        return target;
    };
    // Asked before each print: an administrator may make another queue the
    // default (lpadmin -d) while the program runs.
    auto stillDefault = [](const PrintTarget &found) {
        const auto *queue = dynamic_cast<const QPrinterTarget *>(&found);
        return queue && queue->printer().printerName() == QPrinterInfo::defaultPrinterName();
    };
    return std::make_unique<FirstUseTarget>(lookup, stillDefault);
}

namespace {

// The queue `printer` prints on, if it is one: chosen in the print set-up,
// or the default one found so far (looked up now with `lookUp`).
QPrinterTarget *queueOf(const TPrinter &printer, bool lookUp)
{
    PrintTarget *selected = printer.target();
    if (const auto *deferred = dynamic_cast<const FirstUseTarget *>(selected))
        selected = lookUp ? deferred->lookUp() : deferred->foundSoFar();
    return dynamic_cast<QPrinterTarget *>(selected);
}

bool sameMargins(const QMarginsF &a, const QMarginsF &b)
{
    constexpr double kPointsApart = 0.01;
    return std::abs(a.left() - b.left()) < kPointsApart && std::abs(a.top() - b.top()) < kPointsApart &&
           std::abs(a.right() - b.right()) < kPointsApart && std::abs(a.bottom() - b.bottom()) < kPointsApart;
}

} // namespace

std::unique_ptr<QPrinter> printerToSetUp(const TPrinter &printer)
{
    auto edited = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (const QPrinterTarget *current = queueOf(printer, false))
        copyPrinterSettings(current->printer(), *edited);
    return edited;
}

void checkServerForSetup()
{
    if (!cups::serverAnswers())
        throw EPrinter(kPrintSetupServerDown);
}

void runPrintSetup(TPrinter &printer, const std::function<bool(QPrinter &)> &dialog)
{
    // The dialog works on a copy: cancelling it leaves the printer untouched.
    auto chosen = printerToSetUp(printer);
    const QMarginsF offered = chosen->pageLayout().margins(QPageLayout::Point);
    const QPrinterTarget *current = queueOf(printer, false);
    std::optional<QMarginsF> margins = current ? current->chosenMargins() : std::nullopt;
    if (!dialog(*chosen))
        return;
    // Margins the user changed are a wish; the ones offered are the queue's
    // own, which the queue chosen now replaces with its own.
    if (const QMarginsF edited = chosen->pageLayout().margins(QPageLayout::Point); !sameMargins(edited, offered))
        margins = edited;
    // Confirmed with no destination (an empty list): later prints go to the
    // default printer, as after a start.
    auto target = printerTarget(std::move(chosen), margins);
    printer.setTarget(target ? std::move(target) : startupPrinterTarget());
}

OneCopyEach::OneCopyEach(TPrinter &printer) : queue_(nullptr)
{
    if (QPrinterTarget *queue = queueOf(printer, true)) {
        queue_ = &queue->printer();
        copies_ = queue_->copyCount();
        queue_->setCopyCount(1);
    }
}

OneCopyEach::~OneCopyEach()
{
    if (queue_)
        queue_->setCopyCount(copies_);
}

std::optional<PageSetup> pageSetupOf(const TPrinter &printer)
{
    if (const QPrinterTarget *queue = queueOf(printer, true))
        return PageSetup{queue->printer().pageLayout(), queue->dpi()};
    return std::nullopt;
}

std::optional<PageSetup> fileSetupOf(const TPrinter &printer)
{
    try {
        return pageSetupOf(printer);
    } catch (const EPrinter &) {
        // Looking the default queue up again failed, and none was found before.
        return std::nullopt;
    }
}

namespace {

// A part of a title or file name made safe for file names: path separators,
// the characters shells and file systems treat specially and control
// characters become spaces; no dot, dash or space first (no hidden file, no
// command option, no "..").
QString safePart(const QString &part)
{
    QString safe;
    for (const QChar c : part) {
        const bool unsafe = c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                            QStringView(u"/\\:*?\"<>|`$").contains(c);
        safe += unsafe ? QChar(u' ') : c;
    }
    safe = safe.simplified();
    while (!safe.isEmpty() && QStringView(u".- ").contains(safe.front()))
        safe.remove(0, 1);
    return safe;
}

// The safe, non-empty `parts` joined by plain hyphens, at most `longest`
// characters.
QString joinedSafely(const QStringList &parts, qsizetype longest)
{
    QStringList kept;
    for (const QString &part : parts)
        if (QString safe = safePart(part); !safe.isEmpty())
            kept << safe;
    QString joined = kept.join(QStringLiteral(" - "));
    if (joined.size() > longest) {
        joined.truncate(longest);
        if (joined.back().isHighSurrogate())
            joined.chop(1);
        joined = joined.trimmed();
    }
    return joined;
}

} // namespace

QString jobTitle(const QString &sheet, const QString &who)
{
    return joinedSafely({who, sheet, QStringLiteral("Gridora")}, 120);
}

QString pdfFileName(const QString &sheet, const QString &who)
{
    // Short enough for any file system's 255 bytes, in UTF-8 and with ".pdf".
    return joinedSafely({sheet, who}, 60) + QStringLiteral(".pdf");
}

void cancelHeldJob(const QString &queue, const QString &title)
{
    const QByteArray name = queue.toUtf8();
    const QByteArray wanted = title.toUtf8();
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_ACTIVE);
    for (int i = 0; i < count; ++i) {
        if (jobs[i].title && wanted == jobs[i].title)
            cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), jobs[i].id, 1);
    }
    cupsFreeJobs(count, jobs);
}

} // namespace gridora::print
