// The canvas under any sequence of calls: any coordinates, pens 0..1000 wide,
// solid or dotted, any colour, on an image (small, or the window's 357 x 397
// sample), a PDF or SVG page and the recorder. Nothing may crash, hang or
// trip a sanitizer, and on an image nothing may land outside the picture.

#include "file_targets.h"
#include "fuzz_support.h"
#include "image_surface.h"
#include "painter_surface.h"
#include "sheet_constants.h"
#include "trace_surface.h"

#include <QBuffer>

#include <algorithm>
#include <memory>
#include <sstream>

using namespace gridora;
using namespace gridora::fuzz;

namespace {

constexpr int kMaxCalls = 300;
// A copy works out every destination pixel that shows, and a page embeds
// them all: a few per input, and onto pages of at most a megapixel, keep each
// input well under a second.
constexpr int kMaxCopies = 4;
constexpr long long kMaxCopyPagePixels = 1 << 20;

enum class Where { SmallImage, SampleImage, Page, Trace };

struct Counts {
    int surfaceCalls = 0; // calls that reach the surface: one trace line each
    int copiesLeft = kMaxCopies;
};

// A small picture with something on it, to copy from.
ImageSurface &stamp()
{
    static ImageSurface *picture = [] {
        auto *s = new ImageSurface(40, 30);
        TCanvas canvas(s);
        canvas.Rectangle(2, 2, 38, 28);
        canvas.MoveTo(0, 0);
        canvas.LineTo(39, 29);
        return s;
    }();
    return *picture;
}

TRect rectangle(InputReader &in, int extent)
{
    TRect r;
    r.Left = coordinate(in, extent);
    r.Top = coordinate(in, extent);
    r.Right = coordinate(in, extent);
    r.Bottom = coordinate(in, extent);
    return r;
}

void oneCall(InputReader &in, TCanvas &canvas, int extent, Counts &counts)
{
    switch (in.byte() % 11) {
    case 0: canvas.Pen.Color = in.word(); break;
    case 1: canvas.Pen.Width = in.inRange(0, 1000); break;
    case 2: canvas.Pen.Style = in.flag() ? TPenStyle::psDot : TPenStyle::psSolid; break;
    case 3: canvas.Brush.Color = in.word(); break;
    case 4: canvas.Font.Size = in.inRange(-8, 200); break;
    case 5: canvas.Font.Color = in.word(); break;
    case 6: {
        const int x = coordinate(in, extent), y = coordinate(in, extent);
        canvas.MoveTo(x, y);
        ++counts.surfaceCalls;
        break;
    }
    case 7: {
        const int x = coordinate(in, extent), y = coordinate(in, extent);
        canvas.LineTo(x, y);
        ++counts.surfaceCalls;
        break;
    }
    case 8: {
        const TRect r = rectangle(in, extent);
        canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
        ++counts.surfaceCalls;
        break;
    }
    case 9: {
        const int x = coordinate(in, extent), y = coordinate(in, extent);
        const std::string text = in.text(48);
        canvas.TextOut(x, y, text);
        counts.surfaceCalls += text.empty() ? 0 : 1;
        break;
    }
    default: {
        const TRect dest = rectangle(in, extent);
        const bool fromItself = in.flag();
        const TRect source = rectangle(in, extent);
        if (counts.copiesLeft == 0)
            break;
        --counts.copiesLeft;
        TCanvas other(&stamp());
        canvas.CopyRect(dest, fromItself ? canvas : other, source);
        ++counts.surfaceCalls;
        break;
    }
    }
}

Counts drawCalls(InputReader &in, TCanvas &canvas, int extent, bool copies = true)
{
    Counts counts;
    counts.copiesLeft = copies ? kMaxCopies : 0;
    for (int i = 0; i < kMaxCalls && !in.atEnd(); ++i)
        oneCall(in, canvas, extent, counts);
    return counts;
}

void onImage(InputReader &in, int width, int height)
{
    const QImage::Format format = in.flag() ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
    GuardedImage guarded(width, height, format);
    ImageSurface surface(guarded.picture());
    TCanvas canvas(&surface);
    drawCalls(in, canvas, std::max(width, height));
    guarded.checkPaintsHere(surface.image());
    guarded.checkGuards();
}

void onPage(InputReader &in)
{
    static constexpr int kDpis[] = {72, 96, 300, 600, 1200};
    const PageFormat format = in.flag() ? PageFormat::Svg : PageFormat::Pdf;
    const int width = in.inRange(1, 20000), height = in.inRange(1, 20000);
    const int dpi = kDpis[in.byte() % 5];
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    FilePrintTarget target(format, &out, width, height, dpi);
    TCanvas canvas(&target.beginDocument());
    drawCalls(in, canvas, std::max(width, height), (long long)width * height <= kMaxCopyPagePixels);
    target.endDocument(); // a buffer cannot fail to take the page: any throw is a fault
    if (out.data().isEmpty())
        fail("the page wrote nothing");
}

void onTrace(InputReader &in)
{
    const int width = in.inRange(1, 20000), height = in.inRange(1, 20000);
    std::ostringstream out;
    Counts counts;
    {
        TraceSurface surface(out, width, height);
        TCanvas canvas(&surface);
        counts = drawCalls(in, canvas, std::max(width, height));
    }
    const std::string trace = out.str();
    const auto lines = std::count(trace.begin(), trace.end(), '\n');
    if (lines != 1 + counts.surfaceCalls || trace.empty() || trace.back() != '\n')
        fail("the trace does not hold one line per call");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startGui(argc, argv);
    stamp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputReader in(data, size);
    switch (static_cast<Where>(in.byte() % 4)) {
    case Where::SmallImage: {
        const int width = in.inRange(1, 64), height = in.inRange(1, 64);
        onImage(in, width, height);
        break;
    }
    case Where::SampleImage: onImage(in, sheets::kSampleWidth, sheets::kSampleHeight); break;
    case Where::Page: onPage(in); break;
    case Where::Trace: onTrace(in); break;
    }
    return 0;
}
