#pragma once

#include <QPair>
#include <QVector>

// What the cursors system hands to the active cursor. The samples stay the plot's own table:
// the cursor reads them through the pointer and never keeps a copy.
struct CursorData
{
    double sampleInterval = 0.0; // seconds between two samples; not positive: no lookup
    double startTime = 0.0; // time of sample 0, seconds
    const QVector<QVector<double>> *channels = nullptr; // one vector per source, volts
    QVector<QPair<double, double>> scales; // (minimum, maximum) of each source's strip
    QVector<double> offsets; // each source's display offset, volts
};

// The sample of one source at a time: index = trunc((time - startTime) / sampleInterval).
// False (and sample 0.0) when the source is no channel of the data, the interval is not
// positive, or the index is not finite or outside the channel.
bool cursorSampleAt(const CursorData &data, int source, double time, double *sample);
