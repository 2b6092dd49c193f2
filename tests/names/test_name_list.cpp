// Class lists as teachers save and paste them: byte-order marks, Windows line
// ends, blank lines, spreadsheet columns and header rows, and the faults that
// must stop a class set before anything is printed.
#include "name_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gridora::names;

namespace {

using Names = std::vector<std::string>;

struct ListCase {
    const char *what;
    std::string text;
    ListFormat format;
    HeaderRow header;
    Names names;
};

std::ostream &operator<<(std::ostream &out, const ListCase &c) { return out << c.what; }

class ReadsNames : public ::testing::TestWithParam<ListCase> {};

TEST_P(ReadsNames, InTheirOrder)
{
    const ListCase &c = GetParam();
    const NameList list = readNameList(c.text, c.format, c.header);
    ASSERT_FALSE(list.error) << list.error->line << ": " << list.error->reason.english();
    EXPECT_EQ(list.names, c.names);
}

// A spreadsheet's "Unicode text": UTF-16 with its byte-order mark.
std::string utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

constexpr auto Text = ListFormat::Text;
constexpr auto Csv = ListFormat::Csv;
constexpr auto Keep = HeaderRow::Keep;
constexpr auto Skip = HeaderRow::Skip;

INSTANTIATE_TEST_SUITE_P(
    Lists, ReadsNames,
    ::testing::Values(
        ListCase{"mark, CRLF, blank lines, spaces, header", "\xEF\xBB\xBFName\r\n\r\n  Ada Lovelace \r\n\t\r\nBo\r\n  \r\n",
                 Text, Skip, {"Ada Lovelace", "Bo"}},
        ListCase{"duplicates kept, no line end at the end", "Bo\nAda\nBo", Text, Keep, {"Bo", "Ada", "Bo"}},
        ListCase{"old Mac line ends", "Ada\rBo\r", Text, Keep, {"Ada", "Bo"}},
        ListCase{"header after blank lines", "\n\nName\nAda\n", Text, Skip, {"Ada"}},
        ListCase{"no-break and ideographic spaces trimmed", "\xC2\xA0" "Ada\xE3\x80\x80\n", Text, Keep, {"Ada"}},
        ListCase{"a text list keeps commas", "Lovelace, Ada\n", Text, Keep, {"Lovelace, Ada"}},
        ListCase{"control characters and right-to-left letters kept", "A\tB\x1b" "C\n\xD7\xA9\xD7\xA8\xD7\x94\n", Text,
                 Keep, {"A\tB\x1b" "C", "\xD7\xA9\xD7\xA8\xD7\x94"}},
        ListCase{"CSV: first column, header skipped, mark, CRLF",
                 "\xEF\xBB\xBFName,Class\r\nAda,7b\r\n\r\n Bo ,7b\r\n,7c\r\n", Csv, Skip, {"Ada", "Bo"}},
        ListCase{"CSV: quotes hold commas, doubled quotes and line breaks",
                 "\"Lovelace, Ada\",1\n\"Bo \"\"B\"\"\",2\n\"Cy\nDee\",3\n", Csv, Keep,
                 {"Lovelace, Ada", "Bo \"B\"", "Cy\nDee"}},
        ListCase{"CSV: semicolons where the comma is the decimal sign", "Name;Mark\n\"M\xC3\xBCller; J\";1,5\nBo;2,0\n",
                 Csv, Skip, {"M\xC3\xBCller; J", "Bo"}},
        ListCase{"CSV: a single column", "Ada\nBo\n", Csv, Keep, {"Ada", "Bo"}},
        // A letter beyond the first 65536 (a surrogate pair).
        ListCase{"UTF-16, little-endian", utf16(u"Name\r\nZo\u00EB\r\n\U0001D49C da\r\n", false), Text, Skip,
                 {"Zo\xC3\xAB", "\xF0\x9D\x92\x9C da"}},
        ListCase{"UTF-16, big-endian, CSV", utf16(u"\u0160ime,1\n\u4E2D\u6587,2\n", true), Csv, Keep,
                 {"\xC5\xA0ime", "\xE4\xB8\xAD\xE6\x96\x87"}}));

struct FaultCase {
    const char *what;
    std::string text;
    ListFormat format;
    int line;
    const char *reason;
};

std::ostream &operator<<(std::ostream &out, const FaultCase &c) { return out << c.what; }

class RefusesList : public ::testing::TestWithParam<FaultCase> {};

TEST_P(RefusesList, SayingWhichLine)
{
    const FaultCase &c = GetParam();
    const NameList list = readNameList(c.text, c.format, HeaderRow::Keep);
    ASSERT_TRUE(list.error) << "read " << list.names.size() << " names";
    EXPECT_EQ(list.error->line, c.line);
    EXPECT_EQ(list.error->reason.english(), c.reason);
    EXPECT_TRUE(list.names.empty());
}

const std::string kLongest(kMaxNameLength, 'x');
// kMaxNameLength two-byte letters: the limit counts characters, not bytes.
std::string umlauts(std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += "\xC3\xBC";
    return s;
}
std::string lines(std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += "Pupil " + std::to_string(i) + "\n";
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusesList,
    ::testing::Values(
        FaultCase{"nothing", "", Text, 0, "holds no names"},
        FaultCase{"only blanks and a mark", "\xEF\xBB\xBF \r\n\t\n", Text, 0, "holds no names"},
        FaultCase{"CSV rows without names", ",7b\n,7c\n", Csv, 0, "holds no names"},
        FaultCase{"Latin-1 on line 3", "Ada\r\nBo\r\nM\xFCller\r\n", Text, 3, "is not UTF-8 text"},
        FaultCase{"overlong slash", "Ada\n\xC0\xAF\n", Text, 2, "is not UTF-8 text"},
        FaultCase{"surrogate", "\xED\xA0\x80\n", Text, 1, "is not UTF-8 text"},
        FaultCase{"cut short at the end", "Ada\n\xE2\x82", Text, 2, "is not UTF-8 text"},
        FaultCase{"UTF-16, a surrogate alone on line 2", utf16(u"Ada\r\nB\xD800o\r\n", true), Text, 2,
                  "is not UTF-16 text"},
        FaultCase{"UTF-16 cut in half a character", utf16(u"Ada\nBo\n", false) + "C", Text, 3,
                  "is not UTF-16 text"},
        FaultCase{"UTF-16 without its mark", std::string("A\0d\0a\0", 6), Text, 1,
                  "holds a NUL byte: it is no text file, or not UTF-8"},
        FaultCase{"a NUL byte", std::string("Ada\nB\0o\n", 8), Text, 2,
                  "holds a NUL byte: it is no text file, or not UTF-8"},
        FaultCase{"one character too long", "Ada\n" + kLongest + "y\n", Text, 2,
                  "holds a name longer than 200 characters"},
        FaultCase{"too long in two-byte letters", umlauts(kMaxNameLength + 1), Text, 1,
                  "holds a name longer than 200 characters"},
        FaultCase{"a quote that never closes", "Ada,1\n\"Bo,2\nCy,3\n", Csv, 2, "opens a quoted field that never ends"},
        FaultCase{"one name too many", lines(kMaxNames + 1), Text, int(kMaxNames) + 1,
                  "holds name 2001, over the limit of 2000"},
        FaultCase{"over the size limit", std::string(kMaxListBytes + 1, '\n'), Text, 0, "is larger than 1 MB"}));

TEST(NameList, TakesEachLimitItself)
{
    EXPECT_EQ(readNameList(kLongest, Text, Keep).names, Names{kLongest});
    EXPECT_EQ(readNameList(umlauts(kMaxNameLength), Text, Keep).names.size(), 1u);
    EXPECT_EQ(readNameList(lines(kMaxNames), Text, Keep).names.size(), kMaxNames);
}

TEST(NameList, CsvLineNumbersCountBreaksInsideQuotes)
{
    const NameList list = readNameList("\"A\nB\",1\n\xFF\n", Csv, Keep);
    ASSERT_TRUE(list.error);
    EXPECT_EQ(list.error->line, 3);
}

TEST(NameList, FormatFollowsTheFileName)
{
    EXPECT_EQ(formatOfFile("class 7b.CSV"), Csv);
    EXPECT_EQ(formatOfFile("/tmp/x.csv"), Csv);
    EXPECT_EQ(formatOfFile("names.txt"), Text);
    EXPECT_EQ(formatOfFile("csv"), Text);
    EXPECT_EQ(formatOfFile("-"), Text);
}

} // namespace
