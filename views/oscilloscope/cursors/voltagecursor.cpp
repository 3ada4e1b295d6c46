#include "views/oscilloscope/cursors/voltagecursor.h"

#include "views/oscilloscope/valuemarker.h"

#include <cmath>

VoltageCursor::VoltageCursor()
{
    voltageMarkers.resize(2);
    for (int k = 1; k <= 2; ++k)
        voltageMarkers[k - 1] = createVoltagePair(k);
    changeTheme();
}

VoltageCursor::~VoltageCursor()
{
    deletePairs(voltageMarkers);
}

QVector<CursorMarkerPair> VoltageCursor::horizontalCursors() const
{
    return voltageMarkers;
}

void VoltageCursor::updateEvaluations()
{
    QStringList lines;
    double voltages[2] = {0.0, 0.0};
    for (int i = 0; i < 2; ++i) {
        voltages[i] = voltageOf(i, voltageMarkers.at(i).first->value());
        lines << tr("Cur%1 ").arg(i + 1) + normalizeValue(voltages[i], 2, tr("V"));
    }
    // The difference line has always read "Δy" with the sign-slot blank and an untranslated
    // unit; the panel's columns are laid out for it.
    lines << QStringLiteral("Δy")
                    + normalizeValue(std::abs(voltages[1] - voltages[0]), 2, QStringLiteral("V"));
    emit descriptionChanged(lines);
}
