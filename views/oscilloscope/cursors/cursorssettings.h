#pragma once

#include <QMetaType>

// The cursor choice of the settings window: the kind (0 none, 1 time, 2 track, 3 voltage,
// 4 manual; any other value none) and the source each of the two cursors measures (0 channel 1,
// 1 channel 2, 2 math channel).
struct CursorsSettings
{
    int type = 0;
    int source1 = 0;
    int source2 = 0;
};

Q_DECLARE_METATYPE(CursorsSettings)
