#pragma once

#include "views/oscilloscope/cursors/cursorinterface.h"

// Two time marks; each reads the sample of its own source at its time.
class TimeCursor : public CursorInterface
{
    Q_OBJECT
public:
    TimeCursor();
    ~TimeCursor() override;

    QVector<CursorMarkerPair> verticalCursors() const override;

public slots:
    void updateEvaluations() override;

private:
    QVector<CursorMarkerPair> timeMarkers;
};
