#pragma once
// The kinds of paper Gridora draws, in the order the kind box lists them: the
// id gridora-sheet and the browser know each by, the name a user reads, the
// size box's entries, whether the velocity bar takes the size box's place, and
// how its sample and its page are drawn. The window, gridora-sheet, the class
// set and the browser take everything they know about kinds from this table,
// so a new kind is a row here and a folder of its own.

#include "printer.h"
#include "sheet_constants.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace gridora::kinds {

/// The size box offers this many entries for every kind.
inline constexpr int kSizeChoices = 3;
using SizeLabels = std::array<std::string_view, kSizeChoices>;

/// The kind box's index when its typed text matches no entry. It draws what
/// the grid sheets draw for their kind code -1: the linear verticals only.
inline constexpr int kNoEntry = -1;

/// What the window's controls hold: the kind box's index (an index of all(),
/// or kNoEntry), the size box's index (0..2; -1 as for kNoEntry) and the
/// velocity position in hundredths of c.
struct SheetChoice {
    int kind = 0;
    int sizeChoice = 0;
    int position = 60;
    /// How a page writes the velocity's decimals: as the reader's language
    /// does ("0,60" in German).
    std::string decimalSeparator = ".";
};

/// Where a sample is drawn: a picture of width × height pixels in a window
/// whose outer size the spacetime sample's erase rectangle spans. Without a
/// window (gridora-sheet, the browser) that is the window's usual size.
struct SampleArea {
    int width = sheets::kSampleWidth;
    int height = sheets::kSampleHeight;
    int windowWidth = sheets::kWindowWidth;
    int windowHeight = sheets::kWindowHeight;
};

struct Kind {
    /// gridora-sheet's --kind and the browser's name for it: "squared".
    std::string_view id;
    /// The kind box's entry, the name a user reads: "Squared". Every such
    /// text is in the table, in one place, for a translation to mark.
    std::string_view name;
    /// The size box's entries; a kind without sizes has empty ones.
    SizeLabels sizeLabels;
    /// The size box is shown for it (for the logarithmic kinds its entries
    /// are 1 to 3 decades, gridora-sheet's --decades).
    bool hasSizes;
    /// The velocity bar is shown for it, in place of the size box, and the
    /// window redraws its sample before printing its page rather than after.
    bool hasVelocity;
    /// Turned sideways, its cells stop being square and become long
    /// rectangles: the page says so where the paper can be turned.
    bool longCellsSideways;
    /// Clears the picture and draws the sample, on the canvas as the
    /// previous sample left it.
    void (*drawSample)(TCanvas &canvas, const SampleArea &area, const SheetChoice &choice);
    /// Draws the page, with `name` in its corner, on the printer's open
    /// document: a single page and each page of a class set.
    void (*drawPage)(TPrinter &printer, const SheetChoice &choice, const std::string &name);
};

/// Every kind, in the kind box's order: the index of a kind is its SheetChoice::kind.
std::span<const Kind> all();

/// Whether `index` is an index of all() or kNoEntry.
bool isKindIndex(int index);

/// The kind at `index` of all(), or for kNoEntry the grid sheets' unlisted
/// kind (empty id, name and size labels; sizes, no velocity). Throws
/// std::out_of_range for any other index: no front-end reaches a kind the
/// table does not have.
const Kind &kindAt(int index);

/// The index of the kind with this id, if any.
std::optional<int> indexOfId(std::string_view id);

/// Whether drawSample and drawPage take the choice: a kind index the table
/// has (or kNoEntry) and, for a kind with a velocity, a velocity in range.
/// For callers that cannot catch exceptions (the browser's entry points).
bool canDraw(const SheetChoice &choice);

/// The chosen kind's sample (see Kind::drawSample). Throws std::out_of_range
/// for a kind index the table does not have and std::invalid_argument for a
/// velocity outside the kind's range.
void drawSample(TCanvas &canvas, const SampleArea &area, const SheetChoice &choice);

/// The chosen kind's page on the printer's open document. Throws as drawSample does.
void drawPage(TPrinter &printer, const SheetChoice &choice, const std::string &name);

/// drawPage's page as a document of its own. Throws EPrinter when the document
/// cannot be opened, and as drawSample does; a kind the table does not have
/// opens none, and a document whose drawing fails is dropped unsent.
void printPage(TPrinter &printer, const SheetChoice &choice, const std::string &name);

} // namespace gridora::kinds
