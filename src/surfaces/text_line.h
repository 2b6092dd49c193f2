#pragma once
// What a painted surface shows for a line of text. The name box and
// --name take whatever the user types or pastes, so a printed line must stay
// one line and show everything in it: a control character that Qt would
// break the line at, expand or drop without a trace is written out instead.

#include <QString>

#include <string>

namespace gridora {

/// `text` (UTF-8) as it is painted: control characters written as the escapes
/// a trace file writes them with, \n \r \t \b \f, the other C0 controls, DEL,
/// the C1 controls, U+2028 and U+2029 as \u followed by four hex digits, and so
/// the non-characters U+FFFE and U+FFFF, which no SVG may hold. Bytes that are
/// not UTF-8 become U+FFFD. Everything else, right-to-left letters, combining
/// marks and emoji included, stays as it is.
///
/// Escapes rather than the Unicode control pictures (U+2400…): neither DejaVu
/// Sans nor Liberation Sans has those, and every font has a backslash.
QString paintedLine(const std::string &text);

/// The same for text already in a QString.
QString escapedControls(const QString &text);

} // namespace gridora
