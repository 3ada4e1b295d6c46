#pragma once

#include "orvexplotwidget/orvexplotwidget.h"
#include "views/oscilloscope/division.h"
#include "views/oscilloscope/plotgeometry.h"

#include <QColor>
#include <QPen>
#include <QPoint>
#include <QRecursiveMutex>
#include <QVector>

#include <vector>

class QwtPlotMarker;
class QwtPlotScaleItem;

// The oscilloscope's waveform display: one curve per displayed channel (the acquisition
// channels, then the math channel). It keeps the last raw record, draws only the part that
// falls inside the visible time window, thinned to minimum/maximum pairs when that part is
// long, and lets the user drag the record sideways. The bottom axis is in seconds at the time
// per division the grid was built with; zooming changes the sample spacing, not the axis.
class CustomPlot : public OrvexPlotWidget
{
    Q_OBJECT
public:
    explicit CustomPlot(int channelCount);
    ~CustomPlot() override;

    QVector<QVector<double>> getRawData() const;
    bool isDataEmpty() const;
    double currentYZoom(int channel) const;

public slots:
    // Record path.
    void dataChanged(double timeStart, QVector<QVector<double>> &data);
    void forcedReplot();
    void resizePlotData();
    void clear();
    void setTimeParameters(double period, double scanTime);
    void applyTimeParameters();
    void updateOffset();
    void moveHorizontal(int pixels);

    // Horizontal zoom through the table of times per division.
    void setXDivisions(QVector<double> divisions);
    void setDefaultXZoom(int index);
    void setXZoom(int index);
    void xZoomIn();
    void xZoomOut();
    void setAutoXScale();
    void autoXScale();
    void xZoom(double factor);

    // Vertical gain and offset per channel.
    void yZoom(int channel, double factor);
    void setYOffset(int channel, double offset);

    // Grid and centre scales.
    void setGrid(Division division, double xStep, double yStep);
    void createGrid(double xStep, double yStep);
    void createXGrid(double step);
    void createYGrid(double step);
    void defaultGrid();

    // Marker lines and curves.
    void setTriggerLevel(double level);
    void setTriggerChannel(int channel);
    void updateTriggerMarker();
    void updateChannelsMarkers();
    void setMarkersColor(QColor color);
    void setCurveColors(std::vector<QColor> colors);
    void setCurveEnable(int channel, bool enabled);

signals:
    void autoXZoomChanged(int zoom);
    void visualDataChanged(double period, QVector<QVector<double>> &data, int firstIndex,
                           int lastIndex);
    void evaluationDataChanged(double period, double firsTimeStamp, QVector<QVector<double>> &data);
    void timeScaleChanged(double minimum, double maximum);

protected:
    bool event(QEvent *event) override;

private:
    PlotGeometry geometry() const;
    double gain(int channel) const;
    void placeTriggerTimeMarker();
    void placeTriggerLevelMarker();
    void announceTimeScale();
    // The trigger time line and the time scale after a change of start, zoom or position;
    // the caller replots.
    void placeTimeLine();
    // A zoom through the table without the replot, for callers that replot the record.
    void changeXZoom(int index);
    ViewCorrection keepSamplesInView();
    int canvasWidth() const;
    static QPen markerPen(const QColor &color);

    double period = 0.001;
    double xAxisMin = -10.0;
    double xAxisMax = 10.0;
    double positionStep = 0.0;
    double scanTime = 0.0;
    double timeStart = 0.0;
    double position = 0.0;
    double xZoomFactor = 1.0;
    QVector<QVector<double>> data;
    int maxVisiblePoints = defaultMaxVisiblePoints;
    QPoint pressPoint;
    QVector<double> yZooms;
    int xZoomIndex = 0;
    Division division;
    QwtPlotMarker *triggerTimeMarker = nullptr;
    QwtPlotMarker *triggerLevelMarker = nullptr;
    QVector<QwtPlotMarker *> channelMarkers;
    QVector<double> yOffsets;
    double pendingTriggerLevel = 0.0;
    double triggerLevel = 0.0;
    int triggerChannel = 0;
    QRecursiveMutex mutex;
    QVector<double> xDivisions;
    bool autoScalePending = true;
    double pendingPeriod = 0.0;
    double pendingScanTime = 0.0;
    // The centre scales of the last grid build; a new build replaces them.
    QwtPlotScaleItem *verticalCentreScale = nullptr;
    QwtPlotScaleItem *horizontalCentreScale = nullptr;
};
