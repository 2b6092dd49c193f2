// The name as painted without Qt (the browser's page): the same escapes as the
// desktop's painted line, and every byte that is not UTF-8 shown as U+FFFD.
#include "painted_text.h"
#include "text_line.h"

#include <gtest/gtest.h>

#include <string>

using namespace gridora;

namespace {

struct TextCase {
    std::string text;
    std::string shown;
};

class PaintedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(PaintedText, ShowsWhatTheDesktopShows)
{
    const std::string shown = paintedText(GetParam().text);
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_EQ(shown, paintedLine(GetParam().text).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PaintedText,
    ::testing::Values(TextCase{"Ann\nBob\t", "Ann\\nBob\\t"}, TextCase{std::string("a\0b\x1b", 4), "a\\u0000b\\u001b"},
                      TextCase{"x\x7f\xC2\x85\xC2\x9F", "x\\u007f\\u0085\\u009f"},
                      TextCase{"\xE2\x80\xA8\xEF\xBF\xBF", "\\u2028\\uffff"},
                      TextCase{"שלום مرحبا \xE2\x80\xAE", "שלום مرحبا \xE2\x80\xAE"},
                      TextCase{"\xF0\x9F\x91\xA9", "\xF0\x9F\x91\xA9"},
                      // Not UTF-8: a stray byte, an overlong NUL, a surrogate, a cut-off end.
                      TextCase{"a\xFFz", "a\xEF\xBF\xBDz"},
                      TextCase{"\xC0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                      TextCase{"\xED\xA0\x80!", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD!"},
                      TextCase{"ab\xE2\x82", "ab\xEF\xBF\xBD\xEF\xBF\xBD"}));

} // namespace
