#pragma once
// Whether a PNG page fits in memory. A PNG page is painted whole into an 8-bit
// image before it is encoded; at 20,000 pixels a side that is 400 MB, which a
// small machine may not have. Better to say so than to be killed or to fail
// half way.

#include "sheet_request.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace gridora::cli {

/// What the rest of a run takes besides the page image: the program, Qt,
/// fonts and the PNG encoder (about 25 MB measured; this errs high).
inline constexpr std::uint64_t kRunOverheadBytes = 64ull << 20;

/// The bytes of the request's page image, rows padded to 4 bytes as QImage
/// keeps them; 0 when the request paints no image (PDF, SVG, trace).
std::uint64_t pageImageBytes(const SheetRequest &request);

/// The "MemAvailable:" figure of /proc/meminfo's text, in bytes.
std::optional<std::uint64_t> memAvailable(const QByteArray &meminfo);

/// The memory this process can still take: MemAvailable, or less under a
/// control group's limit. Empty when the system does not say.
std::optional<std::uint64_t> availableMemory();

/// Why the request cannot be drawn in `available` bytes, or empty when it
/// can (or when nothing is known about the memory).
std::optional<QString> memoryRefusal(const SheetRequest &request, std::optional<std::uint64_t> available);

} // namespace gridora::cli
