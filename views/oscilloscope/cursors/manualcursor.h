#pragma once

#include "views/oscilloscope/cursors/cursorinterface.h"

// Two time marks and two voltage marks placed by hand; reads times and voltages without samples.
class ManualCursor : public CursorInterface
{
    Q_OBJECT
public:
    ManualCursor();
    ~ManualCursor() override;

    QVector<CursorMarkerPair> horizontalCursors() const override;
    QVector<CursorMarkerPair> verticalCursors() const override;

public slots:
    void updateEvaluations() override;

private:
    QVector<CursorMarkerPair> timeMarkers;
    QVector<CursorMarkerPair> voltageMarkers;
};
