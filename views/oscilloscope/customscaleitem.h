#pragma once

#include <qwt_scale_draw.h>

// The ticks of the plot's centre scales: no labels and no backbone, and each tick crosses the
// baseline, reaching its length plus the pen width to both sides.
class CustomScaleItem : public QwtScaleDraw
{
public:
    explicit CustomScaleItem(QwtScaleDraw::Alignment alignment);

protected:
    void drawTick(QPainter *painter, double value, double len) const override;
};
