#include "qprinter_target.h"

#include "cups_queue.h"
#include "print_messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

namespace gridora {

namespace {
// The print engine property under which Qt's CUPS engine keeps the options
// that go with a job (the print dialog fills it from the printer's properties).
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Asked before a page is drawn, so that a queue that cannot print says so at
// once instead of after the page was made.
void checkQueueCanPrint(const QString &queue)
{
    const std::string name = queue.toStdString();
    switch (cups::queueState(name)) {
    case cups::QueueState::Ready: break;
    case cups::QueueState::Missing: throw EPrinter(kPrinterNotValid);
    case cups::QueueState::ServerDown: throw EPrinter(kPrintServerDown);
    case cups::QueueState::Stopped: throw EPrinter(queueStoppedText(name, cups::stateMessage(name)));
    case cups::QueueState::Rejecting: throw EPrinter(queueRejectingText(name, cups::stateMessage(name)));
    }
    // Qt prints an unknown queue on the default one instead: refuse it here.
    if (QPrinterInfo::printerInfo(queue).isNull())
        throw EPrinter(kPrinterNotValid);
}

// Qt hands the finished page to the server and drops the answer; the answer
// is still the last one this thread received.
void checkPageWasTaken(const QString &queue)
{
    const std::string refusal = cups::lastRefusal();
    if (refusal.empty())
        return;
    if (cups::lastRefusalWasNotAccepting())
        throw EPrinter(queueRejectingText(queue.toStdString(), cups::stateMessage(queue.toStdString())));
    if (!cups::serverAnswers())
        throw EPrinter(kPrintServerDown);
    throw EPrinter(pageRefusedText(refusal));
}
} // namespace

// The page of an open document. Opening the painter is what opens the job, so
// the page knows whether the printer accepted it.
class QPrinterTarget::Page : public PainterSurface {
public:
    using PainterSurface::PainterSurface;
    bool opened() { return painter().isActive(); }
};

QStringList cupsOptions(const QPrinter &printer)
{
    return printer.printEngine()->property(kCupsOptionsKey).toStringList();
}

void setCupsOptions(QPrinter &printer, const QStringList &options)
{
    printer.printEngine()->setProperty(kCupsOptionsKey, options);
}

void copyPrinterSettings(const QPrinter &from, QPrinter &to)
{
    // The queue first: choosing a queue resets what depends on it.
    if (from.outputFormat() == QPrinter::NativeFormat) {
        to.setOutputFormat(QPrinter::NativeFormat);
        to.setPrinterName(from.printerName());
    } else {
        to.setOutputFormat(QPrinter::PdfFormat);
        to.setOutputFileName(from.outputFileName());
    }
    to.setPageLayout(from.pageLayout());
    to.setCopyCount(from.copyCount());
    to.setCollateCopies(from.collateCopies());
    to.setDuplex(from.duplex());
    to.setColorMode(from.colorMode());
    to.setPageOrder(from.pageOrder());
    to.setDocName(from.docName());
    setCupsOptions(to, cupsOptions(from));
}

QPrinterTarget::QPrinterTarget(std::unique_ptr<QPrinter> printer, int dpi)
    : printer_(std::move(printer)), dpi_(dpi)
{
    printer_->setFullPage(false);
    printer_->setResolution(dpi_);
}

QPrinterTarget::~QPrinterTarget()
{
    abortDocument();
}

int QPrinterTarget::pageWidth() const
{
    return printer_->pageLayout().paintRectPixels(dpi_).width();
}

int QPrinterTarget::pageHeight() const
{
    return printer_->pageLayout().paintRectPixels(dpi_).height();
}

Surface &QPrinterTarget::beginDocument()
{
    if (printer_->outputFormat() == QPrinter::NativeFormat) {
        const QString queue = printer_->printerName();
        if (queue.isEmpty())
            throw EPrinter(kPrinterNotValid);
        checkQueueCanPrint(queue);
    } else if (printer_->outputFileName().isEmpty()) {
        throw EPrinter(kPrinterNotValid);
    }
    auto page = std::make_unique<Page>(printer_.get(), pageWidth(), pageHeight(), dpi_);
    if (!page->opened())
        throw EPrinter(kPrinterNotValid);
    page_ = std::move(page);
    return *page_;
}

void QPrinterTarget::newPage()
{
    if (!page_ || !printer_->newPage())
        throw EPrinter(kPrinterNotValid);
}

void QPrinterTarget::setTitle(const std::string &title)
{
    printer_->setDocName(QString::fromStdString(title));
}

void QPrinterTarget::endDocument()
{
    if (!page_)
        return;
    const auto page = std::move(page_);
    const bool finished = page->finish();
    if (printer_->outputFormat() == QPrinter::NativeFormat)
        checkPageWasTaken(printer_->printerName());
    if (!finished)
        throw EPrinter(kPrinterNotValid);
}

void QPrinterTarget::abortDocument()
{
    if (!page_)
        return;
    const auto page = std::move(page_);
    if (printer_->abort())
        return;
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        page->finish();
        QFile::remove(printer_->outputFileName());
        return;
    }
    const QString title = QStringLiteral("Gridora aborted page %1.%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(++aborted_);
    const QStringList options = cupsOptions(*printer_);
    const QString docName = printer_->docName();
    setCupsOptions(*printer_, options + QStringList{QStringLiteral("job-hold-until"), QStringLiteral("indefinite")});
    printer_->printEngine()->setProperty(QPrintEngine::PPK_DocumentName, title);
    page->finish();
    setCupsOptions(*printer_, options);
    printer_->printEngine()->setProperty(QPrintEngine::PPK_DocumentName, docName);
    if (heldJobHandler_)
        heldJobHandler_(printer_->printerName(), title);
}

} // namespace gridora
