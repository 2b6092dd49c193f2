// Build-time tool: renders Gridora's scalable icon into a square PNG, so the
// fixed-size icons never drift from the SVG.
//
//   gridora-render-icon ICON.svg SIZE OUT.png
//
// Exits 2 on bad arguments, 1 when the SVG cannot be read or the PNG written.

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const char *message, const char *detail, int status)
{
    std::fprintf(stderr, "gridora-render-icon: %s%s\n", message, detail);
    return status;
}

QImage renderSquare(QSvgRenderer &svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        return fail("usage: gridora-render-icon ICON.svg SIZE OUT.png", "", 2);
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&ok);
    if (!ok || size < 16 || size > 1024)
        return fail("size must be a whole number from 16 to 1024: ", argv[2], 2);

    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid())
        return fail("cannot read the icon ", argv[1], 1);
    if (!renderSquare(svg, size).save(QString::fromLocal8Bit(argv[3]), "PNG"))
        return fail("cannot write ", argv[3], 1);
    return 0;
}
