#include "page_memory.h"

#include <QFile>
#include <QSize>

#include <algorithm>

namespace gridora::cli {

namespace {

std::optional<QByteArray> fileText(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // /proc and /sys files report no size: read until the end.
    return file.readAll();
}

// A control group (v2) limit still to go: memory.max less memory.current.
std::optional<std::uint64_t> groupHeadroom()
{
    const auto max = fileText("/sys/fs/cgroup/memory.max");
    const auto current = fileText("/sys/fs/cgroup/memory.current");
    if (!max || !current)
        return std::nullopt;
    bool maxOk = false, currentOk = false;
    const std::uint64_t limit = max->trimmed().toULongLong(&maxOk); // "max" means none
    const std::uint64_t used = current->trimmed().toULongLong(&currentOk);
    if (!maxOk || !currentOk)
        return std::nullopt;
    return limit > used ? limit - used : 0;
}

// A PNG page's image: the whole sheet of a --paper page, margins included.
QSize sheetPixels(const SheetRequest &request)
{
    if (request.paper)
        return {request.paper->sheetWidth, request.paper->sheetHeight};
    return {request.width, request.height};
}

QString megabytes(std::uint64_t bytes)
{
    return QString::number((bytes + (1u << 20) - 1) >> 20);
}

} // namespace

std::uint64_t pageImageBytes(const SheetRequest &request)
{
    if (request.format != Format::Png)
        return 0;
    const QSize image = sheetPixels(request);
    const std::uint64_t bytesPerLine = (std::uint64_t(std::max(image.width(), 1)) + 3) / 4 * 4;
    return bytesPerLine * std::uint64_t(std::max(image.height(), 1));
}

std::optional<std::uint64_t> memAvailable(const QByteArray &meminfo)
{
    for (const QByteArray &line : meminfo.split('\n')) {
        if (!line.startsWith("MemAvailable:"))
            continue;
        const QList<QByteArray> fields = line.mid(13).simplified().split(' ');
        bool ok = false;
        const std::uint64_t kilobytes = fields.value(0).toULongLong(&ok);
        if (!ok || fields.value(1) != "kB")
            return std::nullopt;
        return kilobytes * 1024;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> availableMemory()
{
    const auto meminfo = fileText("/proc/meminfo");
    std::optional<std::uint64_t> available = meminfo ? memAvailable(*meminfo) : std::nullopt;
    if (const auto headroom = groupHeadroom())
        available = available ? std::min(*available, *headroom) : *headroom;
    return available;
}

std::optional<QString> memoryRefusal(const SheetRequest &request, std::optional<std::uint64_t> available)
{
    const std::uint64_t image = pageImageBytes(request);
    if (image == 0 || !available || image + kRunOverheadBytes <= *available)
        return std::nullopt;
    return QStringLiteral("a PNG page of %1 x %2 pixels needs about %3 MB of memory, but only %4 MB is free: "
                          "choose a smaller page or a lower --dpi")
        .arg(QString::number(sheetPixels(request).width()), QString::number(sheetPixels(request).height()),
             megabytes(image + kRunOverheadBytes), megabytes(*available));
}

} // namespace gridora::cli
