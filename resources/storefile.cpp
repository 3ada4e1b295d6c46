#include "resources/storefile.h"

#include "hardware/tracelogger.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

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

// Qt takes a lock's native lock the moment it creates it and writes the owner right after;
// a lock that names no owner is deemed stale only once it is older than this. A running
// process keeps the native lock for as long as it holds the lock, so a stale lock it still
// holds is never removed.
constexpr int staleLockMs = 2000;
// How long a save waits for a lock held by another process before the save is given up.
constexpr int lockWaitMs = 3000;
constexpr int lockRetryMs = 100;

// What lies at the lock's path, its link never followed; -1 when nothing (or nothing that can
// be looked at: then there is nothing to remove either).
int lockFileType(const QByteArray &name)
{
    struct stat info;
    if (::lstat(name.constData(), &info) != 0)
        return -1;
    return int(info.st_mode & S_IFMT);
}

// Removes a lock Qt can neither take nor remove (a folder, a link, a FIFO) without ever
// following it; false while it is still there.
bool unlinkOddLock(const QByteArray &name, int type)
{
    return (type == S_IFDIR ? ::rmdir(name.constData()) : ::unlink(name.constData())) == 0;
}

// QSettings takes the lock beside a store before every write and waits for it without end,
// so a save first makes sure it can have it. Whether a lock is stale is Qt's own judgement,
// with a shorter stale time; Qt removes one only under its native lock, which a running
// holder keeps. True when the store may be written: the lock is free now, or it cannot be
// made at all, in which case the write fails on its own and says so.
bool clearLockBeside(const QString &path, StoreUse use)
{
    const QString lockPath = path + QStringLiteral(".lock");
    const QByteArray name = QFile::encodeName(lockPath);
    QLockFile probe(lockPath);
    probe.setStaleLockTime(staleLockMs);
    const int patience = use == StoreUse::Write ? lockWaitMs : 0;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int type = lockFileType(name);
        if (type != -1 && type != S_IFREG) {
            if (!unlinkOddLock(name, type)) {
                if (use == StoreUse::Read)
                    return true;
                reportStoreProblem(QStringLiteral("%1 is not a regular file and cannot be removed; "
                                                  "%2 is not saved and keeps its last content")
                                           .arg(lockPath, path));
                return false;
            }
            reportStoreProblem(QStringLiteral("%1 is not a regular file; removed").arg(lockPath));
        }
        if (probe.tryLock(0)) {
            probe.unlock();
            if (type == S_IFREG)
                reportStoreProblem(
                        QStringLiteral("%1 was held by no running process; removed").arg(lockPath));
            return true;
        }
        if (probe.error() != QLockFile::LockFailedError || waited.elapsed() >= patience)
            break;
        QThread::msleep(lockRetryMs);
    }
    if (use == StoreUse::Read || probe.error() != QLockFile::LockFailedError)
        return true;
    const QString why = ::access(name.constData(), W_OK) == 0
            ? QStringLiteral("is held by another process, which did not free it within %1 s")
                      .arg(lockWaitMs / 1000)
            : QStringLiteral("cannot be opened to be checked, so it may be held");
    reportStoreProblem(QStringLiteral("%1 %2; %3 is not saved and keeps its last content")
                               .arg(lockPath, why, path));
    return false;
}

} // namespace

StoreFileStatus prepareStoreFile(const QString &path, StoreUse use)
{
    if (!clearLockBeside(path, use))
        return StoreFileStatus::Refused;
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
