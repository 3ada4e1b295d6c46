#include "app/settingsarray.h"

#include <QSettings>

void readSettingsArray(QSettings &settings, const QString &prefix,
                       const std::function<void()> &readElement)
{
    const int size = settings.beginReadArray(prefix);
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        if (settings.childKeys().isEmpty() && settings.childGroups().isEmpty())
            break;
        readElement();
    }
    settings.endArray();
}
