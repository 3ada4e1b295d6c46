#pragma once

#include "hardware/moduletypes.h"

#include <QMetaType>
#include <QString>
#include <QVector>

// One search hit. A mezzanine module carries the resource string of its carrier and its slot;
// a stand-alone instrument its own resource string and position 1.
struct ModuleDescription
{
    ModuleTypes type = ModuleTypeNone;
    QString resource;
    int position = 1;

    bool operator==(const ModuleDescription &other) const
    {
        return type == other.type && resource == other.resource && position == other.position;
    }
    bool operator!=(const ModuleDescription &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(ModuleDescription)
Q_DECLARE_METATYPE(QVector<ModuleDescription>)
