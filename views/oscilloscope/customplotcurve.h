#pragma once

#include <qwt_plot_curve.h>

// A curve of the oscilloscope plot. Qt strokes a wide polyline by building its outline and
// filling it scanline by scanline, which on a noisy record (every bucket a full-height
// stroke) costs most of the paint. On the raster engine, with the plot's solid wide pen, this
// curve draws the same polyline as straight pieces instead: each segment and each square end
// of the pieces Qwt splits a polyline into, as flat-capped lines that Qt fills directly. The
// picture equals Qwt's own drawing but for a few pixels at the joints (about 0.02 % of the
// canvas on the demonstration frame); anything else is left to Qwt.
class CustomPlotCurve : public QwtPlotCurve
{
public:
    using QwtPlotCurve::QwtPlotCurve;

protected:
    void drawLines(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                   const QRectF &canvasRect, int from, int to) const override;
};
