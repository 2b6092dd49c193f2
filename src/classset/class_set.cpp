#include "class_set.h"

namespace gridora::classset {

SetOutcome printClassSet(TPrinter &printer, const SheetChoice &sheet, const std::vector<std::string> &names,
                         const Progress &progress)
{
    const kinds::Kind &kind = kinds::kindAt(sheet.kind);
    PrintJob job(printer);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            printer.NewPage();
        kind.drawPage(printer, sheet, names[i]);
        // The job's destructor drops the document unsent.
        if (progress && !progress(i + 1, names.size()))
            return SetOutcome::Cancelled;
    }
    job.finish();
    return SetOutcome::Printed;
}

} // namespace gridora::classset
