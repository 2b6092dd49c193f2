// Every kind of the table, sample and page, with any page size gridora-sheet
// accepts (1..20000 pixels a side), any velocity position 0..90, any kind
// index and size choice the table takes (-1 included) and whatever pen the
// canvas held before.
// Small pictures and pages are drawn on guarded images, which nothing may
// touch outside the picture; large ones on the recorder or a PDF page, never
// on an image of that size. Printing throws only the documented EPrinter
// cases and never leaves a document open.

#include "file_targets.h"
#include "fuzz_support.h"
#include "image_surface.h"
#include "kinds.h"
#include "painter_surface.h"
#include "printer.h"
#include "trace_surface.h"

#include <QBuffer>

#include <memory>
#include <sstream>

using namespace gridora;
using namespace gridora::fuzz;

namespace {

// Larger pictures go to the recorder or a PDF page: an image of a
// 20000 x 20000 page is 400 MB.
constexpr long long kMaxImagePixels = 1 << 21;

enum class Sheet { Sample, Page };
enum class Target { Image, Trace, Pdf, None };

struct Inputs {
    Sheet sheet;
    Target target;
    int width, height;
    int kind, sizeChoice, position;
    int windowWidth, windowHeight;
    std::string name;
    TPen pen;
    TBrush brush;
};

int pageSide(InputReader &in)
{
    switch (in.byte() % 3) {
    case 0: return in.inRange(1, 20000);
    case 1: return in.inRange(1, 1500); // small enough for an image
    default: return in.flag() ? in.inRange(1, 8) : in.inRange(19992, 20000);
    }
}

Inputs readInputs(InputReader &in)
{
    Inputs s{};
    s.sheet = static_cast<Sheet>(in.byte() % 2);
    s.target = static_cast<Target>(in.byte() % 4);
    s.width = pageSide(in);
    s.height = pageSide(in);
    s.kind = in.inRange(kinds::kNoEntry, static_cast<int>(kinds::all().size()) - 1);
    s.sizeChoice = in.inRange(-1, 2);
    s.position = in.inRange(0, 90); // the velocity bar's positions
    s.windowWidth = pageSide(in);
    s.windowHeight = pageSide(in);
    s.pen.Color = in.word();
    s.pen.Width = in.inRange(0, 1000);
    s.pen.Style = in.flag() ? TPenStyle::psDot : TPenStyle::psSolid;
    s.brush.Color = in.word();
    s.name = in.text(80);
    if (s.target == Target::Image && (long long)s.width * s.height > kMaxImagePixels)
        s.target = Target::Trace;
    return s;
}

void usePen(TCanvas &canvas, const Inputs &s)
{
    canvas.Pen = s.pen;
    canvas.Brush = s.brush;
}

void drawSample(TCanvas &canvas, const Inputs &s)
{
    usePen(canvas, s);
    kinds::drawSample(canvas, {s.width, s.height, s.windowWidth, s.windowHeight}, {s.kind, s.sizeChoice, s.position});
}

void sampleOnImage(const Inputs &s, QImage::Format format)
{
    GuardedImage guarded(s.width, s.height, format);
    ImageSurface surface(guarded.picture());
    TCanvas canvas(&surface);
    drawSample(canvas, s);
    guarded.checkPaintsHere(surface.image());
    guarded.checkGuards();
}

void sampleAnywhere(const Inputs &s)
{
    switch (s.target) {
    case Target::Image:
        sampleOnImage(s, QImage::Format_RGB32);
        break;
    case Target::Pdf: {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        FilePrintTarget target(PageFormat::Pdf, &out, s.width, s.height, 96);
        TCanvas canvas(&target.beginDocument());
        drawSample(canvas, s);
        target.endDocument();
        break;
    }
    default: {
        std::ostringstream trace;
        TraceSurface surface(trace, s.width, s.height);
        TCanvas canvas(&surface);
        drawSample(canvas, s);
        break;
    }
    }
}

// A page printed on a guarded greyscale image, as a PNG page is.
class GuardedPageTarget : public PrintTarget {
public:
    GuardedPageTarget(int width, int height)
        : guarded_(width, height, QImage::Format_Grayscale8), width_(width), height_(height)
    {
    }

    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    Surface &beginDocument() override
    {
        page_ = std::make_unique<ImageSurface>(guarded_.picture(), 600);
        return *page_;
    }
    void endDocument() override { check(); }
    void abortDocument() override { check(); }

private:
    void check()
    {
        if (!page_)
            return;
        guarded_.checkPaintsHere(page_->image());
        guarded_.checkGuards();
        page_.reset();
    }

    GuardedImage guarded_;
    int width_;
    int height_;
    std::unique_ptr<ImageSurface> page_;
};

void printOn(TPrinter &printer, const Inputs &s)
{
    usePen(printer.Canvas(), s);
    kinds::printPage(printer, {s.kind, s.sizeChoice, s.position}, s.name);
}

std::unique_ptr<PrintTarget> pageTarget(const Inputs &s, QBuffer &pdf, std::ostream &trace)
{
    switch (s.target) {
    case Target::Image: return std::make_unique<GuardedPageTarget>(s.width, s.height);
    case Target::Pdf: return std::make_unique<FilePrintTarget>(PageFormat::Pdf, &pdf, s.width, s.height, 600);
    case Target::Trace: return std::make_unique<TracePrintTarget>(trace, s.width, s.height);
    case Target::None: break;
    }
    return nullptr;
}

void pageAnywhere(const Inputs &s)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    std::ostringstream trace;
    TPrinter printer(pageTarget(s, pdf, trace));
    try {
        printOn(printer, s);
    } catch (const EPrinter &e) {
        // With no printer at all the page is refused, nothing else may fail.
        if (s.target != Target::None || std::string(e.what()) != kNoDefaultPrinter)
            fail(std::string("unexpected printer failure: ") + e.what());
        if (printer.Canvas().surface())
            fail("a refused page left the canvas a surface");
    }
    if (s.target == Target::None)
        return;
    if (printer.Printing())
        fail("the page left its document open");
    if (s.target == Target::Trace && trace.str().find("enddoc\n") == std::string::npos)
        fail("the traced page was never finished");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startGui(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputReader in(data, size);
    const Inputs s = readInputs(in);
    if (s.sheet == Sheet::Sample)
        sampleAnywhere(s);
    else
        pageAnywhere(s);
    return 0;
}
