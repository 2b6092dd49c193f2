#pragma once
// Where gridora-sheet's page goes: a file, written whole or not at all, a
// device or pipe written in place, or standard output; and its one-line
// messages.

#include "sheet_request.h"

#include <QString>

#include <cstddef>

namespace gridora::cli {

/// Prints "gridora-sheet: message" on standard error and returns `status`.
int complain(const QString &message, int status);

/// Draws the requested sheet and writes it where the request says. Returns
/// the exit status: 0, or 1 (2 when the output cannot be opened) after
/// complaining. A class set (request.names) goes into one PDF, or in the
/// other formats into one file per name, named by pageFileName.
int writeSheet(const SheetRequest &request);

/// The file of page `page` (from 1) of `pages` in a class set written to
/// `output`: "DIR/STEM.EXT" gives "DIR/STEM-07.EXT", the number padded with
/// zeros to the width of `pages`. Names never become part of a file name, so
/// no name can lead a page out of the output's folder.
QString pageFileName(const QString &output, std::size_t page, std::size_t pages);

} // namespace gridora::cli
