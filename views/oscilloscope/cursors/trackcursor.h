#pragma once

#include "views/oscilloscope/cursors/cursorinterface.h"

// Two time marks whose plot marks are crosses sitting on the drawn curve of their source.
class TrackCursor : public CursorInterface
{
    Q_OBJECT
public:
    TrackCursor();
    ~TrackCursor() override;

    QVector<CursorMarkerPair> verticalCursors() const override;

    // Puts the cross of cursor index on the sample under its time mark and replots.
    void calculateCursorValue(QwtPlotMarker *marker, int index);

public slots:
    void updateEvaluations() override;

protected:
    void timeMarkerMoved(int index, QwtPlotMarker *marker, double pixel) override;
    void cursorRead(int index) override;

private:
    QVector<CursorMarkerPair> timeMarkers;
};
