#pragma once
// What gridora-sheet was asked to draw, read from its command line.

#include <QString>
#include <QStringList>

#include "page_layout.h"
#include "sheet_constants.h"

#include <optional>
#include <string>
#include <vector>

namespace gridora::cli {

enum class Format { Pdf, Svg, Png, Trace };

inline constexpr int kMaxPagePixels = 20000;

struct SheetRequest {
    int kind = 0;       // an index of kinds::all()
    int sizeChoice = 0; // decades − 1
    int position = 60;  // velocity × 100
    QString name;
    bool sample = false;
    int width = 0;      // printable area (or the sample) in device pixels
    int height = 0;
    int dpi = page::kDefaultDpi;
    std::optional<page::PageLayout> paper; // the whole sheet, for --paper
    Format format = Format::Pdf;
    QString output;     // a path, or "-" for standard output

    // A class set, --names-file: one page per name.
    QString namesFile;  // a path, or "-" for standard input; empty: one page for `name`
    bool namesCsv = false;
    bool skipHeader = false;
    std::vector<std::string> names; // read from namesFile before drawing
};

/// The outcome of reading a command line: a request, or what to print and the
/// exit status (0 for --help and --version, 2 for bad input).
struct ParseResult {
    std::optional<SheetRequest> request;
    QString message;
    int exitStatus = 0;
};

ParseResult parseCommandLine(const QStringList &arguments);

/// "0.60" → 60. Empty when the text is not a velocity 0.00..0.90 with at most
/// two decimals; `why` then says what is wrong.
std::optional<int> parseVelocity(const QString &text, QString *why = nullptr);

} // namespace gridora::cli
