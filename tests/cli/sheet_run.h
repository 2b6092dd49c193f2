#pragma once
// Runs the built gridora-sheet as a user would and collects what it said.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace gridora::cli::test {

struct SheetRun {
    int status; ///< the exit status, or -1 when the program crashed
    QByteArray out;
    QByteArray err;
};

/// `prepare` runs in the child between fork and exec (a umask, a memory
/// limit); `standardOutput`, when given, is the file standard output goes to.
inline SheetRun runSheet(const QStringList &args, const std::function<void()> &prepare = {},
                         const QString &standardOutput = {})
{
    QProcess p;
    if (prepare)
        p.setChildProcessModifier(prepare);
    if (!standardOutput.isEmpty())
        p.setStandardOutputFile(standardOutput);
    p.start(QStringLiteral(GRIDORA_SHEET), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace gridora::cli::test
