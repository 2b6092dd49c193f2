#include "kinds.h"

#include "grid_sheets.h"
#include "millimetre_sheets.h"
#include "spacetime_sheets.h"
#include "translatable.h"

#include <stdexcept>

namespace gridora::kinds {

namespace {

// The three grid kinds and the unlisted one differ only in the grid sheets'
// own kind code.
template <int gridKind> void gridSample(TCanvas &canvas, const SampleArea &area, const SheetChoice &choice)
{
    gridpaper::drawGridSample(canvas, area.width, area.height, gridKind, choice.sizeChoice);
}

template <int gridKind> void gridPage(TPrinter &printer, const SheetChoice &choice, const std::string &name)
{
    gridpaper::drawGridPage(printer, gridKind, choice.sizeChoice, name);
}

// The moving frame's formulas hold below the speed of light only.
bool velocityInRange(int position)
{
    return position >= 0 && position <= spacetime::kMaxPosition;
}

int velocityPosition(const SheetChoice &choice)
{
    if (!velocityInRange(choice.position))
        throw std::invalid_argument("the velocity is 0.00 c to 0.90 c");
    return choice.position;
}

void spacetimeSample(TCanvas &canvas, const SampleArea &area, const SheetChoice &choice)
{
    spacetime::drawSpacetimeSample(canvas, area.width, area.height, velocityPosition(choice), area.windowWidth,
                                   area.windowHeight);
}

void spacetimePage(TPrinter &printer, const SheetChoice &choice, const std::string &name)
{
    spacetime::drawSpacetimePage(printer, velocityPosition(choice), name, choice.decimalSeparator);
}

// Millimetre paper has one size, the paper's own, and no velocity.
void millimetreSample(TCanvas &canvas, const SampleArea &area, const SheetChoice &)
{
    millimetre::drawMillimetreSample(canvas, area.width, area.height);
}

void millimetrePage(TPrinter &printer, const SheetChoice &, const std::string &name)
{
    millimetre::drawMillimetrePage(printer, name);
}

// The names and size labels are English, each marked for the catalogues
// (context "Kinds"), where the window and the browser look them up.
const Kind kKinds[] = {
    {"squared",
     GRIDORA_TRANSLATABLE("Kinds", "Squared"),
     {GRIDORA_TRANSLATABLE("Kinds", "10x15"), GRIDORA_TRANSLATABLE("Kinds", "10x15"),
      GRIDORA_TRANSLATABLE("Kinds", "10x15")},
     true, false, true, gridSample<gridpaper::kSquared>, gridPage<gridpaper::kSquared>},
    {"semilog",
     GRIDORA_TRANSLATABLE("Kinds", "Semi log"),
     {GRIDORA_TRANSLATABLE("Kinds", "10x1 cycle"), GRIDORA_TRANSLATABLE("Kinds", "10x2 cycle"),
      GRIDORA_TRANSLATABLE("Kinds", "10x3 cycle")},
     true, false, false, gridSample<gridpaper::kSemiLog>, gridPage<gridpaper::kSemiLog>},
    {"log",
     GRIDORA_TRANSLATABLE("Kinds", "Log"),
     {GRIDORA_TRANSLATABLE("Kinds", "1x1"), GRIDORA_TRANSLATABLE("Kinds", "2x2"), GRIDORA_TRANSLATABLE("Kinds", "3x3")},
     true, false, false, gridSample<gridpaper::kLog>, gridPage<gridpaper::kLog>},
    {"spacetime", GRIDORA_TRANSLATABLE("Kinds", "Spacetime"), {"", "", ""}, false, true, false, spacetimeSample,
     spacetimePage},
    {"millimetre", GRIDORA_TRANSLATABLE("Kinds", "Millimetre"), {"", "", ""}, false, false, false, millimetreSample,
     millimetrePage},
};

const Kind kUnlisted{"", "", {"", "", ""}, true, false, false, gridSample<-1>, gridPage<-1>};

} // namespace

std::span<const Kind> all()
{
    return kKinds;
}

bool isKindIndex(int index)
{
    return index == kNoEntry || (index >= 0 && static_cast<std::size_t>(index) < all().size());
}

const Kind &kindAt(int index)
{
    if (!isKindIndex(index))
        throw std::out_of_range("there is no kind of paper " + std::to_string(index));
    return index == kNoEntry ? kUnlisted : all()[static_cast<std::size_t>(index)];
}

std::optional<int> indexOfId(std::string_view id)
{
    for (std::size_t i = 0; i < all().size(); ++i)
        if (all()[i].id == id)
            return static_cast<int>(i);
    return std::nullopt;
}

bool canDraw(const SheetChoice &choice)
{
    return isKindIndex(choice.kind) && (!kindAt(choice.kind).hasVelocity || velocityInRange(choice.position));
}

void drawSample(TCanvas &canvas, const SampleArea &area, const SheetChoice &choice)
{
    kindAt(choice.kind).drawSample(canvas, area, choice);
}

void drawPage(TPrinter &printer, const SheetChoice &choice, const std::string &name)
{
    kindAt(choice.kind).drawPage(printer, choice, name);
}

void printPage(TPrinter &printer, const SheetChoice &choice, const std::string &name)
{
    const Kind &kind = kindAt(choice.kind);
    PrintJob job(printer);
    kind.drawPage(printer, choice, name);
    job.finish();
}

} // namespace gridora::kinds
