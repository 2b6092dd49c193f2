#pragma once
// The pupils' names of a class set, read from --names-file.

#include "sheet_request.h"

#include <QString>

#include <string>
#include <vector>

namespace gridora::cli {

struct NamesInput {
    std::vector<std::string> names;
    QString error; ///< empty, or one line saying which line of which file is wrong
};

/// Reads the names file of `request` (standard input for "-"): a name per
/// line, or the first column when it is CSV (--csv, or a file named *.csv).
NamesInput readNamesFile(const SheetRequest &request);

} // namespace gridora::cli
