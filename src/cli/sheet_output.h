#pragma once
// Where gridora-sheet's page goes: a file, written whole or not at all, a
// device or pipe written in place, or standard output; and its one-line
// messages.

#include "sheet_request.h"

#include <QString>

namespace gridora::cli {

/// Prints "gridora-sheet: message" on standard error and returns `status`.
int complain(const QString &message, int status);

/// Draws the requested sheet and writes it where the request says. Returns
/// the exit status: 0, or 1 (2 when the output cannot be opened) after
/// complaining.
int writeSheet(const SheetRequest &request);

} // namespace gridora::cli
