#pragma once
// The real printer: a print target over QPrinter, normally a CUPS queue. Each
// document is one page, sent without a dialog, laid out in device pixels of
// the printer's printable area at the resolution the caller names (the queue's
// own default, not Qt's fixed 1200 dots per inch).

#include "painter_surface.h"
#include "printer.h"

#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace gridora {

class QPrinterTarget : public PrintTarget {
public:
    /// Takes over `printer`, already pointed at its queue (or at a PDF file)
    /// with its paper, copies and options, and lays pages out at `dpi`.
    QPrinterTarget(std::unique_ptr<QPrinter> printer, int dpi);
    ~QPrinterTarget() override;
    QPrinterTarget(const QPrinterTarget &) = delete;
    QPrinterTarget &operator=(const QPrinterTarget &) = delete;

    int pageWidth() const override;
    int pageHeight() const override;

    /// Throws EPrinter(kPrinterNotValid) when the queue has gone away since it
    /// was chosen (Qt would silently print on the default one instead) or when
    /// the printer refuses to open.
    Surface &beginDocument() override;
    /// A page more in the same job.
    void newPage() override;
    void endDocument() override;
    /// The job's title at the print server, and the title of a PDF written.
    void setTitle(const std::string &title) override;
    /// Queues do not take back what they have been given, so an aborted page is
    /// handed over on hold under a title of its own and the held-job handler is
    /// asked to cancel it there. A PDF file that was being written is removed.
    void abortDocument() override;

    const QPrinter &printer() const { return *printer_; }
    QPrinter &printer() { return *printer_; }
    int dpi() const { return dpi_; }

    /// The margins the user chose in the print set-up (points), where they
    /// are wider than the queue's printable area; empty when none were chosen.
    const std::optional<QMarginsF> &chosenMargins() const { return chosenMargins_; }
    void setChosenMargins(const std::optional<QMarginsF> &margins) { chosenMargins_ = margins; }

    using HeldJobHandler = std::function<void(const QString &queue, const QString &title)>;
    void setHeldJobHandler(HeldJobHandler handler) { heldJobHandler_ = std::move(handler); }

private:
    class Page;

    std::unique_ptr<QPrinter> printer_;
    int dpi_;
    std::unique_ptr<Page> page_;
    HeldJobHandler heldJobHandler_;
    int aborted_ = 0;
    std::optional<QMarginsF> chosenMargins_;
};

/// The CUPS options (name, value, name, value, ...) a print dialog stored on
/// `printer`, such as "Resolution", "600dpi" from the printer's own properties.
QStringList cupsOptions(const QPrinter &printer);
void setCupsOptions(QPrinter &printer, const QStringList &options);

/// Copies what a print dialog can change: the queue or output file, paper and
/// margins, orientation, copies, collation, duplex, colour and the queue's own
/// options. The resolution is left alone.
void copyPrinterSettings(const QPrinter &from, QPrinter &to);

} // namespace gridora
