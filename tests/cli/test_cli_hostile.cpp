// gridora-sheet against hostile input and a hostile machine: names of every
// kind, pages too large for memory, full disks, devices and pipes as output,
// the user's umask, paths and messages with control characters in them.
#include "page_memory.h"
#include "sheet_run.h"
#include "trace_lines.h"
#include "trace_surface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

// GCC says __SANITIZE_ADDRESS__, clang answers __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define GRIDORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GRIDORA_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef GRIDORA_ADDRESS_SANITIZER
#define GRIDORA_ADDRESS_SANITIZER 0
#endif

using namespace gridora::cli;
using namespace gridora::cli::test;

namespace {

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System | QDir::Hidden, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

bool isCharacterDevice(const QString &path)
{
    return std::filesystem::is_character_file(QFile::encodeName(path).toStdString());
}

// --- Memory ----------------------------------------------------------------

SheetRequest pngPage(int width, int height)
{
    SheetRequest r;
    r.format = Format::Png;
    r.width = width;
    r.height = height;
    return r;
}

TEST(PageMemory, ImageBytesArePaddedRowsOfOneByte)
{
    EXPECT_EQ(pageImageBytes(pngPage(20000, 20000)), 400000000u);
    EXPECT_EQ(pageImageBytes(pngPage(4801, 10)), 48040u); // rows of 4801 padded to 4804
    SheetRequest pdf = pngPage(20000, 20000);
    pdf.format = Format::Pdf;
    EXPECT_EQ(pageImageBytes(pdf), 0u);
    pdf.format = Format::Trace;
    EXPECT_EQ(pageImageBytes(pdf), 0u);
}

TEST(PageMemory, MemAvailableIsReadInKilobytes)
{
    const QByteArray meminfo = "MemTotal:       24683772 kB\nMemFree:         1000 kB\n"
                               "MemAvailable:   23625124 kB\nBuffers:          4 kB\n";
    EXPECT_EQ(memAvailable(meminfo), std::optional<std::uint64_t>(23625124ull * 1024));
    EXPECT_EQ(memAvailable("MemTotal: 5 kB\n"), std::nullopt);
    EXPECT_EQ(memAvailable("MemAvailable: lots\n"), std::nullopt);
    EXPECT_EQ(memAvailable("MemAvailable: 12 MB\n"), std::nullopt);
}

struct MemoryCase {
    int width, height;
    Format format;
    std::optional<std::uint64_t> available;
    bool refused;
};

class MemoryRefusal : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryRefusal, OnlyImagesThatDoNotFitAreRefused)
{
    SheetRequest r = pngPage(GetParam().width, GetParam().height);
    r.format = GetParam().format;
    const auto why = memoryRefusal(r, GetParam().available);
    EXPECT_EQ(why.has_value(), GetParam().refused);
    if (why) {
        EXPECT_TRUE(why->contains(QStringLiteral("%1 x %2 pixels").arg(GetParam().width).arg(GetParam().height)))
            << why->toStdString();
        EXPECT_TRUE(why->contains(QStringLiteral("MB of memory"))) << why->toStdString();
    }
}

constexpr std::uint64_t MB = 1ull << 20;

std::string memoryCaseLabel(const ::testing::TestParamInfo<MemoryCase> &info)
{
    static const char *const formats[] = {"pdf", "svg", "png", "trace"};
    const MemoryCase &c = info.param;
    return std::to_string(c.width) + "_" + formats[int(c.format)] + "_" +
           (c.available ? std::to_string(*c.available / MB) + "MB" : std::string("unknown"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MemoryRefusal,
    ::testing::Values(MemoryCase{20000, 20000, Format::Png, 300 * MB, true},
                      MemoryCase{20000, 20000, Format::Png, 2048 * MB, false},
                      // The image alone would fit; with the rest of the run it does not.
                      MemoryCase{10000, 10000, Format::Png, 100 * MB, true},
                      MemoryCase{10000, 10000, Format::Png, 200 * MB, false},
                      // Vector pages and traces paint no image.
                      MemoryCase{20000, 20000, Format::Pdf, 1 * MB, false},
                      MemoryCase{20000, 20000, Format::Svg, 1 * MB, false},
                      MemoryCase{20000, 20000, Format::Trace, 1 * MB, false},
                      // Nothing known about the memory: Qt's own failure is the guard.
                      MemoryCase{20000, 20000, Format::Png, std::nullopt, false}),
    memoryCaseLabel);

// With its address space limited, the page image cannot be had: one line, no
// crash, no file. (The check before drawing counts the machine's memory, not
// this limit, so it is QImage's own failure that is met here.)
TEST(Memory, AnImageThatCannotBeAllocatedIsReportedNotCrashedOn)
{
#if GRIDORA_ADDRESS_SANITIZER
    GTEST_SKIP() << "AddressSanitizer cannot run under an address-space limit";
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.png"));
    const SheetRun run = runSheet({"--kind", "log", "--page", "20000x20000", "-o", path}, [] {
        const rlimit limit{300ull << 20, 300ull << 20};
        setrlimit(RLIMIT_AS, &limit);
    });
    EXPECT_EQ(run.status, 1) << run.err.constData();
    EXPECT_EQ(run.err, "gridora-sheet: cannot draw the sheet: There is not enough memory for a page image of "
                       "20000 x 20000 pixels\n");
    EXPECT_EQ(entries(dir.path()), QStringList());
#endif
}

// --- Names -----------------------------------------------------------------

struct NameCase {
    const char *label;
    std::string name;
};

class HostileName : public ::testing::TestWithParam<NameCase> {};

// Whatever the name, the page is drawn and its trace holds the name exactly.
TEST_P(HostileName, IsPrintedAsGiven)
{
    const std::string &name = GetParam().name;
    const SheetRun trace =
        runSheet({"--kind", "squared", "--page", "4800x6600", "--name", QString::fromStdString(name), "--format",
                  "trace", "-o", "-"});
    ASSERT_EQ(trace.status, 0) << trace.err.constData();
    EXPECT_TRUE(trace.err.isEmpty()) << trace.err.constData();
    const auto texts = gridora::tracetest::linesStarting(gridora::tracetest::splitLines(trace.out.toStdString()),
                                                         "text 10 10 12 ");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(gridora::tracetest::jsonStringText(texts[0].substr(14)), name);

    QTemporaryDir dir;
    for (const char *ext : {"png", "svg", "pdf"}) {
        const QString path = dir.filePath(QStringLiteral("sheet.") + QLatin1String(ext));
        const SheetRun run = runSheet({"--kind", "spacetime", "--page", "2400x3300", "--dpi", "300", "--name",
                                       QString::fromStdString(name), "-o", path});
        EXPECT_EQ(run.status, 0) << ext << ": " << run.err.constData();
        EXPECT_TRUE(run.err.isEmpty()) << ext << ": " << run.err.constData();
        EXPECT_GT(QFileInfo(path).size(), 1000) << ext;
    }
    // The SVG is still XML: no control character reached it.
    QProcess lint;
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), dir.filePath(QStringLiteral("sheet.svg"))});
    lint.waitForFinished(60000);
    EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().constData();
}

std::string repeated(const std::string &piece, std::size_t characters, std::size_t pieceCharacters)
{
    std::string out;
    for (std::size_t n = 0; n < characters; n += pieceCharacters)
        out += piece;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostileName,
    ::testing::Values(NameCase{"controls", "Ann\nBob\r\tC\x01\x07\x0b\x0c\x1b[31mD\x7f\x1f" "E"},
                      NameCase{"separators", "a\xC2\x85" "b\xE2\x80\xA8" "c\xE2\x80\xA9" "d"},
                      NameCase{"rtl", "שלום עולם مرحبا بالعالم"},
                      NameCase{"bidi", "\xE2\x80\xAE" "abc\xE2\x81\xA7" "def\xE2\x81\xA9\xE2\x81\xA9"},
                      NameCase{"emoji", "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7 "
                                        "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA"},
                      NameCase{"combining", "Z\xCC\x80\xCC\x81\xCC\x82\xCC\x83\xCC\x84\xCC\x85\xCC\x86 e\xCC\x81"},
                      NameCase{"non-characters", "\xEF\xBF\xBE\xEF\xBF\xBF"},
                      NameCase{"format-like", "%s%n%x %1 %2 $(id) `id` ; rm -rf / | cat"},
                      // Linux takes at most 128 KiB in one argument: 100,000
                      // characters fit in ASCII, fewer in longer encodings.
                      NameCase{"100k ascii", repeated("Ab", 100000, 2)},
                      NameCase{"30k mixed", repeated("\xD7\xA9" "e\xCC\x81\t" "\xF0\x9F\x98\x80", 30000, 5)}),
    [](const ::testing::TestParamInfo<NameCase> &info) {
        std::string label;
        for (const char c : std::string(info.param.label))
            label += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return label;
    });

// --- Full disks, devices and pipes ------------------------------------------

// A private /dev/full: the machine's own is never put at risk.
class FullDevice : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString device;

    void SetUp() override
    {
        device = dir.filePath(QStringLiteral("full"));
        if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            GTEST_SKIP() << "cannot make a device node here (needs root and a filesystem that allows it)";
    }
};

TEST_F(FullDevice, EveryFormatFailsWithTheReasonAndTheDeviceStays)
{
    for (const char *format : {"pdf", "svg", "png", "trace"}) {
        const SheetRun run = runSheet({"--kind", "spacetime", "--format", format, "-o", device});
        EXPECT_EQ(run.status, 1) << format;
        EXPECT_EQ(run.err, "gridora-sheet: cannot write '" + device.toUtf8() + "': No space left on device\n")
            << format;
        EXPECT_TRUE(isCharacterDevice(device)) << format << ": the device was replaced";
        EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("full")}) << format;
    }
}

TEST_F(FullDevice, StandardOutputOnAFullDeviceFails)
{
    const SheetRun run = runSheet({"--kind", "log", "--format", "pdf", "-o", "-"}, {}, device);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "gridora-sheet: cannot write 'standard output': No space left on device\n");
}

// A small filesystem with a few kilobytes left: every format runs out part
// way through its page.
class FullDisk : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString root;
    bool mounted = false;

    void SetUp() override
    {
        root = dir.filePath(QStringLiteral("disk"));
        ASSERT_TRUE(QDir().mkpath(root));
        if (mount("tmpfs", QFile::encodeName(root).constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
        mounted = true;
        // 56 KiB of the 64 taken: 8 KiB left, less than any page.
        writeFile(root + QStringLiteral("/filler"), QByteArray(56 * 1024, 'x'));
    }

    void TearDown() override
    {
        if (mounted)
            umount2(QFile::encodeName(root).constData(), MNT_DETACH);
    }
};

TEST_F(FullDisk, NoPartOfThePageIsLeftAndAnOldFileIsKept)
{
    for (const char *ext : {"pdf", "svg", "png", "trace"}) {
        const QString kept = root + QStringLiteral("/kept.") + QLatin1String(ext);
        const QString fresh = root + QStringLiteral("/fresh.") + QLatin1String(ext);
        writeFile(kept, "precious");
        const QStringList before = entries(root);
        for (const QString &path : {kept, fresh}) {
            const SheetRun run = runSheet({"--kind", "spacetime", "--page", "4800x6600", "--name",
                                           QString(3000, QLatin1Char('W')), "-o", path});
            EXPECT_EQ(run.status, 1) << ext;
            EXPECT_EQ(run.err, "gridora-sheet: cannot write '" + path.toUtf8() + "': No space left on device\n")
                << run.err.constData();
        }
        EXPECT_EQ(entries(root), before) << ext << ": a temporary or partial file was left";
        EXPECT_EQ(contents(kept), "precious") << ext;
        QFile::remove(kept);
    }
}

// A pipe is written in place; QSaveFile would have renamed a file over it.
TEST(Pipe, IsWrittenAndStaysAPipe)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), {fifo});
    ASSERT_TRUE(reader.waitForStarted());
    const SheetRun run = runSheet({"--kind", "log", "--format", "trace", "-o", fifo});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    ASSERT_TRUE(reader.waitForFinished(20000)) << "nothing was written to the pipe";
    EXPECT_TRUE(reader.readAllStandardOutput().startsWith("surface 4660 6715\nbegindoc\n"));
    EXPECT_TRUE(std::filesystem::is_fifo(QFile::encodeName(fifo).toStdString()));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("pipe")});
}

// --- Files, paths and messages ----------------------------------------------

mode_t modeOf(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

struct UmaskCase {
    mode_t umask;
    mode_t mode;
};

class Umask : public ::testing::TestWithParam<UmaskCase> {};

TEST_P(Umask, NewFilesTakeTheUsersUmask)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const mode_t mask = GetParam().umask;
    const SheetRun run = runSheet({"--kind", "log", "-o", path}, [mask] { ::umask(mask); });
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(modeOf(path), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Masks, Umask,
                         ::testing::Values(UmaskCase{077, 0600}, UmaskCase{022, 0644}, UmaskCase{002, 0664},
                                           UmaskCase{0, 0666}),
                         [](const ::testing::TestParamInfo<UmaskCase> &info) {
                             char label[16];
                             std::snprintf(label, sizeof label, "umask_%03o", unsigned(info.param.umask));
                             return std::string(label);
                         });

TEST(Files, AnExistingFileKeepsItsMode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.svg"));
    writeFile(path, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    const SheetRun run = runSheet({"--kind", "log", "-o", path}, [] { ::umask(077); });
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(modeOf(path), mode_t(0640));
    EXPECT_TRUE(contents(path).startsWith("<?xml"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("sheet.svg")});
}

// A path that is not UTF-8 would be written under another name: refused.
TEST(Files, AnOutputPathThatIsNotUtf8IsRefused)
{
    QTemporaryDir dir;
    QProcess shell;
    shell.setWorkingDirectory(dir.path());
    // The shell builds the one argument no QString can carry: \377 is no UTF-8.
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"),
                                       QStringLiteral("exec \"$0\" --kind log -o \"$(printf 'a\\377.pdf')\""),
                                       QStringLiteral(GRIDORA_SHEET)});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 2);
    const QByteArray err = shell.readAllStandardError();
    EXPECT_TRUE(err.startsWith("gridora-sheet: the output path")) << err.constData();
    EXPECT_EQ(err.count('\n'), 1);
    EXPECT_EQ(entries(dir.path()), QStringList());
}

// Text from the command line in a message can neither break it into lines
// nor reach the terminal as an escape sequence.
TEST(Messages, ControlCharactersInUserTextAreEscaped)
{
    QTemporaryDir dir;
    const QString badDir = dir.filePath(QStringLiteral("no\nsuch\x1b[2J/dir/sheet.pdf"));
    for (const QStringList &args : {QStringList{"--kind", "hex\nagonal\x1b[31m", "-o", "x.pdf"},
                                    QStringList{"--kind", "log", "-o", badDir}}) {
        const SheetRun run = runSheet(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
        EXPECT_FALSE(run.err.contains('\x1b')) << run.err.constData();
        EXPECT_TRUE(run.err.contains("\\u001b")) << run.err.constData();
    }
}

} // namespace
