#pragma once
// The printed page: the papers Gridora knows and where a sheet's printable
// area lies on one at a printer's resolution. Sizes are exact whole numbers of
// their own unit and every pixel count is a truncation, so that a choice of
// paper gives the same pixels in gridora-sheet, the window's PDF files and the
// browser. Plain C++, no Qt.

#include <array>
#include <optional>
#include <string_view>

namespace gridora::page {

/// A paper, upright, in exact whole units: tenths of a millimetre (254 to the
/// inch) for the metric papers, hundredths of an inch (100) for the others.
struct Paper {
    std::string_view name;  // as gridora-sheet's --paper and the browser store it: "a4"
    std::string_view label; // as the user reads it: "A4"
    int width = 0;
    int height = 0;
    int perInch = 0; // units per inch
};

/// The papers offered, in the order the browser's Paper box lists them.
inline constexpr std::array<Paper, 4> kPapers{{
    {"a4", "A4", 2100, 2970, 254},
    {"letter", "Letter", 850, 1100, 100},
    {"a3", "A3", 2970, 4200, 254},
    {"legal", "Legal", 850, 1400, 100},
}};
inline constexpr const Paper &kA4 = kPapers[0];

/// The paper called `name` ("a4", "letter", ...), or null.
const Paper *paperNamed(std::string_view name);

/// The paper usual in a region (an ISO 3166 code such as "US"): Letter in the
/// Americas where it is the ordinary paper and in the Philippines, A4
/// everywhere else, an unknown or empty region included. The browser's first
/// paint (web/page-settings.js) keeps the same list, as it runs before the
/// core has loaded.
const Paper &usualPaperIn(std::string_view region);

enum class Orientation { Portrait, Landscape };

/// Margins are whole hundredths of a millimetre. A quarter of an inch is what
/// ordinary office printers reach: the margin whenever the printer cannot be
/// asked for its own.
inline constexpr int kQuarterInchMargin = 635;
inline constexpr int kMaxMargin = 5000;

/// The resolution a page is laid out at when nothing says otherwise, the
/// resolutions offered where the printer cannot be asked, and the highest
/// taken.
inline constexpr int kDefaultDpi = 600;
inline constexpr std::array<int, 3> kOfferedResolutions{300, 600, 1200};
inline constexpr int kMaxDpi = 100000;

/// A paper laid out at a resolution: the whole sheet and the printable area a
/// margin in from every edge, in device pixels.
struct PageLayout {
    Paper paper;
    Orientation orientation = Orientation::Portrait;
    int dpi = 0;
    int sheetWidth = 0; // the whole sheet as it lies, truncated
    int sheetHeight = 0;
    int margin = 0; // from each edge to the printable area, truncated
    int width = 0;  // the printable area: the sheet less a margin on
    int height = 0; // each side; 0 where the margins leave nothing

    /// The sheet as it lies, in the paper's units.
    int unitsAcross() const;
    int unitsDown() const;
};

/// `paper` turned to `orientation` at `dpi`, `margin` hundredths of a
/// millimetre in from every edge. Empty when `dpi` is outside 1..kMaxDpi,
/// `margin` outside 0..kMaxMargin, or the paper has no size.
std::optional<PageLayout> layOut(const Paper &paper, Orientation orientation, int margin, int dpi);

} // namespace gridora::page
