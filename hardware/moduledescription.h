#pragma once

#include "hardware/moduletypes.h"

#include <QMetaType>
#include <QString>
#include <QVector>

// One search hit: what was found and where it is reached.
struct ModuleDescription
{
    ModuleTypes type = ModuleTypeNone;
    QString resource; // VISA resource string; a mezzanine carries its carrier's
    int position = 1; // carrier slot 1 to 8; 1 for a stand-alone instrument

    bool operator==(const ModuleDescription &other) const
    {
        return type == other.type && resource == other.resource && position == other.position;
    }
    bool operator!=(const ModuleDescription &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(ModuleDescription)
Q_DECLARE_METATYPE(QVector<ModuleDescription>)
