#include "resources/storefile.h"

#include "hardware/tracelogger.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>

#include <signal.h>

namespace {

// Qt decodes a stored "@Variant(...)" value when it is first read; a list that claims 2^31
// entries makes it throw std::bad_alloc from inside the store. Every key is read here once,
// so that such a value is met by this guard and not by the program's readers.
bool everyValueReads(const QString &path)
{
    try {
        QSettings probe(path, QSettings::IniFormat);
        const QStringList keys = probe.allKeys();
        for (const QString &key : keys)
            probe.value(key);
    } catch (...) {
        return false;
    }
    return true;
}

// Qt shares one parsed copy of a file among all store objects open on it, pending changes
// included, so the probe reads a copy of its own.
bool storeFileReads(const QString &path)
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("probe.ini"));
    if (folder.isValid() && QFile::copy(path, copy))
        return everyValueReads(copy);
    return everyValueReads(path);
}

// Qt writes a lock's owner right after creating it; a lock younger than this that names no
// owner may be in that moment, and is left alone.
constexpr qint64 ownerlessLockGraceMs = 2000;

bool processIsGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
}

bool onAnotherMachine(const QString &host)
{
    return !host.isEmpty() && host != QSysInfo::machineHostName();
}

// The machine a lock's third line names; Qt does not report an owner whose machine or boot
// differs from this one, and only the machine is a reason to keep the lock.
QString lockHost(const QString &lockPath)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QList<QByteArray> lines = file.read(4096).split('\n');
    return lines.size() > 2 ? QString::fromUtf8(lines.at(2)) : QString();
}

// Why no running process can hold the lock, or an empty string while one may. An owner on
// another machine cannot be asked, so its lock is kept.
QString abandonedLockReason(const QString &lockPath)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(lockPath).getLockInfo(&pid, &host, &application)) {
        if (onAnotherMachine(lockHost(lockPath)))
            return QString();
        const qint64 age = QFileInfo(lockPath).lastModified().msecsTo(QDateTime::currentDateTime());
        return qAbs(age) > ownerlessLockGraceMs ? QStringLiteral("names no running owner")
                                                : QString();
    }
    if (onAnotherMachine(host))
        return QString();
    return processIsGone(pid) ? QStringLiteral("was left by process %1, which has ended").arg(pid)
                              : QString();
}

// Qt waits for the lock beside a store before every write, deeming it stale only after 30 s;
// a lock left by a killed run would hold the interface that long.
void removeAbandonedLock(const QString &path)
{
    const QString lockPath = path + QStringLiteral(".lock");
    const QFileInfo lock(lockPath);
    if (!lock.isFile())
        return;
    const QString reason = abandonedLockReason(lockPath);
    if (reason.isEmpty())
        return;
    if (QFile::remove(lockPath))
        reportStoreProblem(QStringLiteral("%1 %2; removed").arg(lockPath, reason));
    else
        reportStoreProblem(QStringLiteral("%1 %2 but cannot be removed").arg(lockPath, reason));
}

} // namespace

StoreFileStatus prepareStoreFile(const QString &path)
{
    removeAbandonedLock(path);
    const QFileInfo info(path);
    if (!info.exists())
        return StoreFileStatus::Usable;
    if (!info.isFile()) {
        reportStoreProblem(QStringLiteral("%1 is not a regular file; it is treated as missing "
                                          "and nothing is written to it")
                                   .arg(path));
        return StoreFileStatus::Refused;
    }
    if (storeFileReads(path))
        return StoreFileStatus::Usable;
    const QString aside = corruptStoreFileName(path, QDateTime::currentDateTime());
    if (!QFile::rename(path, aside)) {
        reportStoreProblem(QStringLiteral("%1 cannot be read nor moved aside; it is treated as "
                                          "missing and nothing is written to it")
                                   .arg(path));
        return StoreFileStatus::Refused;
    }
    reportStoreProblem(QStringLiteral("%1 cannot be read; moved aside to %2, defaults are used")
                               .arg(path, aside));
    return StoreFileStatus::MovedAside;
}

QString corruptStoreFileName(const QString &path, const QDateTime &when)
{
    const QString base =
            path + QStringLiteral(".corrupt-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int counter = 1; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++counter)
        name = base + QStringLiteral("-%1").arg(counter);
    return name;
}

bool writeStore(QSettings &settings)
{
    try {
        settings.sync();
    } catch (...) {
        reportStoreProblem(QStringLiteral("%1 could not be saved: a stored value cannot be read")
                                   .arg(settings.fileName()));
        return false;
    }
    // A format error belongs to the reading; only an access error means the write failed.
    if (settings.status() == QSettings::AccessError) {
        reportStoreProblem(QStringLiteral("%1 could not be saved").arg(settings.fileName()));
        return false;
    }
    return true;
}

void reportStoreProblem(const QString &line)
{
    std::fprintf(stderr, "pralune: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    TraceLogger::instance().warning(line);
}
