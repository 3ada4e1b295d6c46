#include "views/oscilloscope/plotgeometry.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

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

// The compiler builds the bucket search once per instruction-set level and the loader picks the
// best the processor has: any x86-64 runs it, a recent one with wide vectors. Not under
// ThreadSanitizer, whose run-time is not up yet when the loader runs the clones' resolvers.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__)            \
        && !defined(__SANITIZE_THREAD__)
#define THINNING_CLONES                                                                            \
    __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define THINNING_CLONES
#endif

// Indexes of the first minimum and the first maximum of s[begin, end), as a running comparison
// from s[begin] finds them: a sample that is not a number never wins, and one at begin wins
// both.
struct BucketExtremes
{
    int minAt;
    int maxAt;
};

// Samples per block of the search below: small enough that finding the index again in the
// block that holds an extreme stays cheap, large enough for the vector loop to run.
constexpr int extremesBlock = 64;

#if defined(__GNUC__)
// Four lanes in the compiler's vector extension, whatever the instruction set makes of them.
typedef double Lanes __attribute__((vector_size(32)));

// The block's smallest and largest value, ignoring samples that are not numbers; +inf and -inf
// for a block of them only, which then can never be strictly better than a number.
inline __attribute__((always_inline)) void blockExtremes(const double *s, int n, double *minimum,
                                                         double *maximum)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    Lanes lo = {inf, inf, inf, inf};
    Lanes hi = {-inf, -inf, -inf, -inf};
    int k = 0;
    for (; k + 4 <= n; k += 4) {
        Lanes v;
        std::memcpy(&v, s + k, sizeof v);
        // A comparison with a NaN is false, so the lane keeps its value.
        lo = v < lo ? v : lo;
        hi = v > hi ? v : hi;
    }
    double mn = inf;
    double mx = -inf;
    for (int l = 0; l < 4; ++l) {
        mn = lo[l] < mn ? lo[l] : mn;
        mx = hi[l] > mx ? hi[l] : mx;
    }
    for (; k < n; ++k) {
        mn = s[k] < mn ? s[k] : mn;
        mx = s[k] > mx ? s[k] : mx;
    }
    *minimum = mn;
    *maximum = mx;
}
#else
inline void blockExtremes(const double *s, int n, double *minimum, double *maximum)
{
    double mn = std::numeric_limits<double>::infinity();
    double mx = -mn;
    for (int k = 0; k < n; ++k) {
        mn = s[k] < mn ? s[k] : mn;
        mx = s[k] > mx ? s[k] : mx;
    }
    *minimum = mn;
    *maximum = mx;
}
#endif

// The noisy demonstration frame makes a running arg-min/arg-max mispredict on nearly every
// sample. Instead the extremes are found block by block without branches per sample. The
// block that last strictly bettered an extreme is the first to hold its value, so only that
// block is searched again for the index. Equal values (0.0 and -0.0 too) keep the earlier
// index, as the running comparison does.
THINNING_CLONES
BucketExtremes bucketExtremes(const double *s, int begin, int end)
{
    BucketExtremes e {begin, begin};
    double minimum = s[begin];
    double maximum = s[begin];
    // A bucket that opens with a NaN keeps it as both extremes: every comparison with it is
    // false, so there is nothing to search.
    if (std::isnan(minimum))
        return e;
    int minBlock = -1;
    int maxBlock = -1;
    for (int b = begin + 1; b < end; b += extremesBlock) {
        const int n = std::min(extremesBlock, end - b);
        double lo;
        double hi;
        blockExtremes(s + b, n, &lo, &hi);
        if (lo < minimum) {
            minimum = lo;
            minBlock = b;
        }
        if (hi > maximum) {
            maximum = hi;
            maxBlock = b;
        }
    }
    if (minBlock >= 0) {
        e.minAt = minBlock;
        while (!(s[e.minAt] == minimum))
            ++e.minAt;
    }
    if (maxBlock >= 0) {
        e.maxAt = maxBlock;
        while (!(s[e.maxAt] == maximum))
            ++e.maxAt;
    }
    return e;
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
    const int oldSize = xs.size();
    xs.resize(oldSize + points);
    ys.resize(oldSize + points);
    double *x = xs.data() + oldSize;
    double *y = ys.data() + oldSize;
    *x++ = x0 + first * dx;
    *y++ = s[first] * gain;
    for (int i = first + 1; i < end;) {
        const int len = end - i <= bucket ? end - i : bucket;
        const BucketExtremes e = bucketExtremes(s, i, i + len);
        const int earlier = e.minAt <= e.maxAt ? e.minAt : e.maxAt;
        const int later = e.minAt <= e.maxAt ? e.maxAt : e.minAt;
        *x++ = x0 + earlier * dx;
        *y++ = s[earlier] * gain;
        *x++ = x0 + later * dx;
        *y++ = s[later] * gain;
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
