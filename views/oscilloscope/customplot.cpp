#include "views/oscilloscope/customplot.h"

#include "orvexplotwidget/plotpanner.h"
#include "views/oscilloscope/customplotcurve.h"

#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_marker.h>

#include <QMouseEvent>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

QwtPlotMarker *lineMarker(QwtPlotMarker::LineStyle style, const QPen &pen, QwtPlot *plot)
{
    auto *marker = new QwtPlotMarker;
    marker->setLineStyle(style);
    marker->setLinePen(pen);
    marker->attach(plot);
    return marker;
}

// Halves away from zero, as a person expects of a pointer between two pixels.
QPoint roundedPosition(const QMouseEvent *event)
{
    return QPoint(int(std::lround(event->localPos().x())), int(std::lround(event->localPos().y())));
}

} // namespace

CustomPlot::CustomPlot(int channelCount)
    : OrvexPlotWidget(nullptr)
{
    channelCount = std::max(channelCount, 0);
    yZooms.fill(1.0, channelCount);
    yOffsets.fill(0.0, channelCount);
    channelMarkers.resize(channelCount);

    for (int i = 0; i < channelCount; ++i)
        addCurve(new CustomPlotCurve(QString()));
    panner()->setEnabled(false);

    triggerTimeMarker = lineMarker(QwtPlotMarker::VLine, markerPen(Qt::black), this);
    placeTriggerTimeMarker();
    triggerLevelMarker = lineMarker(QwtPlotMarker::HLine, markerPen(Qt::black), this);
    triggerLevelMarker->setYValue(triggerLevel);
    // The level belongs to a triggered record; there is none yet.
    triggerLevelMarker->setVisible(false);
    for (int i = 0; i < channelCount; ++i) {
        channelMarkers[i] = lineMarker(QwtPlotMarker::HLine, markerPen(Qt::black), this);
        channelMarkers[i]->setYValue(yOffsets.at(i));
    }

    defaultGrid();
    createGrid(1.0, 1.0);
    positionStep = 3.0 / canvasWidth();
    grabGesture(Qt::PinchGesture);
    plotLayout()->setCanvasMargin(0);
}

CustomPlot::~CustomPlot()
{
    delete triggerTimeMarker;
}

PlotGeometry CustomPlot::geometry() const
{
    PlotGeometry g;
    g.axisMin = xAxisMin;
    g.axisMax = xAxisMax;
    g.position = position;
    g.period = period;
    g.zoomFactor = xZoomFactor;
    g.scanTime = scanTime;
    return g;
}

double CustomPlot::gain(int channel) const
{
    return yZooms.value(channel, 1.0);
}

QPen CustomPlot::markerPen(const QColor &color)
{
    // Cosmetic, so the lines stay one pixel wide whatever the plot is scaled to.
    return QPen(QBrush(color, Qt::SolidPattern), 0.0, Qt::DashDotLine, Qt::SquareCap,
                Qt::BevelJoin);
}

int CustomPlot::canvasWidth() const
{
    return std::max(canvas()->width(), 1);
}

void CustomPlot::placeTriggerTimeMarker()
{
    const double x = geometry().triggerX(timeStart);
    // A start time that is not a number leaves no place to draw the line at.
    triggerTimeMarker->setVisible(std::isfinite(x));
    if (std::isfinite(x))
        triggerTimeMarker->setXValue(x);
}

void CustomPlot::placeTriggerLevelMarker()
{
    triggerLevelMarker->setYValue(triggerLevel * gain(triggerChannel));
}

void CustomPlot::announceTimeScale()
{
    const PlotGeometry g = geometry();
    emit timeScaleChanged(g.leftEdgeTime(), g.rightEdgeTime());
}

void CustomPlot::dataChanged(double timeStart, QVector<QVector<double>> &data)
{
    QMutexLocker locker(&mutex);
    if (timeStart != this->timeStart) {
        this->timeStart = timeStart;
        // The replot below paints the moved line.
        placeTimeLine();
    }
    // Shared, never copied: the producer writes its next frame into other rows.
    this->data = data;

    triggerLevel = pendingTriggerLevel;
    triggerLevelMarker->setVisible(this->timeStart != 0.0);
    placeTriggerLevelMarker();
    forcedReplot();
}

void CustomPlot::forcedReplot()
{
    // One replot per record, after the curves have their points; each replot lays out the
    // axes again and schedules a paint.
    if (isDataEmpty()) {
        replot();
        emit evaluationDataChanged(period, 0.0, data);
        return;
    }
    resizePlotData();
    replot();
}

void CustomPlot::resizePlotData()
{
    const PlotGeometry g = geometry();
    const SampleWindow window = visibleWindow(g);
    for (int c = 0; c < data.size(); ++c) {
        QwtPlotCurve *channelCurve = curve(c);
        if (!channelCurve || !channelCurve->isVisible())
            continue;
        const QVector<double> &samples = data.at(c);
        if (samples.isEmpty()) {
            channelCurve->setSamples(QVector<double>(), QVector<double>());
            continue;
        }
        const int end = std::min(window.last, samples.size());
        // Nothing of this channel in view: its previous points stay.
        if (end - window.first <= 0)
            continue;
        QVector<double> xs;
        QVector<double> ys;
        appendPlotPoints(samples, window.first, end, maxVisiblePoints, g.origin(), g.sampleStep(),
                         gain(c), xs, ys);
        channelCurve->setSamples(xs, ys);
        channelCurve->setVisible(true);
    }
    emit visualDataChanged(period, data, window.first, window.last);
    emit evaluationDataChanged(period, 0.0, data);
}

QVector<QVector<double>> CustomPlot::getRawData() const
{
    return data;
}

bool CustomPlot::isDataEmpty() const
{
    return std::all_of(data.cbegin(), data.cend(),
                       [](const QVector<double> &channel) { return channel.isEmpty(); });
}

void CustomPlot::clear()
{
    for (int c = 0; c < curveCount(); ++c)
        curve(c)->setSamples(QVector<double>(), QVector<double>());
}

void CustomPlot::setTimeParameters(double period, double scanTime)
{
    if (!(period > 0.0) || !std::isfinite(period))
        return;
    QMutexLocker locker(&mutex);
    pendingPeriod = period;
    pendingScanTime = scanTime;
    // Without the table of times per division there is no zoom to fit; the values wait for
    // applyTimeParameters.
    if (xDivisions.isEmpty())
        return;
    applyTimeParameters();
}

void CustomPlot::applyTimeParameters()
{
    if (!(pendingPeriod > 0.0) || !std::isfinite(pendingPeriod) || xDivisions.isEmpty())
        return;
    if (pendingPeriod == period && pendingScanTime == scanTime)
        return;
    period = pendingPeriod;
    scanTime = pendingScanTime;

    const int index = raisedZoomIndex(xDivisions, xZoomIndex, period);
    if (index != xZoomIndex)
        emit autoXZoomChanged(index);
    setXZoom(index);

    if (autoScalePending) {
        autoScalePending = false;
        setAutoXScale();
    }
}

void CustomPlot::placeTimeLine()
{
    placeTriggerTimeMarker();
    announceTimeScale();
}

void CustomPlot::updateOffset()
{
    placeTimeLine();
    replot();
}

void CustomPlot::moveHorizontal(int pixels)
{
    const double before = position;
    position -= double(pixels) / canvasWidth();
    if (visibleWindow(geometry()).count() < minimumSamplesInView)
        position = before;

    placeTimeLine();
    forcedReplot();
}

bool CustomPlot::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        canvas()->setCursor(Qt::ClosedHandCursor);
        pressPoint = roundedPosition(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonRelease:
        canvas()->unsetCursor();
        break;
    case QEvent::MouseMove: {
        const QPoint point = roundedPosition(static_cast<QMouseEvent *>(event));
        const int dx = point.x() - pressPoint.x();
        const int dy = point.y() - pressPoint.y();
        if (std::abs(dx) > 2 && std::abs(dx) > std::abs(dy)) {
            moveHorizontal(pressPoint.x() - point.x());
            pressPoint = point;
        }
        break;
    }
    default:
        break;
    }
    return OrvexPlotWidget::event(event);
}
