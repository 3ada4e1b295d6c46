#include "views/oscilloscope/cursors/manualcursor.h"

#include "views/oscilloscope/valuemarker.h"

#include <cmath>

ManualCursor::ManualCursor()
{
    timeMarkers.resize(2);
    voltageMarkers.resize(2);
    for (int k = 1; k <= 2; ++k) {
        timeMarkers[k - 1] = createTimePair(k, QwtPlotMarker::VLine);
        voltageMarkers[k - 1] = createVoltagePair(k);
    }
    changeTheme();
}

ManualCursor::~ManualCursor()
{
    deletePairs(timeMarkers);
    deletePairs(voltageMarkers);
}

QVector<CursorMarkerPair> ManualCursor::horizontalCursors() const
{
    return voltageMarkers;
}

QVector<CursorMarkerPair> ManualCursor::verticalCursors() const
{
    return timeMarkers;
}

void ManualCursor::updateEvaluations()
{
    QStringList lines;
    double times[2] = {0.0, 0.0};
    double voltages[2] = {0.0, 0.0};
    for (int i = 0; i < 2; ++i) {
        times[i] = timeMarkers.at(i).first->value();
        voltages[i] = voltageOf(i, voltageMarkers.at(i).first->value());
        lines << tr("Cur%1 ").arg(i + 1) + normalizeValue(times[i], 2, tr("s"))
                        + QStringLiteral(" (%1)").arg(normalizeValue(voltages[i], 2, tr("V")));
    }
    lines << QStringLiteral("Δt ")
                    + normalizeValue(std::abs(times[1] - times[0]), 2, tr("s"), false, true);
    lines << QStringLiteral("Δy ")
                    + normalizeValue(std::abs(voltages[1] - voltages[0]), 2, tr("V"), false, true);
    emit descriptionChanged(lines);
}
