#pragma once

#include "resources/channeldatafile.h"

#include <QStringList>
#include <QVector>

// The columns of one waveform file: column j is signal j, named by the file's header line
// (no names when the file has none), with what the reader made of each column's fields, and
// why the reader refused the file if it did.
struct SignalCollection
{
    QVector<QVector<double>> columns;
    QStringList names;
    QVector<ChannelsDataFieldCounts> fields;
    ChannelsDataRefusal refusal = ChannelsDataRefusal::None;
};
