#pragma once

#include <QList>
#include <QVector>

// How the oscilloscope plot maps a record onto its canvas, kept apart from the widget so the
// arithmetic can be checked case by case. A record's sample i lies at
// x = axisMin + position * width + i * period * zoomFactor; every truncation is toward zero,
// and every value is clamped in double before it becomes an int, so a hostile time base
// (huge, zero or not finite) yields an empty window instead of an overflow.

// Fewer samples than this in view is refused by dragging and corrected by zooming.
constexpr int minimumSamplesInView = 15;
// Upper bound of the position nudges of one view correction.
constexpr int maximumViewNudges = 10000;
// A window above this many samples is thinned to minimum/maximum pairs.
constexpr int defaultMaxVisiblePoints = 1024;

struct PlotGeometry
{
    double axisMin = -10.0;
    double axisMax = 10.0;
    // Place of the record's first sample as a fraction of the axis width from the left edge.
    double position = 0.0;
    double period = 0.001;
    double zoomFactor = 1.0;
    double scanTime = 0.0;

    double width() const { return axisMax - axisMin; }
    double sampleStep() const { return period * zoomFactor; }
    double origin() const { return axisMin + position * width(); }
    double sampleX(int index) const { return origin() + index * sampleStep(); }
    // x of the trigger point that lies timeStart after the first sample.
    double triggerX(double timeStart) const;
    // Samples of a full scan.
    int scanSamples() const;
    // Canvas edges as times from the record's first sample; the axis is symmetric.
    double leftEdgeTime() const { return -2.0 * axisMax * position / zoomFactor; }
    double rightEdgeTime() const { return 2.0 * axisMax * (1.0 - position) / zoomFactor; }
};

// The half-open sample range [first, last) that reaches a little past both canvas edges.
struct SampleWindow
{
    int first = 0;
    int last = 0;
    // The scan's end, not the canvas's right edge, closes the window.
    bool scanEndsFirst = false;

    int count() const { return last - first; }
};

SampleWindow visibleWindow(const PlotGeometry &geometry);

struct ViewCorrection
{
    double position = 0.0;
    SampleWindow window;
    // All nudges ran without bringing enough samples into view.
    bool exhausted = false;
};

// Moves the position by step at a time until at least minimumSamplesInView samples are in
// view. A record whose scan closes the window is moved right, any other left; a scan too short
// to ever show that many samples is left where it is.
ViewCorrection keepSamplesInView(const PlotGeometry &geometry, double step);

// The curve points of samples[first, end): point for point up to maxVisiblePoints samples,
// above that the first sample and then the minimum and maximum of each bucket of
// count / (maxVisiblePoints / 2) samples in time order (the earliest of equal values wins).
// Point x is x0 + i * dx, point y is the sample times gain.
void appendPlotPoints(const QVector<double> &samples, int first, int end, int maxVisiblePoints,
                      double x0, double dx, double gain, QVector<double> &xs, QVector<double> &ys);

// The index from which the time per division spans at least two sample periods (or the last
// index), never below index.
int raisedZoomIndex(const QVector<double> &divisions, int index, double period);

// The largest time per division whose majors divisions fit in scanTime, walking from index
// and stopping early on an entry shorter than two sample periods; -1 for an empty table.
int autoScaleIndex(const QVector<double> &divisions, int index, int majors, double scanTime,
                   double period);

// Ticks of a centred scale of majors divisions of step, minors intervals each.
struct GridTicks
{
    double lower = 0.0;
    double upper = 0.0;
    QList<double> majorTicks;
    QList<double> minorTicks;
};

GridTicks gridTicks(int majors, int minors, double step);
