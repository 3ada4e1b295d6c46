#pragma once

#include "views/oscilloscope/cursors/cursorinterface.h"

// Two voltage marks; reads their voltages (less their sources' offsets) and the difference.
class VoltageCursor : public CursorInterface
{
    Q_OBJECT
public:
    VoltageCursor();
    ~VoltageCursor() override;

    QVector<CursorMarkerPair> horizontalCursors() const override;

public slots:
    void updateEvaluations() override;

private:
    QVector<CursorMarkerPair> voltageMarkers;
};
