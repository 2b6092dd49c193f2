#pragma once
// A finished file written so that a failure loses nothing: under a temporary
// name beside it, renamed over it only once every byte has been written.

#include <QByteArray>
#include <QString>

#include <optional>

class QFileDevice;

namespace gridora {

/// Writes all of `bytes` to `out` and flushes it; false, with the device's
/// error set, when it takes only part of them (a full disk).
bool writeAll(QFileDevice &out, const QByteArray &bytes);

/// Why a file was not saved: it (or its temporary file) could not be
/// created, or not written whole; `reason` in the system's words, such as
/// "No space left on device".
struct SaveFailure {
    bool created = false;
    QString reason;
};

/// Saves `bytes` as the file `path`, whole or not at all: an existing file
/// stays as it was unless the new one was written in full. Returns the
/// failure, or nothing once the file is saved.
std::optional<SaveFailure> saveWhole(const QString &path, const QByteArray &bytes);

} // namespace gridora
