#include "resources/resourcestate.h"

#include <QSettings>

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
