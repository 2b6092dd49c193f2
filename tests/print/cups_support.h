#pragma once
// The private print server of the printing tests (scripts/cups-start.sh): its
// cups-pdf queue, where the queue's pages arrive, and starting and stopping it.

#include "cups_queue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cups/cups.h>

#include <pwd.h>
#include <unistd.h>

namespace gridora::print::test {

inline const QString kQueue = QStringLiteral("GridoraPDF");

// Where cups-pdf puts a job of this user: "Out" of its configuration, with
// ${HOME} and ${USER} filled in, or the directory for anonymous jobs.
inline QStringList cupsPdfDirectories()
{
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QString anonymous = QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QByteArray &raw : conf.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1String("Out ")))
                out = line.mid(4).trimmed();
            else if (line.startsWith(QLatin1String("AnonDirName ")))
                anonymous = line.mid(12).trimmed();
        }
    }
    const passwd *user = getpwuid(getuid());
    if (user) {
        out.replace(QLatin1String("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        out.replace(QLatin1String("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return {out, anonymous};
}

inline QSet<QString> arrivedPdfs()
{
    QSet<QString> files;
    for (const QString &path : cupsPdfDirectories())
        for (const QFileInfo &file : QDir(path).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
            files.insert(file.absoluteFilePath());
    return files;
}

inline bool queueEmpty()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    lpstat.waitForFinished(10000);
    return lpstat.exitStatus() == QProcess::NormalExit && lpstat.readAllStandardOutput().trimmed().isEmpty();
}

/// The title the print server holds for this user's latest finished job on `queue`.
inline QString lastJobTitle(const QString &queue)
{
    const QByteArray name = queue.toUtf8();
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_COMPLETED);
    int latest = -1;
    for (int i = 0; i < count; ++i)
        if (latest < 0 || jobs[i].id > jobs[latest].id)
            latest = i;
    const QString title = latest >= 0 && jobs[latest].title ? QString::fromUtf8(jobs[latest].title) : QString();
    cupsFreeJobs(count, jobs);
    return title;
}

inline int runQuietly(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

/// Brings the scheduler and the default queue back as the fixture made them.
inline bool startPrintServer()
{
    return runQuietly(QStringLiteral("bash"), {QStringLiteral(GRIDORA_SOURCE_DIR "/scripts/cups-start.sh")}) == 0 &&
           cups::serverAnswers();
}

inline bool stopPrintServer()
{
    QFile pidFile(QStringLiteral("/run/cups/cupsd.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return false;
    const QString pid = QString::fromLatin1(pidFile.readAll()).trimmed();
    if (runQuietly(QStringLiteral("kill"), {pid}) != 0)
        return false;
    return QTest::qWaitFor([] { return !cups::serverAnswers(); }, 10000);
}

} // namespace gridora::print::test
