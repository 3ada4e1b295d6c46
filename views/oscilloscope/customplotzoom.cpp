// The plot's zoom, grid and marker operations: what part of the record is seen and how the
// plot is dressed. The record path and dragging are in customplot.cpp.
#include "views/oscilloscope/customplot.h"

#include "views/oscilloscope/customscaleitem.h"

#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_scaleitem.h>
#include <qwt_scale_div.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Zoom ratios come from tables and wheel steps; one that is zero or not finite would leave no
// sample spacing to draw with.
bool usableFactor(double factor)
{
    return factor > 0.0 && std::isfinite(factor);
}

QwtScaleDiv scaleDivision(int majors, int minors, double step)
{
    const GridTicks ticks = gridTicks(majors, minors, step);
    return QwtScaleDiv(ticks.lower, ticks.upper, ticks.minorTicks, QList<double>(),
                       ticks.majorTicks);
}

QwtPlotScaleItem *centreScale(QwtScaleDraw::Alignment alignment, QwtPlot *plot)
{
    auto *item = new QwtPlotScaleItem(alignment, 0.0);
    item->setScaleDraw(new CustomScaleItem(alignment));
    item->attach(plot);
    return item;
}

} // namespace

ViewCorrection CustomPlot::keepSamplesInView()
{
    const ViewCorrection correction = ::keepSamplesInView(geometry(), positionStep);
    position = correction.position;
    return correction;
}

void CustomPlot::setXDivisions(QVector<double> divisions)
{
    xDivisions = std::move(divisions);
    if (xZoomIndex >= xDivisions.size())
        xZoomIndex = std::max(xDivisions.size() - 1, 0);
}

void CustomPlot::setDefaultXZoom(int index)
{
    if (index < 0 || index >= xDivisions.size())
        return;
    xZoomIndex = index;
}

void CustomPlot::changeXZoom(int index)
{
    const double ratio = xDivisions.value(xZoomIndex, xDivisions.at(index)) / xDivisions.at(index);
    if (usableFactor(ratio) && usableFactor(xZoomFactor * ratio))
        xZoomFactor *= ratio;
    xZoomIndex = index;
    keepSamplesInView();
    placeTimeLine();
}

void CustomPlot::setXZoom(int index)
{
    if (index < 0 || index >= xDivisions.size())
        return;
    changeXZoom(index);
    replot();
}

void CustomPlot::xZoomIn()
{
    if (xZoomIndex < 1 || xDivisions.isEmpty())
        return;
    changeXZoom(xZoomIndex - 1);
    forcedReplot();
}

void CustomPlot::xZoomOut()
{
    if (xZoomIndex >= xDivisions.size() - 1)
        return;
    changeXZoom(xZoomIndex + 1);
    forcedReplot();
}

void CustomPlot::setAutoXScale()
{
    position = 0.0;
    const int index =
            autoScaleIndex(xDivisions, xZoomIndex, division.horizontalMajor, scanTime, period);
    if (index < 0) {
        updateOffset();
        return;
    }
    setXZoom(index);
    emit autoXZoomChanged(xZoomIndex);
}

void CustomPlot::autoXScale()
{
    setAutoXScale();
    forcedReplot();
}

void CustomPlot::xZoom(double factor)
{
    if (!usableFactor(factor) || !usableFactor(xZoomFactor * factor))
        return;
    const double triggerBefore = geometry().triggerX(timeStart);
    xZoomFactor *= factor;
    if (isDataEmpty())
        return;

    const ViewCorrection correction = keepSamplesInView();
    if (correction.exhausted && correction.window.count() < 10 && !xDivisions.isEmpty()) {
        setXZoom(std::min(2, xDivisions.size() - 1));
        emit autoXZoomChanged(xZoomIndex);
    }
    if (geometry().triggerX(timeStart) != triggerBefore)
        placeTimeLine();
    forcedReplot();
}

void CustomPlot::yZoom(int channel, double factor)
{
    if (channel < 0 || channel >= yZooms.size())
        return;
    yZooms[channel] *= factor;
    if (channel == triggerChannel)
        updateTriggerMarker();
    forcedReplot();
    updateChannelsMarkers();
}

double CustomPlot::currentYZoom(int channel) const
{
    if (channel < 0 || channel >= yZooms.size())
        return std::numeric_limits<double>::quiet_NaN();
    return yZooms.at(channel);
}

void CustomPlot::setYOffset(int channel, double offset)
{
    if (channel < 0 || channel >= yOffsets.size() || yOffsets.at(channel) == offset)
        return;
    yOffsets[channel] = offset;
    forcedReplot();
    updateChannelsMarkers();
}

void CustomPlot::setGrid(Division division, double xStep, double yStep)
{
    this->division = division;
    createGrid(xStep, yStep);
}

void CustomPlot::createGrid(double xStep, double yStep)
{
    setAxisMaxMajor(QwtPlot::xBottom, division.horizontalMajor);
    setAxisMaxMinor(QwtPlot::xBottom, division.horizontalMinor);
    createXGrid(xStep);
    setAxisMaxMajor(QwtPlot::yLeft, division.verticalMajor);
    setAxisMaxMinor(QwtPlot::yLeft, division.verticalMinor);
    createYGrid(yStep);

    delete verticalCentreScale;
    delete horizontalCentreScale;
    verticalCentreScale = centreScale(QwtScaleDraw::RightScale, this);
    horizontalCentreScale = centreScale(QwtScaleDraw::BottomScale, this);

    updateAxes();
    const QwtScaleDiv &bottom = axisScaleDiv(QwtPlot::xBottom);
    xAxisMin = bottom.lowerBound();
    xAxisMax = bottom.upperBound();
    emit timeScaleChanged(xAxisMin, xAxisMax);
}

void CustomPlot::createXGrid(double step)
{
    setAxisScaleDiv(QwtPlot::xBottom,
                    scaleDivision(division.horizontalMajor, division.horizontalMinor, step));
    updateAxes();
}

void CustomPlot::createYGrid(double step)
{
    setAxisScaleDiv(QwtPlot::yLeft,
                    scaleDivision(division.verticalMajor, division.verticalMinor, step));
    updateAxes();
}

void CustomPlot::defaultGrid()
{
    setAxisAutoScale(QwtPlot::yLeft, false);
    setAxisAutoScale(QwtPlot::xBottom, false);
    enableAxis(QwtPlot::yLeft, false);
    enableAxis(QwtPlot::xBottom, false);
    setMinorXGridLineVisible(false);
    setMinorYGridLineVisible(false);
}

void CustomPlot::setTriggerLevel(double level)
{
    pendingTriggerLevel = level;
}

void CustomPlot::setTriggerChannel(int channel)
{
    if (channel < 0 || channel >= yZooms.size() || channel == triggerChannel)
        return;
    triggerChannel = channel;
    placeTriggerLevelMarker();
    replot();
}

void CustomPlot::updateTriggerMarker()
{
    placeTriggerLevelMarker();
    replot();
}

void CustomPlot::updateChannelsMarkers()
{
    for (int i = 0; i < channelMarkers.size(); ++i)
        channelMarkers.at(i)->setYValue(yOffsets.at(i) * yZooms.at(i));
    replot();
}

void CustomPlot::setMarkersColor(QColor color)
{
    const QPen pen = markerPen(color);
    triggerTimeMarker->setLinePen(pen);
    triggerLevelMarker->setLinePen(pen);
    for (QwtPlotMarker *marker : qAsConst(channelMarkers))
        marker->setLinePen(pen);
}

void CustomPlot::setCurveColors(std::vector<QColor> colors)
{
    if (int(colors.size()) != curveCount())
        return;
    for (int i = 0; i < curveCount(); ++i)
        curve(i)->setPen(QPen(colors.at(std::size_t(i)), 2.0, Qt::SolidLine));
}

void CustomPlot::setCurveEnable(int channel, bool enabled)
{
    if (channel < 0 || channel >= curveCount())
        return;
    curve(channel)->setVisible(enabled);
    if (channel < channelMarkers.size())
        channelMarkers.at(channel)->setVisible(enabled);
    replot();
}
