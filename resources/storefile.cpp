#include "resources/storefile.h"

#include "hardware/tracelogger.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

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

} // namespace

StoreFileStatus prepareStoreFile(const QString &path)
{
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
