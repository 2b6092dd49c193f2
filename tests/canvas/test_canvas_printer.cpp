// The canvas state, the trace it writes, and the printer's errors.
#include "printer.h"
#include "trace_lines.h"
#include "trace_surface.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace gridora;
using gridora::tracetest::splitLines;
using gridora::tracetest::traceOf;

namespace {

// What a new canvas draws with before anything is set, as drawn.
TEST(Canvas, StartsWithBlackOnePixelPenWhiteBrushEightPointFont)
{
    const auto lines = traceOf(20, 20, [](TCanvas &c) {
        c.MoveTo(1, 2);
        c.LineTo(5, 2);
        c.Rectangle(0, 0, 4, 4);
        c.TextOut(3, 3, "a");
    });
    const std::vector<std::string> expected = {"surface 20 20", "moveto 1 2", "lineto 5 2 #000000/1/solid",
                                               "rect 0 0 4 4 #000000/1/solid #ffffff", "text 3 3 8 \"a\""};
    EXPECT_EQ(lines, expected);
}

TEST(Canvas, TraceWritesOneLinePerCallWithThePenOfThatMoment)
{
    const auto lines = traceOf(357, 397, [](TCanvas &c) {
        c.MoveTo(-5, 7);
        c.Pen.Width = 2;
        c.Pen.Color = 0x808080;
        c.LineTo(300000, -4);
        c.Pen.Style = TPenStyle::psDot;
        c.Brush.Color = 0xFEFDC7;
        c.Rectangle(0, 1, 383, 525);
        c.Font.Size = 12;
        c.TextOut(10, 10, "Zoë \"Q\" \\ 日本");
        c.TextOut(1, 1, "");
        c.CopyRect({0, 0, 447, 215}, c, {0, 11, 450, 226});
    });
    const std::vector<std::string> expected = {
        "surface 357 397",
        "moveto -5 7",
        "lineto 300000 -4 #808080/2/solid",
        "rect 0 1 383 525 #808080/2/dot #fefdc7",
        "text 10 10 12 \"Zoë \\\"Q\\\" \\\\ 日本\"",
        "copyrect 0 0 447 215 0 11 450 226",
    };
    EXPECT_EQ(lines, expected);
}

TEST(Canvas, StateCarriesFromOneDrawingToTheNext)
{
    TCanvas canvas;
    traceOf(10, 10, [](TCanvas &c) { c.Pen.Width = 2; c.Pen.Color = clWhite; }, &canvas);
    const auto second = traceOf(10, 10, [](TCanvas &c) { c.Rectangle(0, 0, 10, 10); }, &canvas);
    EXPECT_EQ(second.back(), "rect 0 0 10 10 #ffffff/2/solid #ffffff");
}

TEST(Trace, JsonQuotingEscapesOnlyWhatJsonRequires)
{
    EXPECT_EQ(jsonQuoted("plain"), "\"plain\"");
    EXPECT_EQ(jsonQuoted("tab\there\nnew"), "\"tab\\there\\nnew\"");
    EXPECT_EQ(jsonQuoted(std::string("\x01", 1)), "\"\\u0001\"");
    EXPECT_EQ(jsonQuoted("né"), "\"né\"");
    EXPECT_EQ(colourText(0xABCDEF), "#abcdef");
}

// A target that refuses to open, as a queue that went away does.
class BrokenTarget : public PrintTarget {
public:
    int pageWidth() const override { return 100; }
    int pageHeight() const override { return 100; }
    Surface &beginDocument() override { throw EPrinter(kPrinterNotValid); }
    void endDocument() override {}
    void abortDocument() override {}
};

std::string errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EPrinter &e) {
        return e.what();
    }
    return "no error";
}

TEST(Printer, ReportsEachFailureWithItsExactText)
{
    TPrinter none;
    EXPECT_EQ(errorOf([&] { none.BeginDoc(); }), "There is no default printer currently selected");
    EXPECT_FALSE(none.Printing());

    TPrinter broken(std::make_unique<BrokenTarget>());
    EXPECT_EQ(errorOf([&] { broken.BeginDoc(); }), "Printer selected is not valid");
    EXPECT_FALSE(broken.Printing());

    std::ostringstream out;
    TPrinter busy(std::make_unique<TracePrintTarget>(out, 100, 200));
    busy.BeginDoc();
    busy.Canvas().MoveTo(1, 2);
    EXPECT_EQ(errorOf([&] { busy.BeginDoc(); }), "Printing in progress");
    // The running document is left alone and ends normally.
    EXPECT_TRUE(busy.Printing());
    busy.Canvas().LineTo(3, 4);
    busy.EndDoc();
    EXPECT_EQ(splitLines(out.str()),
              (std::vector<std::string>{"surface 100 200", "begindoc", "moveto 1 2",
                                        "lineto 3 4 #000000/1/solid", "enddoc"}));
}

TEST(Printer, AFailedDrawingDoesNotLeaveTheDocumentOpen)
{
    std::ostringstream out;
    TPrinter printer(std::make_unique<TracePrintTarget>(out, 100, 200));
    EXPECT_THROW(
        {
            PrintJob job(printer);
            throw std::runtime_error("drawing failed");
        },
        std::runtime_error);
    EXPECT_FALSE(printer.Printing());
    EXPECT_NO_THROW({
        PrintJob job(printer);
        job.finish();
    });
}

TEST(Printer, KeepsItsCanvasSettingsFromJobToJob)
{
    std::ostringstream out;
    TPrinter printer(std::make_unique<TracePrintTarget>(out, 50, 50));
    printer.BeginDoc();
    printer.Canvas().Pen.Width = 4;
    printer.Canvas().Font.Size = 5;
    printer.EndDoc();
    printer.BeginDoc();
    EXPECT_EQ(printer.Canvas().Pen.Width, 4);
    EXPECT_EQ(printer.Canvas().Font.Size, 5);
    printer.EndDoc();
}

TEST(Printer, ChangingTheTargetMidDocumentLetsTheDocumentFinish)
{
    std::ostringstream first, second;
    TPrinter printer(std::make_unique<TracePrintTarget>(first, 10, 10));
    printer.BeginDoc();
    printer.setTarget(std::make_unique<TracePrintTarget>(second, 20, 20));
    EXPECT_EQ(printer.PageWidth(), 10);
    printer.EndDoc();
    EXPECT_EQ(splitLines(first.str()).back(), "enddoc");
    EXPECT_EQ(printer.PageWidth(), 20);
    EXPECT_TRUE(second.str().empty());
}

} // namespace

namespace {

TEST(FirstUseTarget, LooksUpTheQueueAtTheFirstPrintAndKeepsIt)
{
    std::ostringstream out;
    int lookups = 0;
    bool available = false;
    TPrinter printer(std::make_unique<FirstUseTarget>([&]() -> std::unique_ptr<PrintTarget> {
        ++lookups;
        if (!available)
            return nullptr;
        return std::make_unique<TracePrintTarget>(out, 300, 400);
    }));
    EXPECT_EQ(lookups, 0); // nothing asked before a print
    EXPECT_EQ(errorOf([&] { printer.BeginDoc(); }), "There is no default printer currently selected");
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(lookups, 1);
    available = true; // a queue appears: the next print finds it
    printer.BeginDoc();
    EXPECT_EQ(printer.PageWidth(), 300);
    printer.EndDoc();
    printer.BeginDoc();
    printer.EndDoc();
    EXPECT_EQ(lookups, 2);
    EXPECT_EQ(splitLines(out.str()),
              (std::vector<std::string>{"surface 300 400", "begindoc", "enddoc", "surface 300 400", "begindoc",
                                        "enddoc"}));
}

// The desktop's default printer changes while the program runs: the next
// document goes to the new one; an open one stays where it is.
TEST(FirstUseTarget, LooksUpAgainOnceTheQueueFoundIsNoLongerCurrent)
{
    std::ostringstream out;
    int lookups = 0;
    int defaultWidth = 300;
    TPrinter printer(std::make_unique<FirstUseTarget>(
        [&]() -> std::unique_ptr<PrintTarget> {
            ++lookups;
            return std::make_unique<TracePrintTarget>(out, defaultWidth, 400);
        },
        [&](const PrintTarget &found) { return found.pageWidth() == defaultWidth; }));
    printer.BeginDoc();
    printer.EndDoc();
    printer.BeginDoc();
    EXPECT_EQ(lookups, 1);
    defaultWidth = 500; // while a document is open on the one found
    EXPECT_EQ(printer.PageWidth(), 300);
    printer.EndDoc();
    printer.BeginDoc();
    EXPECT_EQ(printer.PageWidth(), 500);
    printer.EndDoc();
    EXPECT_EQ(lookups, 2);
    EXPECT_EQ(splitLines(out.str()).at(6), "surface 500 400");
}

} // namespace
