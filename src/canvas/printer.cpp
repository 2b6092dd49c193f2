#include "printer.h"

namespace gridora {

PrintTarget &FirstUseTarget::found() const
{
    if (!target_)
        target_ = lookup_();
    if (!target_)
        throw EPrinter(kNoDefaultPrinter);
    return *target_;
}

Surface &FirstUseTarget::beginDocument()
{
    if (!current())
        target_ = lookup_();
    if (!target_)
        throw EPrinter(kNoDefaultPrinter);
    PrintTarget &queue = *target_;
    queue.setTitle(title_);
    Surface &page = queue.beginDocument();
    open_ = true;
    return page;
}

void FirstUseTarget::endDocument()
{
    open_ = false;
    found().endDocument();
}

void FirstUseTarget::abortDocument()
{
    open_ = false;
    if (target_)
        target_->abortDocument();
}

PrintTarget *FirstUseTarget::foundSoFar() const
{
    return current() ? target_.get() : nullptr;
}

PrintTarget *FirstUseTarget::lookUp() const
{
    if (open_ || current())
        return target_.get();
    try {
        target_ = lookup_();
    } catch (const EPrinter &) {
        if (!target_)
            throw;
    }
    return target_.get();
}

TPrinter::~TPrinter()
{
    Abort();
}

void TPrinter::setTarget(std::unique_ptr<PrintTarget> target)
{
    if (active_ && active_ == target_.get())
        retired_ = std::move(target_);
    target_ = std::move(target);
}

const PrintTarget &TPrinter::selected() const
{
    if (!target_)
        throw EPrinter(kNoDefaultPrinter);
    return *target_;
}

void TPrinter::BeginDoc()
{
    if (active_)
        throw EPrinter(kPrintingInProgress);
    selected();
    target_->setTitle(Title);
    Surface &page = target_->beginDocument();
    active_ = target_.get();
    canvas_.setSurface(&page);
}

void TPrinter::NewPage()
{
    if (!active_)
        throw EPrinter(kPrintingNotInProgress);
    active_->newPage();
}

void TPrinter::EndDoc()
{
    if (!active_)
        return;
    PrintTarget *job = active_;
    active_ = nullptr;
    canvas_.setSurface(nullptr);
    // A target replaced mid-document lives until its document is sent.
    const std::unique_ptr<PrintTarget> retired = std::move(retired_);
    job->endDocument();
}

void TPrinter::Abort()
{
    if (!active_)
        return;
    PrintTarget *job = active_;
    active_ = nullptr;
    canvas_.setSurface(nullptr);
    const std::unique_ptr<PrintTarget> retired = std::move(retired_);
    job->abortDocument();
}

int TPrinter::PageWidth() const
{
    return active_ ? active_->pageWidth() : selected().pageWidth();
}

int TPrinter::PageHeight() const
{
    return active_ ? active_->pageHeight() : selected().pageHeight();
}

} // namespace gridora
