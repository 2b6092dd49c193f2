#pragma once
// The private print server of the printing tests (scripts/cups-start.sh): its
// cups-pdf queue, where the queue's pages arrive, and starting and stopping it.
// Every build tree has a server of its own, so nothing here can see another
// tree's pages or jobs.

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

#include <signal.h>
#include <sys/types.h>

namespace gridora::print::test {

inline const QString kQueue = QStringLiteral("GridoraPDF");

/// The folder of this build tree's print server (scripts/cups-start.sh), from
/// the tests' environment; CUPS_SERVER there points the tests at its socket.
inline QString cupsDirectory()
{
    return qEnvironmentVariable("GRIDORA_CUPS_DIR");
}

/// The device of a cups-pdf queue on that server: pages arrive in pdfFolder().
inline QString cupsPdfDevice()
{
    return QStringLiteral("cups-pdf:/") + QFileInfo(cupsDirectory()).fileName();
}

inline QString pdfFolder()
{
    return cupsDirectory() + QStringLiteral("/pdf");
}

inline QSet<QString> arrivedPdfs()
{
    QSet<QString> files;
    for (const QFileInfo &file : QDir(pdfFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        files.insert(file.absoluteFilePath());
    return files;
}

/// True once the server holds no unfinished job (or no server runs). An
/// lpstat that has not answered yet (a loaded machine) is no answer, not an
/// empty queue.
inline bool queueEmpty()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    return lpstat.waitForFinished(60000) && lpstat.exitStatus() == QProcess::NormalExit &&
           lpstat.readAllStandardOutput().trimmed().isEmpty();
}

struct FinishedJob {
    int id = 0;
    QString title;
};

/// This user's latest finished job on `queue`, as the print server holds it.
inline FinishedJob lastJob(const QString &queue)
{
    const QByteArray name = queue.toUtf8();
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_COMPLETED);
    int latest = -1;
    for (int i = 0; i < count; ++i)
        if (latest < 0 || jobs[i].id > jobs[latest].id)
            latest = i;
    FinishedJob job;
    if (latest >= 0) {
        job.id = jobs[latest].id;
        job.title = jobs[latest].title ? QString::fromUtf8(jobs[latest].title) : QString();
    }
    cupsFreeJobs(count, jobs);
    return job;
}

inline QString lastJobTitle(const QString &queue)
{
    return lastJob(queue).title;
}

/// The copies the print server was asked for in this user's latest finished
/// job on `queue` (1 when the job did not say); 0 when there is no such job.
inline int lastJobCopies(const QString &queue)
{
    const int id = lastJob(queue).id;
    if (id == 0)
        return 0;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", id);
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "copies");
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    ipp_attribute_t *copies = ippFindAttribute(response, "copies", IPP_TAG_INTEGER);
    const int count = copies ? ippGetInteger(copies, 0) : 1;
    ippDelete(response);
    return count;
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
    if (cupsDirectory().isEmpty() || qEnvironmentVariable("CUPS_SERVER").isEmpty() ||
        qEnvironmentVariable("CUPS_SERVERROOT").isEmpty()) {
        qWarning("GRIDORA_CUPS_DIR, CUPS_SERVER and CUPS_SERVERROOT are not set: run the printing tests through CTest");
        return false;
    }
    return runQuietly(QStringLiteral("bash"), {QStringLiteral(GRIDORA_SOURCE_DIR "/scripts/cups-start.sh")}) == 0 &&
           cups::serverAnswers();
}

/// Stops the scheduler and waits until it has gone, so that a scheduler
/// started next does not meet the old one still closing its socket.
inline bool stopPrintServer()
{
    QFile pidFile(cupsDirectory() + QStringLiteral("/run/cupsd.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return false;
    bool isNumber = false;
    const pid_t pid = QString::fromLatin1(pidFile.readAll()).trimmed().toInt(&isNumber);
    if (!isNumber || pid <= 0 || ::kill(pid, SIGTERM) != 0)
        return false;
    const auto gone = [pid] {
        // A scheduler that has exited but is not yet reaped shows state Z.
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray line = stat.readAll();
        return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
    };
    return QTest::qWaitFor(gone, 60000) && !cups::serverAnswers();
}

} // namespace gridora::print::test
