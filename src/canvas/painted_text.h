#pragma once
// How a line of text is shown on a page, without Qt: every surface that paints
// a name (the desktop's painter, the browser's page) writes the same escapes.

#include <string>
#include <string_view>

namespace gridora {

/// What a painted line shows for the character `c`: empty when it is shown as
/// it is, else the escape written instead (\n \r \t \b \f, and \u followed by
/// four hex digits for the other C0 controls, DEL, the C1 controls, U+2028,
/// U+2029 and the non-characters U+FFFE and U+FFFF).
std::string paintedEscape(char32_t c);

/// UTF-8 `text` as it is painted: each character through paintedEscape, and
/// each byte that does not begin a valid UTF-8 sequence as U+FFFD.
std::string paintedText(std::string_view text);

} // namespace gridora
