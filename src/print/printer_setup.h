#pragma once
// Which printer the program prints on: the desktop's default queue at start,
// or whatever the print set-up dialog chose, laid out at the resolution the
// queue itself reports.

#include "printer.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace gridora::print {

/// The layout resolution when a queue names none, and for PDF files.
inline constexpr int kFallbackDpi = 300;

/// A resolution as a printer reports it, in dots per inch or per centimetre,
/// in dots per inch (rounded to the nearest).
int dotsPerInch(int value, bool perCentimetre);

/// The default resolution a CUPS queue reports (its driver's DefaultResolution),
/// in dots per inch; 0 when the queue or the value is unknown.
int queueDefaultResolution(const QString &queue);

/// The resolution a "Resolution" option such as "600dpi" or "600x300dpi" asks
/// for (the horizontal one), in dots per inch; 0 when there is no usable one.
int resolutionOption(const QStringList &cupsOptions);

/// What a page on `printer` is laid out at: the resolution chosen among its
/// queue options, else the queue's default, else kFallbackDpi.
int layoutResolution(const QPrinter &printer);

/// The queue's own paper as the print server reports it: its default paper
/// when `size` is invalid, else the paper matching `size`, each with the
/// printable area the queue has on it (margins in points, portrait). Empty
/// when the server knows no such queue or paper.
std::optional<QPageLayout> queuePaper(const QString &queue, const QPageSize &size = {});

/// Lays `printer` out on its queue's own printable area for the paper it is
/// set to (in its orientation), whatever margins it carried before, or inside
/// the `chosen` margins (points, in that orientation) where they are wider;
/// with `defaultPaper`, on the queue's default paper too. Files keep their
/// layout.
void useQueuePaper(QPrinter &printer, bool defaultPaper, const std::optional<QMarginsF> &chosen = {});

/// A target printing on what `printer` is set up for, laid out on the
/// printable area of its queue (inside the `chosen` margins where they are
/// wider), or null when it has no destination at all (no queue and no file):
/// there is then no printer.
std::unique_ptr<PrintTarget> printerTarget(std::unique_ptr<QPrinter> printer,
                                           const std::optional<QMarginsF> &chosen = {});

/// The target for the desktop's default queue, or null when there is none.
std::unique_ptr<PrintTarget> defaultPrinterTarget();

/// The program's printer target: the desktop's default queue, looked up at
/// the first print rather than at start (asking CUPS takes longer than drawing
/// the whole window), and again at a later print once another queue has
/// become the default.
std::unique_ptr<PrintTarget> startupPrinterTarget();

/// The print set-up: `dialog` edits a copy of the settings of the queue
/// `printer` prints on and returns true when the user confirms; that queue
/// and those settings then serve every later print (with no queue chosen,
/// the desktop's default does, as at start). Margins the user changed are
/// kept, never narrower than the queue's printable area.
void runPrintSetup(TPrinter &printer, const std::function<bool(QPrinter &)> &dialog);

/// Throws EPrinter saying so when no print server answers: the print set-up
/// dialog would show an empty list of printers and not say why.
void checkServerForSetup();

/// While it lives, documents on the queue `printer` prints on go out as one
/// copy each, whatever number of copies the print set-up holds: a class set
/// is already a sheet per pupil.
class OneCopyEach {
public:
    explicit OneCopyEach(TPrinter &printer);
    ~OneCopyEach();
    OneCopyEach(const OneCopyEach &) = delete;
    OneCopyEach &operator=(const OneCopyEach &) = delete;

private:
    QPrinter *queue_ = nullptr;
    int copies_ = 1;
};

/// A printer for the print set-up dialog to edit: carrying the settings of the
/// queue or file `printer` prints on, or the defaults while it has none yet
/// (the program's default queue is not looked up just to set it up). Editing
/// it leaves `printer` untouched.
std::unique_ptr<QPrinter> printerToSetUp(const TPrinter &printer);

/// The paper, margins and resolution pages on a queue are laid out with.
struct PageSetup {
    QPageLayout layout;
    int dpi = kFallbackDpi;
};

/// The page set-up of the queue `printer` prints on, the program's default
/// queue looked up now if it has not been yet; empty when there is no queue.
std::optional<PageSetup> pageSetupOf(const TPrinter &printer);

/// The page set-up a PDF file is laid out with: pageSetupOf, or when the
/// print server does not answer, that of the queue found before it stopped;
/// empty when no queue is known. A file needs no printer.
std::optional<PageSetup> fileSetupOf(const TPrinter &printer);

/// The title a job goes to the print server with, and a PDF file's title:
/// the pupil's name (or "Class set"), the sheet and the program, such as
/// "Ann Smith - Log 2x2 - Gridora". The name comes first, so that a queue or a
/// PDF printer that shortens titles keeps it whole; the parts are joined by
/// plain hyphens, which PDF printers keep in file names; empty parts are left
/// out. Made safe for the file name a PDF printer makes of it: no path
/// separators, no control or shell-special characters, at most 120
/// characters.
QString jobTitle(const QString &sheet, const QString &who);

/// The name a PDF file of the sheet is offered under, made safe as a job
/// title is: "Squared 10x15 - Ann Smith.pdf", "Millimetre.pdf" without a name.
QString pdfFileName(const QString &sheet, const QString &who);

/// Cancels this user's active job titled `title` on `queue`, if there is one.
void cancelHeldJob(const QString &queue, const QString &title);

} // namespace gridora::print
