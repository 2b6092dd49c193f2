// Build-time tool: renders the licence text into the licence viewer's agreement
// picture.
//
//   gridora-agreement-picture LICENSE agreement.png
//
// The picture is 450 x 1400 pixels, one bit per pixel (colour index 0 black,
// index 1 white), black text on white. The viewer scrolls it in 100 equal steps
// whatever the text says, so the text is set as large as it fits and then
// spread down the page: its ink starts on row 3 and ends on row 1388 at the
// latest. Exits 1 with a message when no font can be found or the text does not
// fit.

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int pictureWidth = 450;
constexpr int pictureHeight = 1400;
constexpr int firstInkRow = 3;
constexpr int lastInkRow = 1388;
constexpr int sideMargin = 12;
constexpr int largestPixelSize = 30;
constexpr int smallestPixelSize = 9;

struct Paragraph {
    QString text;
    bool heading = false;
};

// Blank lines separate paragraphs; the hard line breaks inside one are only
// the file's wrapping and become spaces. The first paragraph is the title.
std::vector<Paragraph> readParagraphs(const QString &licence)
{
    std::vector<Paragraph> paragraphs;
    QStringList words;
    auto flush = [&] {
        if (!words.isEmpty())
            paragraphs.push_back({words.join(QLatin1Char(' ')), paragraphs.empty()});
        words.clear();
    };
    for (const QString &line : licence.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            flush();
        else
            words << trimmed;
    }
    flush();
    return paragraphs;
}

QFont textFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    // One bit per pixel: grey edge pixels would only be thresholded away.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

struct InkBounds {
    int top = 0;
    int bottom = 0; // inclusive
};

// Sets the paragraphs at `pixelSize` on a white RGB32 canvas of the picture's
// width, with `extraGap` more pixels between paragraphs than the usual half
// line, the first line's cell starting at `top`.
QImage setText(const std::vector<Paragraph> &paragraphs, int pixelSize, double extraGap, int top, int height)
{
    QImage canvas(pictureWidth, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(Qt::black);
    const int width = pictureWidth - 2 * sideMargin;
    double y = top;
    for (const Paragraph &paragraph : paragraphs) {
        const QFont font = textFont(pixelSize, paragraph.heading);
        QTextLayout layout(paragraph.text, font, &canvas);
        QTextOption option(paragraph.heading ? Qt::AlignHCenter : Qt::AlignLeft);
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        double lineY = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, lineY));
            lineY += line.height();
        }
        layout.endLayout();
        layout.draw(&painter, QPointF(sideMargin, y));
        y += lineY + QFontInfo(font).pixelSize() / 2.0 + extraGap;
    }
    return canvas;
}

std::optional<InkBounds> inkRows(const QImage &canvas)
{
    std::optional<InkBounds> bounds;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qGray(row[x]) < 128) {
                if (!bounds)
                    bounds = InkBounds{y, y};
                bounds->bottom = y;
                break;
            }
        }
    }
    return bounds;
}

QImage toMono(const QImage &canvas)
{
    QImage picture(pictureWidth, pictureHeight, QImage::Format_Mono);
    picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    picture.fill(1);
    for (int y = 0; y < pictureHeight && y < canvas.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < pictureWidth; ++x)
            if (qGray(row[x]) < 128)
                picture.setPixel(x, y, 0);
    }
    return picture;
}

int fail(const char *message)
{
    std::fprintf(stderr, "gridora-agreement-picture: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    // The tool never shows a window; fonts come from fontconfig either way.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return fail("usage: gridora-agreement-picture LICENSE OUTPUT.png");

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail("cannot read the licence text");
    const std::vector<Paragraph> paragraphs = readParagraphs(QTextStream(&file).readAll());
    if (paragraphs.empty())
        return fail("the licence text is empty");
    if (QFontInfo(textFont(12, false)).family().isEmpty())
        return fail("no sans-serif font is installed (fonts-liberation2 or fonts-dejavu-core)");

    const int room = lastInkRow - firstInkRow + 1;
    // Draft on a canvas taller than the picture so that overflow is measured.
    const int draftHeight = 2 * pictureHeight;
    for (int size = largestPixelSize; size >= smallestPixelSize; --size) {
        const auto draft = inkRows(setText(paragraphs, size, 0, 0, draftHeight));
        if (!draft)
            return fail("the licence text leaves no ink");
        const int inkHeight = draft->bottom - draft->top + 1;
        if (inkHeight > room)
            continue;
        // Spread what is left between the paragraphs, then lift the ink to
        // its first row.
        const double extraGap = paragraphs.size() > 1 ? double(room - inkHeight) / double(paragraphs.size() - 1) : 0.0;
        auto bounds = inkRows(setText(paragraphs, size, extraGap, 0, draftHeight));
        QImage canvas = setText(paragraphs, size, extraGap, firstInkRow - bounds->top, draftHeight);
        bounds = inkRows(canvas);
        // Rounding of the spread gaps may push the last line a pixel or two
        // down; fall back to the plain spacing in that case.
        if (!bounds || bounds->top != firstInkRow || bounds->bottom > lastInkRow) {
            canvas = setText(paragraphs, size, 0, firstInkRow - draft->top, draftHeight);
            bounds = inkRows(canvas);
        }
        if (!bounds || bounds->top < firstInkRow || bounds->bottom > lastInkRow)
            return fail("cannot place the licence text inside rows 3 to 1388");
        if (!toMono(canvas).save(QString::fromLocal8Bit(argv[2]), "PNG"))
            return fail("cannot write the picture");
        return 0;
    }
    return fail("the licence text is too long for the agreement picture");
}
