#include "printer_setup.h"

#include "cups_queue.h"
#include "print_messages.h"
#include "qprinter_target.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <cups/cups.h>

#include <cmath>

namespace gridora::print {

int queueDefaultResolution(const QString &queue)
{
    if (queue.isEmpty())
        return 0;
    const QByteArray name = queue.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return 0;
    int dpi = 0;
    if (cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        // "printer-resolution-default", which CUPS fills from the driver.
        if (ipp_attribute_t *value = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
            int vertical = 0;
            ipp_res_t units = IPP_RES_PER_INCH;
            const int horizontal = ippGetResolution(value, 0, &vertical, &units);
            dpi = units == IPP_RES_PER_CM ? static_cast<int>(std::lround(horizontal * 2.54)) : horizontal;
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
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

std::unique_ptr<PrintTarget> printerTarget(std::unique_ptr<QPrinter> printer)
{
    if (!printer)
        return nullptr;
    const bool toQueue = printer->outputFormat() == QPrinter::NativeFormat;
    if (toQueue ? printer->printerName().isEmpty() : printer->outputFileName().isEmpty())
        return nullptr;
    const int dpi = layoutResolution(*printer);
    auto target = std::make_unique<QPrinterTarget>(std::move(printer), dpi);
    target->setHeldJobHandler(&cancelHeldJob);
    return target;
}

std::unique_ptr<PrintTarget> defaultPrinterTarget()
{
    const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull())
        return nullptr;
    return printerTarget(std::make_unique<QPrinter>(queue, QPrinter::HighResolution));
}

std::unique_ptr<PrintTarget> startupPrinterTarget()
{
    return std::make_unique<FirstUseTarget>([] {
        auto target = defaultPrinterTarget();
        // With no server there is no telling whether a default printer exists.
        if (!target && !cups::serverAnswers())
            throw EPrinter(kPrintServerDown);
        return target;
    });
}

std::unique_ptr<QPrinter> printerToSetUp(const TPrinter &printer)
{
    auto edited = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const PrintTarget *selected = printer.target();
    if (const auto *deferred = dynamic_cast<const FirstUseTarget *>(selected))
        selected = deferred->foundSoFar();
    if (const auto *current = dynamic_cast<const QPrinterTarget *>(selected))
        copyPrinterSettings(current->printer(), *edited);
    return edited;
}

std::optional<PageSetup> pageSetupOf(const TPrinter &printer)
{
    const PrintTarget *target = printer.target();
    if (const auto *deferred = dynamic_cast<const FirstUseTarget *>(target))
        target = deferred->lookUp();
    if (const auto *queue = dynamic_cast<const QPrinterTarget *>(target))
        return PageSetup{queue->printer().pageLayout(), queue->dpi()};
    return std::nullopt;
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
