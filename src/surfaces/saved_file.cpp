#include "saved_file.h"

#include <QSaveFile>

namespace gridora {

// Qt's writers do not check what the device took: a disk that fills part way
// through a write takes the first bytes and reports no error. Here the rest
// is offered again after a short write, and that second write fails with the
// reason. Files are opened unbuffered for this: QSaveFile renames a file
// whose buffered bytes never reached the disk, as if it had been written.
bool writeAll(QFileDevice &out, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    // Buffered bytes reach the file, and show a full disk, only here.
    return out.flush() && out.error() == QFileDevice::NoError;
}

std::optional<SaveFailure> saveWhole(const QString &path, const QByteArray &bytes)
{
    // A QSaveFile that is not committed removes its temporary file.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveFailure{false, out.errorString()};
    if (!writeAll(out, bytes) || !out.commit())
        return SaveFailure{true, out.errorString()};
    return std::nullopt;
}

} // namespace gridora
