#include "views/oscilloscope/cursors/timecursor.h"

TimeCursor::TimeCursor()
{
    timeMarkers.resize(2);
    for (int k = 1; k <= 2; ++k)
        timeMarkers[k - 1] = createTimePair(k, QwtPlotMarker::VLine);
    changeTheme();
}

TimeCursor::~TimeCursor()
{
    deletePairs(timeMarkers);
}

QVector<CursorMarkerPair> TimeCursor::verticalCursors() const
{
    return timeMarkers;
}

void TimeCursor::updateEvaluations()
{
    const QStringList lines = timeReadout(timeMarkers, {tr("Cur%1 "), tr("s"), tr("V")}, false);
    // Without samples the panel keeps what it shows.
    if (!lines.isEmpty())
        emit descriptionChanged(lines);
}
