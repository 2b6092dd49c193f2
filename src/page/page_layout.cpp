#include "page_layout.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace gridora::page {

namespace {

// Whole device pixels in `units` of `perInch` to the inch at `dpi`, truncated.
long long pixels(long long units, int perInch, int dpi)
{
    return units * dpi / perInch;
}

constexpr int kHundredthsOfMmPerInch = 2540;

} // namespace

const Paper *paperNamed(std::string_view name)
{
    const auto found = std::find_if(kPapers.begin(), kPapers.end(), [&](const Paper &p) { return p.name == name; });
    return found == kPapers.end() ? nullptr : &*found;
}

const Paper &usualPaperIn(std::string_view region)
{
    static constexpr std::string_view kLetterRegions[] = {"US", "CA", "MX", "PH", "BZ", "CL", "CO",
                                                         "CR", "GT", "NI", "PA", "PR", "SV", "VE"};
    const bool letter = std::find(std::begin(kLetterRegions), std::end(kLetterRegions), region) !=
                        std::end(kLetterRegions);
    return letter ? *paperNamed("letter") : kA4;
}

int PageLayout::unitsAcross() const
{
    return orientation == Orientation::Landscape ? paper.height : paper.width;
}

int PageLayout::unitsDown() const
{
    return orientation == Orientation::Landscape ? paper.width : paper.height;
}

std::optional<PageLayout> layOut(const Paper &paper, Orientation orientation, int margin, int dpi)
{
    if (dpi < 1 || dpi > kMaxDpi || margin < 0 || margin > kMaxMargin || paper.width < 1 || paper.height < 1 ||
        paper.perInch < 1)
        return std::nullopt;
    PageLayout layout{paper, orientation, dpi};
    // The sheet and the margin are each truncated to whole pixels; the
    // printable area is what two margins leave of the sheet.
    const long long across = pixels(layout.unitsAcross(), paper.perInch, dpi);
    const long long down = pixels(layout.unitsDown(), paper.perInch, dpi);
    if (across > INT_MAX || down > INT_MAX)
        return std::nullopt;
    const long long edge = pixels(margin, kHundredthsOfMmPerInch, dpi);
    layout.sheetWidth = static_cast<int>(across);
    layout.sheetHeight = static_cast<int>(down);
    layout.margin = static_cast<int>(edge);
    layout.width = static_cast<int>(std::max(across - 2 * edge, 0LL));
    layout.height = static_cast<int>(std::max(down - 2 * edge, 0LL));
    return layout;
}

} // namespace gridora::page
