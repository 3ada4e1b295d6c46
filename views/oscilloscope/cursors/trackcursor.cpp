#include "views/oscilloscope/cursors/trackcursor.h"

#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/valuemarker.h"

#include <qwt_plot.h>

#include <cmath>

namespace {

// A cross far above every scale: out of sight until there are samples.
constexpr double noSampleHeight = 10000.0;

} // namespace

TrackCursor::TrackCursor()
{
    timeMarkers.resize(2);
    for (int k = 1; k <= 2; ++k)
        timeMarkers[k - 1] = createTimePair(k, QwtPlotMarker::Cross);
    changeTheme();
}

TrackCursor::~TrackCursor()
{
    deletePairs(timeMarkers);
}

QVector<CursorMarkerPair> TrackCursor::verticalCursors() const
{
    return timeMarkers;
}

void TrackCursor::calculateCursorValue(QwtPlotMarker *marker, int index)
{
    QwtPlot *plot = marker->plot();
    if (!plot)
        return;
    if (!m_data.channels || m_data.channels->isEmpty()) {
        marker->setYValue(noSampleHeight);
        plot->replot();
        return;
    }
    const int source = m_sources.value(index, -1);
    double sample = 0.0;
    if (index >= 0 && index < timeMarkers.size())
        cursorSampleAt(m_data, source, timeMarkers.at(index).first->value(), &sample);
    // The plot draws each curve as sample times its display factor.
    auto *customPlot = qobject_cast<CustomPlot *>(plot);
    const double zoom = customPlot ? customPlot->currentYZoom(source) : 1.0;
    marker->setYValue(sample * zoom);
    plot->replot();
}

void TrackCursor::updateEvaluations()
{
    const QStringList lines = timeReadout(timeMarkers, {tr("Cur%1 "), tr("s"), tr("V")}, true);
    if (!lines.isEmpty())
        emit descriptionChanged(lines);
}

void TrackCursor::timeMarkerMoved(int index, QwtPlotMarker *marker, double pixel)
{
    QwtPlot *plot = marker->plot();
    if (!plot)
        return;
    marker->setXValue(plot->invTransform(QwtPlot::xBottom, int(std::trunc(pixel))));
    calculateCursorValue(marker, index);
}

void TrackCursor::cursorRead(int index)
{
    calculateCursorValue(timeMarkers.at(index).second, index);
}
