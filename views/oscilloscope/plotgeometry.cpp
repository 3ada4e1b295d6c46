#include "views/oscilloscope/plotgeometry.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A truncated count in double taken into [0, limit]; NaN counts as nothing.
int clampCount(double value, int limit)
{
    if (!(value > 0.0))
        return 0;
    if (value >= double(limit))
        return limit;
    return int(value);
}

} // namespace

double PlotGeometry::triggerX(double timeStart) const
{
    const double n = std::trunc(timeStart / period + 0.5);
    return origin() + sampleStep() * n;
}

int PlotGeometry::scanSamples() const
{
    return clampCount(std::trunc(scanTime / period + 0.5), INT_MAX);
}

SampleWindow visibleWindow(const PlotGeometry &geometry)
{
    const int n = geometry.scanSamples();
    const double w = geometry.width();
    const double d = geometry.sampleStep();
    const double p = geometry.position;

    const double first = p >= 0.0 ? 0.0 : -2.0 - std::trunc(p * w / d);
    double right = (w - p * w) / d + 2.0;
    if (std::isnan(right))
        right = 0.0;

    SampleWindow window;
    window.first = clampCount(first, n);
    window.last = clampCount(std::trunc(std::min(double(n), right)), n);
    window.scanEndsFirst = double(n) < right;
    return window;
}

ViewCorrection keepSamplesInView(const PlotGeometry &geometry, double step)
{
    ViewCorrection correction;
    correction.position = geometry.position;
    correction.window = visibleWindow(geometry);
    if (correction.window.count() >= minimumSamplesInView)
        return correction;
    // No position could show enough samples of such a short scan; moving it would only push
    // the record out of sight.
    if (geometry.scanSamples() < minimumSamplesInView)
        return correction;

    // A record whose end is in view needs to come right; one cut by the right edge, left.
    const double signedStep = correction.window.scanEndsFirst ? step : -step;
    PlotGeometry moved = geometry;
    for (int nudge = 0; nudge < maximumViewNudges; ++nudge) {
        moved.position += signedStep;
        correction.window = visibleWindow(moved);
        if (correction.window.count() >= minimumSamplesInView) {
            correction.position = moved.position;
            return correction;
        }
    }
    correction.position = moved.position;
    correction.exhausted = true;
    return correction;
}

void appendPlotPoints(const QVector<double> &samples, int first, int end, int maxVisiblePoints,
                      double x0, double dx, double gain, QVector<double> &xs, QVector<double> &ys)
{
    first = std::max(first, 0);
    end = std::min(end, samples.size());
    const int count = end - first;
    if (count <= 0)
        return;
    const double *s = samples.constData();

    if (count <= maxVisiblePoints) {
        xs.reserve(xs.size() + count);
        ys.reserve(ys.size() + count);
        for (int i = first; i < end; ++i) {
            xs.append(x0 + i * dx);
            ys.append(s[i] * gain);
        }
        return;
    }

    const int bucket = std::max(count / std::max(maxVisiblePoints / 2, 1), 1);
    const int points = 1 + 2 * ((count - 1 + bucket - 1) / bucket);
    xs.reserve(xs.size() + points);
    ys.reserve(ys.size() + points);
    xs.append(x0 + first * dx);
    ys.append(s[first] * gain);
    for (int i = first + 1; i < end;) {
        const int len = end - i <= bucket ? end - i : bucket;
        int minAt = i;
        int maxAt = i;
        double minimum = s[i];
        double maximum = s[i];
        for (int k = i + 1; k < i + len; ++k) {
            if (s[k] < minimum) {
                minimum = s[k];
                minAt = k;
            }
            if (s[k] > maximum) {
                maximum = s[k];
                maxAt = k;
            }
        }
        const int earlier = minAt <= maxAt ? minAt : maxAt;
        const int later = minAt <= maxAt ? maxAt : minAt;
        xs.append(x0 + earlier * dx);
        ys.append(s[earlier] * gain);
        xs.append(x0 + later * dx);
        ys.append(s[later] * gain);
        i += len;
    }
}

int raisedZoomIndex(const QVector<double> &divisions, int index, double period)
{
    const int lastIndex = divisions.size() - 1;
    if (index < 0 || index >= lastIndex)
        return index;
    while (index < lastIndex && divisions.at(index) / period < 2.0)
        ++index;
    return index;
}

int autoScaleIndex(const QVector<double> &divisions, int index, int majors, double scanTime,
                   double period)
{
    if (divisions.isEmpty())
        return -1;
    const int lastIndex = divisions.size() - 1;
    int i = qBound(0, index, lastIndex);
    while (i < lastIndex && scanTime > majors * divisions.at(i))
        ++i;
    while (i > 0 && majors * divisions.at(i) > scanTime && divisions.at(i) / period >= 2.0)
        --i;
    return i;
}

GridTicks gridTicks(int majors, int minors, double step)
{
    GridTicks ticks;
    ticks.lower = -majors * step / 2.0;
    ticks.upper = majors * step / 2.0;
    for (int k = 0; k < majors; ++k) {
        const double t = ticks.lower + k * step;
        ticks.majorTicks.append(t);
        for (int j = 1; j < minors; ++j)
            ticks.minorTicks.append(t + j * step / minors);
    }
    return ticks;
}
