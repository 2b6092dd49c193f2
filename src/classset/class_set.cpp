#include "class_set.h"

#include "grid_sheets.h"
#include "spacetime_sheets.h"

namespace gridora::classset {

namespace {
constexpr int kSpacetime = 3;
}

void drawSheetPage(TPrinter &printer, const SheetChoice &sheet, const std::string &name)
{
    if (sheet.kind >= kSpacetime)
        spacetime::drawSpacetimePage(printer, sheet.position, name);
    else
        gridpaper::drawGridPage(printer, sheet.kind, sheet.sizeChoice, name);
}

SetOutcome printClassSet(TPrinter &printer, const SheetChoice &sheet, const std::vector<std::string> &names,
                         const Progress &progress)
{
    PrintJob job(printer);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            printer.NewPage();
        drawSheetPage(printer, sheet, names[i]);
        // The job's destructor drops the document unsent.
        if (progress && !progress(i + 1, names.size()))
            return SetOutcome::Cancelled;
    }
    job.finish();
    return SetOutcome::Printed;
}

} // namespace gridora::classset
