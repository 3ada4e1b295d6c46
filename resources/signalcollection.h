#pragma once

#include <QStringList>
#include <QVector>

// The columns of one waveform file: column j is signal j, named by the file's header line
// (no names when the file has none).
struct SignalCollection
{
    QVector<QVector<double>> columns;
    QStringList names;
};
