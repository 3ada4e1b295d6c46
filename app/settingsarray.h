#pragma once

#include <QString>

#include <functional>

class QSettings;

// Reads the array `prefix` of the settings object's current group, calling readElement with
// each element selected in turn. The stored size is not trusted: reading stops at the first
// element that has no keys at all, so a corrupted size cannot make the reader loop for ever.
void readSettingsArray(QSettings &settings, const QString &prefix,
                       const std::function<void()> &readElement);
