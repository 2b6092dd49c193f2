// gridora-sheet --names-file: a class set, one page per pupil, from the files
// teachers have, and the faults that must stop it before anything is written.
#include "sheet_output.h"
#include "sheet_run.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace gridora::cli;
using namespace gridora::cli::test;

namespace {

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QString pdfText(const QString &pdf, int page)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                          QString::number(page), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// A list saved on Windows from a spreadsheet: mark, CRLF, a header row, blank
// lines, spaces around names; a tab, an escape and right-to-left letters in
// names, which the pages show as a single page shows them.
const QByteArray kClassCsv = "\xEF\xBB\xBFPupil,Class\r\n\r\n  Ada Lovelace ,7b\r\n\"Bo\tBrandt\",7b\r\n\r\n"
                             "\"\xD7\xA9\xD7\xA8\xD7\x94 \x1b[1m\",7c\r\n";
const QStringList kClassNames = {QStringLiteral("Ada Lovelace"), QStringLiteral("Bo\tBrandt"),
                                 QString::fromUtf8("\xD7\xA9\xD7\xA8\xD7\x94 \x1b[1m")};

TEST(ClassSet, EachPageIsTheSinglePageOfItsName)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("7b.csv"));
    writeFile(list, kClassCsv);
    const SheetRun run = runSheet({"--kind", "spacetime", "--velocity", "0.3", "--page", "2400x3300", "--names-file",
                                   list, "--skip-header", "--format", "trace", "-o", dir.filePath("page.trace")});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(entries(dir.path()), (QStringList{"7b.csv", "page-1.trace", "page-2.trace", "page-3.trace"}));
    for (int i = 0; i < kClassNames.size(); ++i) {
        const SheetRun single = runSheet({"--kind", "spacetime", "--velocity", "0.3", "--page", "2400x3300", "--name",
                                          kClassNames[i], "--format", "trace", "-o", "-"});
        ASSERT_EQ(single.status, 0);
        EXPECT_EQ(contents(dir.filePath(QStringLiteral("page-%1.trace").arg(i + 1))), single.out) << i;
    }
}

TEST(ClassSet, PdfHoldsOnePagePerNameInOrder)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("names.txt"));
    writeFile(list, "Ada\r\n\r\n Bo \r\nCy\r\nAda\r\n");
    const QString pdf = dir.filePath(QStringLiteral("set.pdf"));
    const SheetRun run = runSheet({"--kind", "log", "--decades", "2", "--paper", "a4", "--dpi", "300",
                                   "--names-file", list, "-o", pdf});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n")))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("595 x 842"))) << qPrintable(text);
    const QStringList names = {"Ada", "Bo", "Cy", "Ada"};
    for (int page = 1; page <= 4; ++page)
        EXPECT_TRUE(pdfText(pdf, page).startsWith(names[page - 1])) << page << ": " << qPrintable(pdfText(pdf, page));
}

TEST(ClassSet, NamesComeFromStandardInput)
{
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral(GRIDORA_SHEET), {"--kind", "squared", "--page", "600x800", "--names-file", "-", "--csv",
                                             "--format", "svg", "-o", dir.filePath("s.svg")});
    p.write("\"Lovelace, Ada\",1\nBo,2\n");
    p.closeWriteChannel();
    p.waitForFinished(60000);
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    EXPECT_EQ(entries(dir.path()), (QStringList{"s-1.svg", "s-2.svg"}));
    EXPECT_TRUE(contents(dir.filePath("s-1.svg")).contains("Lovelace, Ada"));
}

// Names never become file names: a name that looks like a path stays a name.
TEST(ClassSet, PagesStayInTheOutputFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("out")));
    const QString list = dir.filePath(QStringLiteral("names.txt"));
    writeFile(list, "../../evil\n/etc/passwd\n" + QByteArray(12, 'x').replace('x', "a\n"));
    const SheetRun run = runSheet({"--kind", "squared", "--page", "300x400", "--names-file", list, "--format", "trace",
                                   "-o", dir.filePath("out/p")});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(entries(dir.path()), (QStringList{"names.txt", "out"}));
    const QStringList pages = entries(dir.filePath("out"));
    ASSERT_EQ(pages.size(), 14);
    EXPECT_EQ(pages.first(), QStringLiteral("p-01"));
    EXPECT_EQ(pages.last(), QStringLiteral("p-14"));
}

TEST(ClassSet, AFailedPageTakesTheEarlierPagesWithIt)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("names.txt"));
    writeFile(list, "Ada\nBo\nCy\n");
    // Page 2 cannot be written: a folder stands where it would go.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("s-2.png")));
    const SheetRun run =
        runSheet({"--kind", "squared", "--page", "300x400", "--names-file", list, "-o", dir.filePath("s.png")});
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.err.contains("s-2.png")) << run.err.constData();
    EXPECT_EQ(entries(dir.path()), (QStringList{"names.txt", "s-2.png"}));
}

struct FileNameCase {
    const char *output;
    std::size_t page;
    std::size_t pages;
    const char *file;
};

std::ostream &operator<<(std::ostream &out, const FileNameCase &c) { return out << c.file; }

class PageFileName : public ::testing::TestWithParam<FileNameCase> {};

TEST_P(PageFileName, NumbersThePageBesideTheOutput)
{
    const FileNameCase &c = GetParam();
    EXPECT_EQ(pageFileName(QString::fromUtf8(c.output), c.page, c.pages), QString::fromUtf8(c.file));
}

INSTANTIATE_TEST_SUITE_P(Outputs, PageFileName,
                         ::testing::Values(FileNameCase{"out/sheet.svg", 7, 30, "out/sheet-07.svg"},
                                           FileNameCase{"sheet.png", 3, 5, "sheet-3.png"},
                                           FileNameCase{"/tmp/a.b.trace", 10, 100, "/tmp/a.b-010.trace"},
                                           FileNameCase{"pages", 1, 2, "pages-1"}));

// --- Bad input: status 2, one line naming the file and line, nothing written.

struct BadListCase {
    const char *what;
    QByteArray list;     // written to DIR/names.txt unless empty
    QStringList options; // DIR stands for the test's folder
    const char *message; // after "gridora-sheet: ", DIR likewise
};

std::ostream &operator<<(std::ostream &out, const BadListCase &c) { return out << c.what; }

class BadList : public ::testing::TestWithParam<BadListCase> {};

TEST_P(BadList, IsRefusedNamingTheLineAndWritesNothing)
{
    const BadListCase &c = GetParam();
    QTemporaryDir dir;
    if (!c.list.isEmpty())
        writeFile(dir.filePath(QStringLiteral("names.txt")), c.list);
    QStringList args = {"--kind", "squared", "--page", "300x400", "-o", "DIR/out.pdf"};
    args += c.options;
    args.replaceInStrings(QStringLiteral("DIR"), dir.path());
    const QStringList before = entries(dir.path());
    const SheetRun run = runSheet(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(QString::fromUtf8(run.err),
              QStringLiteral("gridora-sheet: %1\n").arg(QString::fromUtf8(c.message).replace("DIR", dir.path())));
    EXPECT_EQ(entries(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadList,
    ::testing::Values(
        BadListCase{"no names", " \r\n\r\n", {"--names-file", "DIR/names.txt"}, "'DIR/names.txt' holds no names"},
        BadListCase{"only a header", "Name\n", {"--names-file", "DIR/names.txt", "--skip-header"},
                    "'DIR/names.txt' holds no names"},
        BadListCase{"a name too long", "Ada\nBo\n" + QByteArray(201, 'x'), {"--names-file", "DIR/names.txt"},
                    "line 3 of 'DIR/names.txt' holds a name longer than 200 characters"},
        BadListCase{"Latin-1", "Ada\nJos\xE9\n", {"--names-file", "DIR/names.txt"},
                    "line 2 of 'DIR/names.txt' is not UTF-8 text"},
        BadListCase{"a quote left open", "Ada\n\"Bo\n", {"--names-file", "DIR/names.txt", "--csv"},
                    "line 2 of 'DIR/names.txt' opens a quoted field that never ends"},
        BadListCase{"no such file", {}, {"--names-file", "DIR/missing.txt"},
                    "cannot read 'DIR/missing.txt': No such file or directory"},
        BadListCase{"a folder", {}, {"--names-file", "DIR"}, "cannot read 'DIR': it is a folder"},
        BadListCase{"with --name", "Ada\n", {"--names-file", "DIR/names.txt", "--name", "Bo"},
                    "give --name or --names-file, not both"},
        BadListCase{"with --sample", "Ada\n", {"--names-file", "DIR/names.txt", "--sample"},
                    "--names-file goes with printed pages, not --sample"},
        BadListCase{"--skip-header alone", {}, {"--skip-header"}, "--csv and --skip-header go with --names-file only"},
        BadListCase{"many files to standard output", "Ada\n",
                    {"--names-file", "DIR/names.txt", "--format", "png", "-o", "-"},
                    "a class set in png is one file per name: give -o FILE, not -o -"}));

} // namespace
