#pragma once
// A class list: the pupils' names, one per line of a text file or in the first
// column of a CSV file, as a teacher pastes or saves them. Plain C++ with no Qt,
// so that the window, gridora-sheet and the browser read a list the same way.

#include "message.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gridora::names {

/// The longest name a list takes, in characters (Unicode code points) after
/// trimming: longer is no pupil's name but a wrong file or a wrong column.
inline constexpr std::size_t kMaxNameLength = 200;
/// The most names in one list: a whole school's year, not a slip that would
/// print many thousands of pages.
inline constexpr std::size_t kMaxNames = 2000;
/// The largest list read, in bytes.
inline constexpr std::size_t kMaxListBytes = 1u << 20;

/// Text: every line is a name. Csv: every record's first field is a name;
/// fields are separated by commas, or by semicolons when the first record has
/// a semicolon and no comma outside quotes (as spreadsheets save CSV where the
/// comma is the decimal sign); a field in double quotes may hold separators,
/// line breaks and doubled quotes.
enum class ListFormat { Text, Csv };

/// Whether the first line that is not blank holds column titles, not a name.
enum class HeaderRow { Keep, Skip };

struct NameListError {
    int line = 0; ///< 1-based line of the text where the fault lies; 0 when it is the whole text's
    Message reason; ///< a sentence's predicate, without the line: "is not UTF-8 text"
};

/// The names in their order, duplicates kept, or what is wrong with the text.
struct NameList {
    std::vector<std::string> names;
    std::optional<NameListError> error;
};

/// Reads a list from `text`: UTF-8 with or without a byte-order mark, or
/// UTF-16 with one, in either byte order (a spreadsheet's "Unicode text"). Lines
/// end in LF, CRLF or CR. Around every name, white space (Unicode's, tabs and
/// no-break spaces included) is dropped; blank lines and empty first fields
/// are skipped. Control characters inside a name are kept: the page shows
/// them as it does in a single name.
///
/// Refused, with the line: bytes that are not UTF-8, or not UTF-16 after its
/// mark, a NUL (UTF-16 without its mark has them), a name over
/// kMaxNameLength, more than kMaxNames names, a quoted CSV field that never
/// ends; with line 0: a text over kMaxListBytes, or one with no names.
NameList readNameList(std::string_view text, ListFormat format, HeaderRow header);

/// The error as the class-set dialogs show it, a sentence: "Line 3 of 7b.csv
/// is not UTF-8 text." for a file, "Line 3 is …" for typed names (an empty
/// `fileName`), and "7b.csv holds no names." or "The list holds no names."
/// for a fault of the whole text.
std::string errorSentence(const NameListError &error, std::string_view fileName);

/// errorSentence's sentence as a Message, for a front-end to say in its
/// language ("Class lists" in the catalogues): where the fault lies, then
/// the reason.
Message errorMessage(const NameListError &error, std::string_view fileName);

/// Csv for a file name ending in ".csv" (any case), else Text.
ListFormat formatOfFile(std::string_view fileName);

} // namespace gridora::names
