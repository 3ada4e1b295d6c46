#include "resources/resourcestate.h"

#include "resources/storefile.h"

#include <QSettings>

#include <algorithm>

int readCount(const ResourceState &state, const QString &key, int maximum)
{
    const double count = state.value(key).toDouble();
    if (!(count > 0.0))
        return 0;
    return int(std::min(count, double(maximum)));
}

bool saveStateToFile(const ResourceState &state, const QString &fileName)
{
    if (prepareStoreFile(fileName, StoreUse::Write) == StoreFileStatus::Refused)
        return false;
    QSettings settings(fileName, QSettings::IniFormat);
    for (const auto &entry : state)
        settings.setValue(entry.first, entry.second);
    return writeStore(settings);
}

ResourceState loadStateFromFile(const QString &fileName)
{
    if (prepareStoreFile(fileName) != StoreFileStatus::Usable)
        return {};
    ResourceState state;
    QSettings settings(fileName, QSettings::IniFormat);
    // The file was checked, but it may have changed since.
    try {
        const QStringList keys = settings.allKeys();
        for (const QString &key : keys)
            state[key] = settings.value(key);
    } catch (...) {
        reportStoreProblem(QStringLiteral("%1 cannot be read; defaults are used").arg(fileName));
        return {};
    }
    return state;
}
