// The sheets for the browser: the entry points its JavaScript calls, compiled
// with Emscripten from the same sources as the desktop program. The page only
// builds controls and puts these pixels and pages on screen.

#include "class_set.h"
#include "kinds.h"
#include "name_list.h"
#include "page_layout.h"
#include "paint_list.h"
#include "printer.h"
#include "sample_picture.h"
#include "trace_surface.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace gridora;

// Text from JavaScript comes with its length: a pasted name may hold a NUL
// character.
std::string bytesAt(const char *at, int bytes)
{
    return at && bytes > 0 ? std::string(at, static_cast<std::size_t>(bytes)) : std::string();
}

// Names from JavaScript, each ended by a line feed, which no name read from a
// class list holds.
std::vector<std::string> namesAt(const char *at, int bytes)
{
    std::vector<std::string> names;
    const std::string text = bytesAt(at, bytes);
    for (std::size_t from = 0, end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
        names.push_back(text.substr(from, end - from));
    return names;
}

// Handed back to JavaScript, which copies it before the next call.
std::string lastText;

// A JSON object built a member at a time; values go in as JSON already.
class JsonObject {
public:
    JsonObject &add(const char *key, const std::string &value)
    {
        ((text_ += text_.size() > 1 ? ",\"" : "\"") += key) += "\":";
        text_ += value;
        return *this;
    }
    JsonObject &add(const char *key, long long value) { return add(key, std::to_string(value)); }
    std::string text() const { return text_ + '}'; }

private:
    std::string text_ = "{";
};

// A message for the page to say in its language (i18n.js, sayMessage):
// {"context": …, "text": …, "args": [message, …]}.
std::string jsonMessage(const Message &message)
{
    std::string json = "{\"context\":" + jsonQuoted(message.context) + ",\"text\":" + jsonQuoted(message.text) +
                       ",\"args\":[";
    for (std::size_t i = 0; i < message.args.size(); ++i)
        json += (i > 0 ? "," : "") + jsonMessage(message.args[i]);
    return json + "]}";
}

} // namespace

extern "C" {

/// Every call that draws takes the choice as the window holds it: the kind
/// (an index of gridora_kinds' list), the size choice 0..2 and the velocity
/// position 0..90; for a choice the core cannot draw it returns null.

/// The kinds, in the kind box's order, as JSON (see kinds.h): [{"id":
/// "squared","name":"Squared","sizeLabels":["10x15","10x15","10x15"],
/// "hasSizes":true,"hasVelocity":false,"longCellsSideways":true},...].
EMSCRIPTEN_KEEPALIVE const char *gridora_kinds()
{
    const auto quoted = [](std::string_view text) { return jsonQuoted(std::string(text)); };
    const auto truth = [](bool value) { return value ? "true" : "false"; };
    lastText = "[";
    for (const kinds::Kind &kind : kinds::all()) {
        std::string labels = "[";
        for (const std::string_view label : kind.sizeLabels)
            (labels += quoted(label)) += ',';
        labels.back() = ']';
        lastText += JsonObject()
                        .add("id", quoted(kind.id))
                        .add("name", quoted(kind.name))
                        .add("sizeLabels", labels)
                        .add("hasSizes", truth(kind.hasSizes))
                        .add("hasVelocity", truth(kind.hasVelocity))
                        .add("longCellsSideways", truth(kind.longCellsSideways))
                        .text() +
                    ',';
    }
    lastText.back() = ']';
    return lastText.c_str();
}

/// Redraws the sample picture for the choice and returns its 357 × 397 pixels
/// as RGBA bytes, row by row from the top, valid until the next call. The
/// picture's canvas keeps its pen from one sample to the next, as the
/// window's does.
EMSCRIPTEN_KEEPALIVE const std::uint8_t *gridora_sample(int kind, int sizeChoice, int position)
{
    static kinds::SamplePicture picture;
    const kinds::SheetChoice choice{kind, sizeChoice, position};
    if (!kinds::canDraw(choice))
        return nullptr;
    picture.draw(choice);
    return picture.rgba().data();
}

/// The printed page as a trace (the format gridora-sheet --format trace
/// writes), for a printable area of width × height device pixels. The name is
/// `nameBytes` bytes of UTF-8 at `name`.
EMSCRIPTEN_KEEPALIVE const char *gridora_page_trace(int kind, int sizeChoice, int position, const char *name,
                                                    int nameBytes, int width, int height)
{
    const kinds::SheetChoice choice{kind, sizeChoice, position};
    if (!kinds::canDraw(choice))
        return nullptr;
    std::ostringstream trace;
    TPrinter printer(std::make_unique<TracePrintTarget>(trace, width, height));
    kinds::printPage(printer, choice, bytesAt(name, nameBytes));
    lastText = trace.str();
    return lastText.c_str();
}

/// The class set for the names, one page each in order, as painting
/// operations (see paint_list.h) for a printable area of width × height
/// device pixels at `dpi`. The names are `namesBytes` bytes of UTF-8 at
/// `names`, each ended by a line feed; the velocity is written with the
/// `separatorBytes` bytes of UTF-8 at `separator` ("," in German).
EMSCRIPTEN_KEEPALIVE const char *gridora_pages_paint(int kind, int sizeChoice, int position, const char *names,
                                                     int namesBytes, int width, int height, int dpi,
                                                     const char *separator, int separatorBytes)
{
    const kinds::SheetChoice choice{kind, sizeChoice, position, bytesAt(separator, separatorBytes)};
    const std::vector<std::string> pupils = namesAt(names, namesBytes);
    if (!kinds::canDraw(choice) || pupils.empty())
        return nullptr;
    auto target = std::make_unique<web::PaintListTarget>(width, height, dpi);
    const web::PaintListTarget &pages = *target;
    TPrinter printer(std::move(target));
    classset::printClassSet(printer, choice, pupils);
    lastText = pages.operations();
    return lastText.c_str();
}

/// The papers the page offers and the printer resolutions it offers, as JSON:
/// {"papers":[{"name":"a4","label":"A4"},...],"resolutions":[300,600,1200],
/// "defaultDpi":600}.
EMSCRIPTEN_KEEPALIVE const char *gridora_papers()
{
    std::string papers = "[";
    for (const page::Paper &paper : page::kPapers)
        papers += JsonObject()
                      .add("name", jsonQuoted(std::string(paper.name)))
                      .add("label", jsonQuoted(std::string(paper.label)))
                      .text() +
                  ',';
    papers.back() = ']';
    std::string resolutions = "[";
    for (const int dpi : page::kOfferedResolutions)
        (resolutions += std::to_string(dpi)) += ',';
    resolutions.back() = ']';
    lastText =
        JsonObject().add("papers", papers).add("resolutions", resolutions).add("defaultDpi", page::kDefaultDpi).text();
    return lastText.c_str();
}

/// The page for the paper named by `nameBytes` bytes at `name` ("a4" ...),
/// upright or turned (`landscape` 1), at `dpi`, a quarter inch in from every
/// edge, as JSON: the paper's size as it lies in its own units and its units
/// to the inch (254 or 100); the whole sheet, the margin and the printable
/// area in device pixels, each truncated as gridora-sheet --paper truncates
/// them:
/// {"paper":"a4","label":"A4","landscape":false,"dpi":600,
///  "units":{"width":2100,"height":2970,"perInch":254},
///  "sheet":{"width":4960,"height":7015},"margin":150,"width":4660,"height":6715}
/// or {"error":"..."} for an unknown paper or a resolution out of range.
EMSCRIPTEN_KEEPALIVE const char *gridora_page_layout(const char *name, int nameBytes, int landscape, int dpi)
{
    const std::string paperName = bytesAt(name, nameBytes);
    const page::Paper *paper = page::paperNamed(paperName);
    const auto orientation = landscape ? page::Orientation::Landscape : page::Orientation::Portrait;
    const auto layout = paper ? page::layOut(*paper, orientation, page::kQuarterInchMargin, dpi) : std::nullopt;
    if (!layout) {
        const std::string why = paper ? "No page can be laid out at " + std::to_string(dpi) + " dpi"
                                      : "There is no paper called " + paperName;
        lastText = JsonObject().add("error", jsonQuoted(why)).text();
        return lastText.c_str();
    }
    const std::string units = JsonObject()
                                  .add("width", layout->unitsAcross())
                                  .add("height", layout->unitsDown())
                                  .add("perInch", paper->perInch)
                                  .text();
    const std::string sheet = JsonObject().add("width", layout->sheetWidth).add("height", layout->sheetHeight).text();
    lastText = JsonObject()
                   .add("paper", jsonQuoted(std::string(paper->name)))
                   .add("label", jsonQuoted(std::string(paper->label)))
                   .add("landscape", landscape ? "true" : "false")
                   .add("dpi", dpi)
                   .add("units", units)
                   .add("sheet", sheet)
                   .add("margin", layout->margin)
                   .add("width", layout->width)
                   .add("height", layout->height)
                   .text();
    return lastText.c_str();
}

/// The largest class list read, in bytes: a longer file is read this far and
/// one byte more, to be refused as too large.
EMSCRIPTEN_KEEPALIVE int gridora_max_name_list_bytes()
{
    return static_cast<int>(names::kMaxListBytes);
}

/// Reads a class list (see name_list.h) of `bytes` bytes at `text`: a CSV
/// file when the file name (`nameBytes` bytes of UTF-8 at `fileName`) ends in
/// ".csv", else one name per line; typed names come with no file name.
/// Returns JSON (the names are UTF-8: the list refuses anything else), either
/// {"names": [...]} or {"error": "Line 2 of x.txt is not UTF-8 text."}, the
/// sentence the desktop's class-set dialog shows.
EMSCRIPTEN_KEEPALIVE const char *gridora_read_names(const char *text, int bytes, const char *fileName, int nameBytes,
                                                    int skipHeader)
{
    const std::string file = bytesAt(fileName, nameBytes);
    const names::NameList list = names::readNameList(bytesAt(text, bytes), names::formatOfFile(file),
                                                     skipHeader ? names::HeaderRow::Skip : names::HeaderRow::Keep);
    lastText.clear();
    if (list.error) {
        lastText = "{\"error\":";
        lastText += jsonQuoted(names::errorSentence(*list.error, file));
        lastText += ",\"message\":" + jsonMessage(names::errorMessage(*list.error, file));
    } else {
        lastText = "{\"names\":[";
        for (std::size_t i = 0; i < list.names.size(); ++i) {
            if (i > 0)
                lastText += ',';
            lastText += jsonQuoted(list.names[i]);
        }
        lastText += ']';
    }
    lastText += '}';
    return lastText.c_str();
}

}
