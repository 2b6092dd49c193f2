#pragma once
// The one printer of a run: a document of pages on whatever target is selected,
// drawn through a canvas that keeps its pen, brush and font from job to job.

#include "canvas.h"
#include "message.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace gridora {

/// A printer failure: message() is what the user is told, in the window's
/// language; what() the same in English, as gridora-sheet says it.
class EPrinter : public std::runtime_error {
public:
    explicit EPrinter(Message message) : std::runtime_error(message.english()), message_(std::move(message)) {}
    /// One of the printer's marked texts ("Messages"), such as kPrinterNotValid.
    explicit EPrinter(const char *text) : EPrinter(Message::words(kMessages, text)) {}

    const Message &message() const { return message_; }

    /// The catalogue's context of every printer message.
    static constexpr const char *kMessages = "Messages";

private:
    Message message_;
};

inline constexpr const char *kNoDefaultPrinter =
    GRIDORA_TRANSLATABLE("Messages", "There is no default printer currently selected");
inline constexpr const char *kPrinterNotValid = GRIDORA_TRANSLATABLE("Messages", "Printer selected is not valid");
inline constexpr const char *kPrintingInProgress = GRIDORA_TRANSLATABLE("Messages", "Printing in progress");
inline constexpr const char *kPrintingNotInProgress = GRIDORA_TRANSLATABLE("Messages", "Printing not in progress");
inline constexpr const char *kOnePageOnly = GRIDORA_TRANSLATABLE("Messages", "This kind of file holds one page only");
inline constexpr const char *kPageNotWritten = GRIDORA_TRANSLATABLE("Messages", "The page could not be written");

/// Where a document goes: a real printer queue, a PDF or SVG file, an image,
/// or a recorder. A document holds one page unless newPage adds more.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    /// The printable area in device pixels; the page's origin is its top-left.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    /// Opens the document; throws EPrinter when the target cannot be opened.
    virtual Surface &beginDocument() = 0;
    /// Ends the page of the open document and starts the next one, drawn on
    /// the same surface. Throws EPrinter when the target holds one page only.
    virtual void newPage() { throw EPrinter(kOnePageOnly); }
    /// Finishes and sends the document; throws EPrinter when that fails.
    virtual void endDocument() = 0;
    /// Drops an open document without sending it.
    virtual void abortDocument() = 0;
    /// The title the next document goes out under, where the target keeps
    /// one (a print queue's job title, a PDF's title).
    virtual void setTitle(const std::string &title) { (void)title; }
};

/// A target looked up when a document first needs it, not when the program
/// starts: asking the print system for its default queue takes tens of
/// milliseconds. Until a lookup finds a queue, each use asks again, and with
/// none the use fails as a missing printer does. A queue once found stays,
/// unless `stillCurrent` says before a document that it is no longer the one a
/// lookup finds (the desktop's default printer has changed): then the
/// document goes to the one found now.
class FirstUseTarget : public PrintTarget {
public:
    using Lookup = std::function<std::unique_ptr<PrintTarget>()>;
    using StillCurrent = std::function<bool(const PrintTarget &found)>;
    explicit FirstUseTarget(Lookup lookup, StillCurrent stillCurrent = {})
        : lookup_(std::move(lookup)), stillCurrent_(std::move(stillCurrent))
    {
    }

    int pageWidth() const override { return found().pageWidth(); }
    int pageHeight() const override { return found().pageHeight(); }
    Surface &beginDocument() override;
    void newPage() override { found().newPage(); }
    void setTitle(const std::string &title) override { title_ = title; }
    void endDocument() override;
    void abortDocument() override;

    /// The queue found so far, if any and still current, without looking it up.
    PrintTarget *foundSoFar() const;
    /// The queue, looked up now if none has been found yet or the one found
    /// is no longer current; null when there is none. When looking up fails,
    /// the queue found before, if there is one.
    PrintTarget *lookUp() const;

private:
    PrintTarget &found() const;
    bool current() const { return target_ && (!stillCurrent_ || stillCurrent_(*target_)); }

    Lookup lookup_;
    StillCurrent stillCurrent_;
    std::string title_;
    bool open_ = false; // a document is open on the queue found
    mutable std::unique_ptr<PrintTarget> target_;
};

class TPrinter {
public:
    TPrinter() = default;
    explicit TPrinter(std::unique_ptr<PrintTarget> target) : target_(std::move(target)) {}
    ~TPrinter();
    TPrinter(const TPrinter &) = delete;
    TPrinter &operator=(const TPrinter &) = delete;

    /// Selects where later documents go; null means there is no printer at all.
    /// A document that is open keeps its target until it ends.
    void setTarget(std::unique_ptr<PrintTarget> target);
    PrintTarget *target() const { return target_.get(); }

    /// The title of the documents begun from now on.
    std::string Title;

    void BeginDoc();
    /// Ends the page and starts the next page of the same document; the
    /// canvas keeps its pen, brush and font. Throws EPrinter when no document
    /// is open or the target holds one page only.
    void NewPage();
    void EndDoc();
    /// Ends an open document without sending it; harmless when none is open.
    void Abort();
    bool Printing() const { return active_ != nullptr; }

    int PageWidth() const;
    int PageHeight() const;
    TCanvas &Canvas() { return canvas_; }

private:
    const PrintTarget &selected() const;

    std::unique_ptr<PrintTarget> target_;
    std::unique_ptr<PrintTarget> retired_; // replaced while its document was open
    PrintTarget *active_ = nullptr;
    TCanvas canvas_;
};

/// Keeps a document from staying open when drawing it fails part-way: without
/// this, every later print would be refused as "Printing in progress".
class PrintJob {
public:
    explicit PrintJob(TPrinter &printer) : printer_(printer) { printer_.BeginDoc(); }
    ~PrintJob()
    {
        if (!finished_)
            printer_.Abort();
    }
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    void finish()
    {
        finished_ = true;
        printer_.EndDoc();
    }

private:
    TPrinter &printer_;
    bool finished_ = false;
};

} // namespace gridora
