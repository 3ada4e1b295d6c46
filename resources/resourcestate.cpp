#include "resources/resourcestate.h"

#include <QSettings>

#include <algorithm>

int readCount(const ResourceState &state, const QString &key, int maximum)
{
    const double count = state.value(key).toDouble();
    if (!(count > 0.0))
        return 0;
    return int(std::min(count, double(maximum)));
}

void saveStateToFile(const ResourceState &state, const QString &fileName)
{
    QSettings settings(fileName, QSettings::IniFormat);
    for (const auto &entry : state)
        settings.setValue(entry.first, entry.second);
}

ResourceState loadStateFromFile(const QString &fileName)
{
    ResourceState state;
    QSettings settings(fileName, QSettings::IniFormat);
    const QStringList keys = settings.allKeys();
    for (const QString &key : keys)
        state[key] = settings.value(key);
    return state;
}
