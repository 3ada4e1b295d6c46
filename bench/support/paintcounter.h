#pragma once

#include <QEvent>
#include <QObject>

// Counts the paints of the widget it filters, so a benchmark's figures show that each replot did
// draw: a replot of a Qwt canvas only schedules one.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
