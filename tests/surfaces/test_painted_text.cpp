// Hostile text on painted surfaces: control characters, right-to-left and
// bidi controls, very long lines. Each stays one line starting at its corner.
#include "image_surface.h"
#include "painter_surface.h"
#include "spacetime_sheets.h"
#include "text_line.h"

#include <QFontInfo>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>

using namespace gridora;

namespace {

constexpr QRgb kGrey = 0xFF808080u;
constexpr int kX = 20;
constexpr int kY = 10;

struct EscapeCase {
    std::string text;
    const char16_t *shown;
};

class PaintedLine : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(PaintedLine, ShowsEveryControlAsAnEscape)
{
    EXPECT_EQ(paintedLine(GetParam().text), QString::fromUtf16(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PaintedLine,
    ::testing::Values(EscapeCase{"Ann\nBob", u"Ann\\nBob"}, EscapeCase{"a\rb\tc\bd\fe", u"a\\rb\\tc\\bd\\fe"},
                      EscapeCase{"\x01\x0b\x1b\x1f", u"\\u0001\\u000b\\u001b\\u001f"},
                      EscapeCase{std::string("a\0b", 3), u"a\\u0000b"}, EscapeCase{"x\x7fy", u"x\\u007fy"},
                      // NEL and the other C1 controls, U+2028, U+2029.
                      EscapeCase{"a\xC2\x85" "b\xC2\x9B", u"a\\u0085b\\u009b"},
                      EscapeCase{"a\xE2\x80\xA8" "b\xE2\x80\xA9", u"a\\u2028b\\u2029"},
                      // Non-characters no SVG may hold; bytes that are not UTF-8.
                      EscapeCase{"\xEF\xBF\xBE\xEF\xBF\xBF", u"\\ufffe\\uffff"}, EscapeCase{"a\xFFz", u"a\uFFFDz"},
                      // Left as they are: letters of any script, marks, emoji,
                      // bidi controls, a backslash, no-break space.
                      EscapeCase{"שלום مرحبا", u"שלום مرحبا"}, EscapeCase{"e\xCC\x81\xCC\x88", u"e\u0301\u0308"},
                      EscapeCase{"\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7", u"\U0001F469\u200D\U0001F467"},
                      EscapeCase{"\xE2\x80\xAE" "abc", u"\u202Eabc"}, EscapeCase{"C:\\x \xC2\xA0", u"C:\\x \u00A0"}));

// A surface grey all over, then one line of text at (kX, kY) in a white cell.
struct Painted {
    QImage image;
    int lineHeight = 0;

    explicit Painted(const std::string &text, int width = 1600, int height = 80)
    {
        ImageSurface surface(width, height, 96);
        TCanvas canvas(&surface);
        canvas.Pen.Color = clGray;
        canvas.Brush.Color = clGray;
        canvas.Rectangle(0, 0, width, height);
        canvas.Brush.Color = clWhite;
        canvas.Font.Size = 12;
        canvas.TextOut(kX, kY, text);
        image = surface.image().copy();
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(16); // 12 pt at 96 dpi
        lineHeight = QFontMetrics(font).height();
    }

    bool touched(int x, int y) const { return image.pixel(x, y) != kGrey; }

    // The columns of the white cell: how far the text reaches. Glyphs may
    // reach the cell's top and bottom rows, but never fill a whole column of it.
    int cellWidth() const
    {
        auto inCell = [&](int x) {
            for (int y = kY; y < std::min(kY + lineHeight, image.height()); ++y)
                if (image.pixel(x, y) == 0xFFFFFFFFu)
                    return true;
            return false;
        };
        int x = kX;
        while (x < image.width() && inCell(x))
            ++x;
        return x - kX;
    }

    bool anythingBelowTheLine() const
    {
        for (int y = kY + lineHeight + 1; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (touched(x, y))
                    return true;
        return false;
    }

    bool anythingLeftOfX() const
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < kX; ++x)
                if (touched(x, y))
                    return true;
        return false;
    }

    int inkRightOf(int column) const
    {
        int ink = 0;
        for (int y = kY; y < kY + lineHeight; ++y)
            for (int x = column; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 96;
        return ink;
    }
};

class HostileLine : public ::testing::TestWithParam<std::string> {};

// A line break, a tab or any other control shows where it is, as an escape:
// the cell is wider than the same text without it, and nothing is drawn on a
// second line or left of the corner.
TEST_P(HostileLine, StaysOneLineAndShowsItsControls)
{
    ASSERT_FALSE(QFontInfo(QFont(QStringLiteral("Liberation Sans"))).family().isEmpty());
    const std::string text = "Ann" + GetParam() + "Bob";
    const Painted with(text), without("AnnBob");
    EXPECT_FALSE(with.anythingBelowTheLine());
    EXPECT_FALSE(with.anythingLeftOfX());
    EXPECT_GT(with.cellWidth(), without.cellWidth() + 6); // the shortest escape, "\\t", is 9 pixels
    EXPECT_GT(with.inkRightOf(kX + without.cellWidth()), 20);
}

INSTANTIATE_TEST_SUITE_P(Controls, HostileLine,
                         ::testing::Values("\n", "\r\n", "\t", "\v", "\f", std::string(1, '\0'), "\x1b[2J", "\x7f",
                                           "\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"));

TEST(HostileLine, RightToLeftNameStartsAtTheCornerAndGrowsRightwards)
{
    const Painted hebrew("שלום עולם"), longer("שלום עולם שלום עולם");
    EXPECT_FALSE(hebrew.anythingLeftOfX());
    EXPECT_FALSE(hebrew.anythingBelowTheLine());
    EXPECT_TRUE(hebrew.touched(kX, kY)); // the cell begins at the corner
    EXPECT_GT(hebrew.inkRightOf(kX), 50);
    EXPECT_GT(longer.cellWidth(), hebrew.cellWidth() * 3 / 2);
}

// The velocity follows the name on its right whatever the name's script: the
// name drawn alone and the whole velocity line agree over the name's cell,
// and the velocity adds ink beyond it.
TEST(HostileLine, VelocityStaysRightOfARightToLeftName)
{
    for (const std::string name : {"שלום", "مرحبا 42", "שלום (abc)"}) {
        const Painted alone(name), line(spacetime::velocityLine(name, 60));
        const int nameWidth = alone.cellWidth();
        ASSERT_GT(nameWidth, 10) << name;
        EXPECT_EQ(line.image.copy(0, 0, kX + nameWidth - 2, 80), alone.image.copy(0, 0, kX + nameWidth - 2, 80))
            << name;
        EXPECT_GT(line.inkRightOf(kX + nameWidth + 10), 100) << name;
    }
}

struct BidiCase {
    const char *name;
    const char *looksLike; // the same letters with no controls, as they show
};

class BidiControls : public ::testing::TestWithParam<BidiCase> {};

// Explicit overrides, embeddings and isolates in a name may turn the name
// round but never the velocity after it: the line looks exactly like the
// line of a name already written the way it shows.
TEST_P(BidiControls, DoNotReachTheVelocity)
{
    const Painted hostile(spacetime::velocityLine(GetParam().name, 60));
    const Painted plain(spacetime::velocityLine(GetParam().looksLike, 60));
    EXPECT_EQ(hostile.image, plain.image) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, BidiControls,
    ::testing::Values(BidiCase{"\xE2\x80\xAE" "abc", "cba"},                   // RLO, never closed
                      BidiCase{"\xE2\x80\xAB" "abc", "abc"},                   // RLE
                      BidiCase{"\xE2\x81\xA7" "abc", "abc"},                   // RLI
                      BidiCase{"\xE2\x81\xA9\xE2\x80\xAE" "abc", "cba"},       // a stray PDI, then RLO
                      BidiCase{"\xE2\x80\xAE" "ab\xE2\x80\xAC" "cd", "bacd"},  // RLO closed by PDF
                      BidiCase{"\xE2\x81\xA7\xE2\x81\xA6" "ab", "ab"}));        // RLI, LRI

TEST(HostileLine, AHundredThousandCharactersDrawOneLineClippedToTheSurface)
{
    std::string name;
    for (int i = 0; i < 100000; ++i)
        name += i % 7 == 0 ? "\xD7\xA9" : i % 11 == 0 ? "\t" : "W"; // Hebrew shin, tabs, W
    const Painted line(name, 800, 60);
    EXPECT_FALSE(line.anythingBelowTheLine());
    EXPECT_FALSE(line.anythingLeftOfX());
    EXPECT_EQ(line.cellWidth(), 800 - kX); // the cell runs off the surface
}

} // namespace
