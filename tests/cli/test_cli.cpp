// gridora-sheet as a user meets it: options, files, formats and failures.
#include "gridora_version.h"
#include "kinds.h"
#include "sheet_request.h"
#include "sheet_run.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace gridora::cli;
using namespace gridora::cli::test;

namespace {

QString tool(const QString &program, const QStringList &args, int *status = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (status)
        *status = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

struct VelocityCase {
    const char *text;
    int position; // −1: refused
};

class Velocity : public ::testing::TestWithParam<VelocityCase> {};

TEST_P(Velocity, IsReadFromTheTextNotThroughAFloat)
{
    const auto parsed = parseVelocity(QString::fromLatin1(GetParam().text));
    if (GetParam().position < 0)
        EXPECT_FALSE(parsed.has_value());
    else
        EXPECT_EQ(parsed.value_or(-1), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Texts, Velocity,
                         ::testing::Values(VelocityCase{"0.60", 60}, VelocityCase{"0.6", 60}, VelocityCase{"0", 0},
                                           VelocityCase{"0.00", 0}, VelocityCase{"0.9", 90},
                                           VelocityCase{"0.90", 90}, VelocityCase{"0.29", 29},
                                           VelocityCase{"0.57", 57}, VelocityCase{"0.91", -1},
                                           VelocityCase{"1", -1}, VelocityCase{"0.605", -1},
                                           VelocityCase{"-0.1", -1}, VelocityCase{".5", -1},
                                           VelocityCase{"0,5", -1}, VelocityCase{"", -1},
                                           VelocityCase{"1e-1", -1}, VelocityCase{"0.050", -1},
                                           VelocityCase{"0.005", -1}));

// --kind takes the table's ids, each for its own kind, and --help and the
// refusal of anything else name every one.
TEST(Options, KindsAreTheTablesIds)
{
    const QStringList helped = parseCommandLine({"gridora-sheet", "--help"})
                                   .message.simplified()
                                   .section(QStringLiteral("Paper: "), 1)
                                   .section(QLatin1Char('.'), 0, 0)
                                   .split(QRegularExpression(QStringLiteral(", | or ")));
    const auto refused = parseCommandLine({"gridora-sheet", "--kind", "Squared", "-o", "x.pdf"});
    EXPECT_EQ(refused.exitStatus, 2);
    for (int k = 0; k < static_cast<int>(gridora::kinds::all().size()); ++k) {
        const std::string_view idText = gridora::kinds::kindAt(k).id;
        const QString id = QString::fromUtf8(idText.data(), static_cast<qsizetype>(idText.size()));
        const auto parsed = parseCommandLine({"gridora-sheet", "--kind", id, "-o", "x.pdf"});
        ASSERT_TRUE(parsed.request) << id.toStdString();
        EXPECT_EQ(parsed.request->kind, k);
        EXPECT_TRUE(helped.contains(id)) << id.toStdString();
        EXPECT_TRUE(refused.message.contains(id)) << id.toStdString();
    }
}

TEST(Options, DefaultsAndSizes)
{
    const auto a4 = parseCommandLine({"gridora-sheet", "--kind", "log", "-o", "x.pdf"});
    ASSERT_TRUE(a4.request);
    // A4 is 4960 x 7015 pixels at 600 dpi; the default margin, 6.35 mm, is 150.
    EXPECT_EQ(a4.request->width, 4960 - 300);
    EXPECT_EQ(a4.request->height, 7015 - 300);
    ASSERT_TRUE(a4.request->paper);
    EXPECT_EQ(QSize(a4.request->paper->sheetWidth, a4.request->paper->sheetHeight), QSize(4960, 7015));
    EXPECT_EQ(a4.request->paper->margin, 150);
    EXPECT_EQ(a4.request->sizeChoice, 0);
    EXPECT_EQ(a4.request->position, 60);
    const auto letter = parseCommandLine(
        {"gridora-sheet", "--kind", "log", "--paper", "letter", "--landscape", "--dpi", "300", "-o", "x.svg"});
    ASSERT_TRUE(letter.request);
    EXPECT_EQ(letter.request->width, 3300 - 150);
    EXPECT_EQ(letter.request->height, 2550 - 150);
    EXPECT_EQ(letter.request->format, Format::Svg);
    const auto whole = parseCommandLine({"gridora-sheet", "--kind", "log", "--margin", "0", "-o", "x.pdf"});
    ASSERT_TRUE(whole.request);
    EXPECT_EQ(whole.request->width, 4960);
    EXPECT_EQ(whole.request->height, 7015);
    // 12.5 mm at 600 dpi is 295.27 pixels: truncated, on both sides.
    const auto wide = parseCommandLine({"gridora-sheet", "--kind", "log", "--margin", "12.5", "-o", "x.pdf"});
    ASSERT_TRUE(wide.request);
    EXPECT_EQ(wide.request->width, 4960 - 2 * 295);
    EXPECT_EQ(wide.request->paper->margin, 295);
    const auto sample = parseCommandLine({"gridora-sheet", "--kind", "spacetime", "--sample", "-o", "-",
                                          "--format", "trace", "--decades", "3", "--velocity", "0.05"});
    ASSERT_TRUE(sample.request);
    EXPECT_EQ(sample.request->width, 357);
    EXPECT_EQ(sample.request->height, 397);
    EXPECT_EQ(sample.request->sizeChoice, 2);
    EXPECT_EQ(sample.request->position, 5);
}

class BadInput : public ::testing::TestWithParam<std::vector<const char *>> {};

// Each gets one line on standard error, status 2, and no file.
TEST_P(BadInput, IsRefusedWithStatusTwoAndNoFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("sheet.pdf"));
    QStringList args;
    for (const char *a : GetParam())
        args << QString::fromUtf8(a).replace(QStringLiteral("TARGET"), target);
    const SheetRun run = runSheet(args);
    EXPECT_EQ(run.status, 2) << run.err.constData();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    EXPECT_TRUE(run.err.startsWith("gridora-sheet: "));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInput,
    ::testing::Values(std::vector<const char *>{"--kind", "log", "--bogus", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "hexagonal", "-o", "TARGET"},
                      std::vector<const char *>{"-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--decades", "4", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--decades", "0", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "spacetime", "--velocity", "0.95", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "spacetime", "--velocity", "0.605", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--page", "0x100", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--page", "-5x100", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--page", "20001x100", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--page", "100", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--paper", "a5", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--margin", "50.01", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--margin", "6.355", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--margin", "-1", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--page", "100x100", "--margin", "5", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--paper", "a3", "--dpi", "1300", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--sample", "--page", "10x10", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "--format", "jpeg", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "-o", "TARGET.jpg"},
                      std::vector<const char *>{"--kind", "log"},
                      std::vector<const char *>{"--kind", "log", "stray", "-o", "TARGET"},
                      std::vector<const char *>{"--kind", "log", "-o", "TARGET/missing/dir.pdf"}));

TEST(Renderer, AFailedRunLeavesAnExistingFileAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.pdf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("precious");
    f.close();
    EXPECT_EQ(runSheet({"--kind", "log", "--velocity", "2", "-o", path}).status, 2);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("precious"));
}

struct FormatCase {
    const char *kind;
    const char *extension;
};

class Formats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Formats, PagesAreReadByTheirStandardTools)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.") + QLatin1String(GetParam().extension));
    const SheetRun run = runSheet({"--kind", GetParam().kind, "--decades", "2", "--name", "Zoë", "--page", "4800x6600",
                              "--dpi", "600", "-o", path});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    ASSERT_TRUE(run.err.isEmpty()) << run.err.constData();
    const QString ext = QLatin1String(GetParam().extension);
    if (ext == QLatin1String("pdf")) {
        const QString info = tool(QStringLiteral("pdfinfo"), {path});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << qPrintable(info);
        EXPECT_TRUE(info.contains(QStringLiteral("576 x 792 pts"))) << qPrintable(info); // 8 x 11 in
    } else if (ext == QLatin1String("svg")) {
        int status = -1;
        const QString out = tool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path}, &status);
        EXPECT_EQ(status, 0) << qPrintable(out);
    } else if (ext == QLatin1String("png")) {
        QImageReader reader(path);
        EXPECT_EQ(reader.size(), QSize(4800, 6600));
        EXPECT_EQ(reader.format(), "png");
    } else {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readLine().startsWith("surface 4800 6600"));
    }
}

INSTANTIATE_TEST_SUITE_P(All, Formats,
                         ::testing::Values(FormatCase{"squared", "pdf"}, FormatCase{"semilog", "svg"},
                                           FormatCase{"log", "png"}, FormatCase{"spacetime", "pdf"},
                                           FormatCase{"spacetime", "svg"}, FormatCase{"spacetime", "png"},
                                           FormatCase{"log", "trace"}, FormatCase{"squared", "svg"}));

TEST(Renderer, SamplePngHasTheSamplesSizeAndRulings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sample.png"));
    ASSERT_EQ(runSheet({"--kind", "squared", "--sample", "-o", path}).status, 0);
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(357, 397));
    // Heavy vertical at x = 20 covers columns 19 and 20; the next ruling is at 26.
    EXPECT_EQ(qGray(image.pixel(20, 200)), 0);
    EXPECT_EQ(qGray(image.pixel(19, 200)), 0);
    EXPECT_EQ(qGray(image.pixel(26, 199)), 0);
    EXPECT_EQ(qGray(image.pixel(23, 199)), 255);
}

TEST(Renderer, PaperPdfHasThePapersSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a4.pdf"));
    ASSERT_EQ(runSheet({"--kind", "semilog", "--paper", "a4", "--landscape", "--dpi", "300", "-o", path}).status, 0);
    const QString info = tool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QStringLiteral("842 x 595"))) << qPrintable(info);
}

// A page of a size in pixels is that size at its resolution, not cut to
// whole inches: 1000 pixels at 600 dpi are 120 points.
TEST(Renderer, PagePdfIsThePagesSizeInPoints)
{
    struct Case {
        const char *page, *dpi, *points;
    };
    for (const Case &c : {Case{"1000x1000", "600", "120 x 120 pts"}, Case{"1000x1100", "300", "240 x 264 pts"}}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        ASSERT_EQ(runSheet({"--kind", "log", "--page", c.page, "--dpi", c.dpi, "-o", path}).status, 0);
        const QString info = tool(QStringLiteral("pdfinfo"), {path});
        EXPECT_TRUE(info.contains(QLatin1String(c.points))) << c.page << " at " << c.dpi << ": " << qPrintable(info);
    }
}

TEST(Renderer, TraceGoesToStandardOutput)
{
    const SheetRun run = runSheet({"--kind", "spacetime", "--sample", "--velocity", "0.6", "--format", "trace", "-o", "-"});
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("surface 357 397\nrect 0 0 383 525 #000000/1/solid #ffffff\nmoveto -259 499\n"));
}

TEST(Renderer, HelpAndVersion)
{
    const SheetRun help = runSheet({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--kind"));
    EXPECT_TRUE(help.out.startsWith("Usage: gridora-sheet [options]")) << help.out.toStdString();
    // Where landscape is chosen, the user is told what it does to the sheets.
    EXPECT_TRUE(help.out.simplified().contains("sheets lose rows at the top and bottom and squared cells become long "
                                               "rectangles"))
        << help.out.toStdString();
    const SheetRun version = runSheet({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("gridora-sheet %1\n").arg(QLatin1String(gridora::kVersion)));
}

} // namespace
