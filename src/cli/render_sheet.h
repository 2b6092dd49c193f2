#pragma once
// Draws a requested sheet with the very same sheet functions the window uses.

#include "sheet_request.h"

class QIODevice;

namespace gridora::cli {

/// Writes the sheet to `out` (open for writing). Throws std::runtime_error
/// with a readable reason when the sheet cannot be drawn or written.
void renderSheet(const SheetRequest &request, QIODevice &out);

/// Writes the class set, a page for each of `request.names` in order, to
/// `out` as one PDF document. Throws as renderSheet does.
void renderClassSet(const SheetRequest &request, QIODevice &out);

} // namespace gridora::cli
