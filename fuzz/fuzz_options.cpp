// gridora-sheet's option handling: any argument list (arguments separated by
// NUL bytes) gets either a sheet request within the documented ranges, or a
// message and exit status 2 (or 0 for --help and --version). A request the
// parser accepts is then rendered into memory, so whatever the parser lets
// through must draw without failing.

#include "fuzz_support.h"
#include "kinds.h"
#include "render_sheet.h"
#include "sheet_request.h"

#include <QBuffer>

#include <stdexcept>

using namespace gridora;
using namespace gridora::cli;
using namespace gridora::fuzz;

namespace {

constexpr int kMaxArguments = 64;
// PNG pages are images; rendering a 20000 x 20000 one would only measure memory.
constexpr long long kMaxPngPixels = 1 << 20;

QStringList argumentsOf(const std::uint8_t *data, std::size_t size)
{
    QStringList arguments{QStringLiteral("gridora-sheet")};
    const auto *text = reinterpret_cast<const char *>(data);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size && arguments.size() <= kMaxArguments; ++i) {
        if (i == size || text[i] == '\0') {
            arguments << QString::fromUtf8(text + start, qsizetype(i - start));
            start = i + 1;
        }
    }
    return arguments;
}

// "-h", "--help", "-help" (single-dash words are long options), "-?",
// "--help-all", "-v", "--version" and the like.
bool asksForHelpOrVersion(const QStringList &arguments)
{
    static const QStringList names{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help"),
                                   QStringLiteral("help-all"), QStringLiteral("v"), QStringLiteral("version")};
    for (const QString &a : arguments.mid(1)) {
        QString name = a.section(QLatin1Char('='), 0, 0);
        if (!name.startsWith(QLatin1Char('-')))
            continue;
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        if (names.contains(name))
            return true;
    }
    return false;
}

void checkRequest(const SheetRequest &r)
{
    if (r.kind < 0 || r.kind >= static_cast<int>(kinds::all().size()) || r.sizeChoice < 0 || r.sizeChoice > 2 ||
        r.position < 0 || r.position > 90)
        fail("accepted a kind, decade count or velocity out of range");
    if (r.width < 1 || r.height < 1 || r.width > kMaxPagePixels || r.height > kMaxPagePixels || r.dpi < 1)
        fail("accepted a page out of range");
    if (r.sample && (r.width != sheets::kSampleWidth || r.height != sheets::kSampleHeight))
        fail("a sample of the wrong size");
    if (r.output.isEmpty())
        fail("accepted a request without an output");
}

void render(const SheetRequest &r)
{
    if (r.format == Format::Png && (long long)r.width * r.height > kMaxPngPixels)
        return;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    try {
        renderSheet(r, out);
    } catch (const std::exception &e) {
        // Memory cannot refuse a page: the parser let through something the
        // renderer cannot draw.
        fail(std::string("an accepted request failed to render: ") + e.what());
    }
    if (out.data().isEmpty())
        fail("an accepted request rendered nothing");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startGui(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList arguments = argumentsOf(data, size);
    const ParseResult result = parseCommandLine(arguments);
    if (result.request) {
        if (result.exitStatus != 0 || !result.message.isEmpty())
            fail("a request came with a message or a failing status");
        checkRequest(*result.request);
        render(*result.request);
    } else if (result.exitStatus == 2) {
        if (result.message.trimmed().isEmpty())
            fail("refused without saying why");
    } else if (result.exitStatus == 0) {
        if (result.message.isEmpty() || !asksForHelpOrVersion(arguments))
            fail("exit status 0 without a request, help or version");
    } else {
        fail("an exit status other than 0 or 2");
    }
    return 0;
}
