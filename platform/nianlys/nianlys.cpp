// The signal-analysis module: pulse parameters, pulse timing and cycle averages of a sampled
// waveform. Levels come from a histogram of the samples; times are in samples, found by
// linear interpolation between the samples around each reference-level crossing.
#include "nianlys.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

#define NIANLYS_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int32_t NoError = 0;
constexpr int32_t ErrorTooFewSamples = -20001;
constexpr int32_t ErrorLevels = -20002; // reference percentages out of order
constexpr int DefaultHistogramSize = 256;

template<typename T>
void put(T *slot, T value)
{
    if (slot)
        *slot = value;
}

struct Levels
{
    double high = 0.0;
    double low = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
};

// The two state levels: the most frequent values of the upper and of the lower half of the
// span, each the mean of the samples in its modal histogram bin, so that a clean level comes
// out exactly.
Levels stateLevels(const double *x, int32_t n, int bins)
{
    Levels levels;
    levels.minimum = *std::min_element(x, x + n);
    levels.maximum = *std::max_element(x, x + n);
    const double span = levels.maximum - levels.minimum;
    if (!(span > 0.0)) {
        levels.high = levels.low = levels.minimum;
        return levels;
    }
    bins = std::max(bins, 2);
    std::vector<int> counts(static_cast<size_t>(bins), 0);
    std::vector<double> sums(static_cast<size_t>(bins), 0.0);
    for (int32_t i = 0; i < n; ++i) {
        int bin = static_cast<int>((x[i] - levels.minimum) / span * bins);
        bin = std::clamp(bin, 0, bins - 1);
        ++counts[static_cast<size_t>(bin)];
        sums[static_cast<size_t>(bin)] += x[i];
    }
    auto modal = [&](int first, int last) {
        int best = first;
        for (int b = first; b < last; ++b) {
            if (counts[static_cast<size_t>(b)] > counts[static_cast<size_t>(best)])
                best = b;
        }
        return sums[static_cast<size_t>(best)] / std::max(counts[static_cast<size_t>(best)], 1);
    };
    levels.low = modal(0, bins / 2);
    levels.high = modal(bins / 2, bins);
    return levels;
}

// Fractional index at which the line from x[i - 1] to x[i] passes level.
double crossing(const double *x, int32_t i, double level)
{
    const double a = x[i - 1];
    const double b = x[i];
    if (a == b)
        return static_cast<double>(i);
    return static_cast<double>(i - 1) + (level - a) / (b - a);
}

struct Crossings
{
    std::vector<double> rising;
    std::vector<double> falling;
};

// Crossings of the middle level that complete a transition from beyond one outer reference
// level to beyond the other, so noise around the middle level counts once.
Crossings middleCrossings(const double *x, int32_t n, double low, double middle, double high)
{
    enum State { Unknown, Low, High } state = Unknown;
    Crossings result;
    double candidate = -1.0;
    for (int32_t i = 0; i < n; ++i) {
        if (i > 0) {
            if (state == Low && x[i - 1] < middle && x[i] >= middle)
                candidate = crossing(x, i, middle);
            else if (state == High && x[i - 1] > middle && x[i] <= middle)
                candidate = crossing(x, i, middle);
        }
        if (x[i] >= high && state != High) {
            if (state == Low && candidate >= 0.0)
                result.rising.push_back(candidate);
            state = High;
            candidate = -1.0;
        } else if (x[i] <= low && state != Low) {
            if (state == High && candidate >= 0.0)
                result.falling.push_back(candidate);
            state = Low;
            candidate = -1.0;
        }
    }
    return result;
}

struct Edge
{
    bool found = false;
    double start = 0.0; // crossing of the first reference level
    double end = 0.0; // crossing of the second
};

// The first edge that passes from beyond `from` to beyond `to` (rising when to > from).
Edge firstEdge(const double *x, int32_t n, double from, double to)
{
    const bool rising = to > from;
    auto beyondFrom = [&](double v) { return rising ? v <= from : v >= from; };
    auto beyondTo = [&](double v) { return rising ? v >= to : v <= to; };
    Edge edge;
    bool armed = false;
    bool started = false;
    for (int32_t i = 0; i < n; ++i) {
        if (beyondFrom(x[i])) {
            armed = true;
            started = false;
            continue;
        }
        if (!armed)
            continue;
        if (!started) {
            edge.start = crossing(x, i, from);
            started = true;
        }
        if (beyondTo(x[i])) {
            edge.end = crossing(x, i, to);
            edge.found = true;
            return edge;
        }
    }
    return edge;
}

bool validPercentages(double high, double middle, double low)
{
    return low >= 0.0 && low < middle && middle < high && high <= 100.0;
}

} // namespace

NIANLYS_EXPORT int32_t AALFunc142(const double *samples, int32_t count, double *amplitude,
                                  double *highReference, double *middleReference,
                                  double *lowReference, double *highLevel, double *lowLevel,
                                  double *overshoot, double *undershoot, int32_t *riseIndex,
                                  int32_t *fallIndex, int32_t *riseSamples, int32_t *fallSamples,
                                  double *riseSlope)
{
    double results[9] = {};
    int32_t indexes[4] = {-1, -1, 0, 0};
    int32_t status = ErrorTooFewSamples;
    if (samples && count >= 2) {
        status = NoError;
        const Levels levels = stateLevels(samples, count, DefaultHistogramSize);
        const double span = levels.high - levels.low;
        const double high = levels.low + 0.9 * span;
        const double middle = levels.low + 0.5 * span;
        const double low = levels.low + 0.1 * span;
        results[0] = span;
        results[1] = high;
        results[2] = middle;
        results[3] = low;
        results[4] = levels.high;
        results[5] = levels.low;
        results[6] = std::max(0.0, levels.maximum - levels.high);
        results[7] = std::max(0.0, levels.low - levels.minimum);
        if (span > 0.0) {
            const Edge rise = firstEdge(samples, count, low, high);
            const Edge fall = firstEdge(samples, count, high, low);
            if (rise.found) {
                const double samplesTaken = rise.end - rise.start;
                indexes[0] = static_cast<int32_t>(std::floor(rise.start));
                indexes[2] = static_cast<int32_t>(std::lround(samplesTaken));
                results[8] = samplesTaken > 0.0 ? (high - low) / samplesTaken : 0.0;
            }
            if (fall.found) {
                indexes[1] = static_cast<int32_t>(std::floor(fall.start));
                indexes[3] = static_cast<int32_t>(std::lround(fall.end - fall.start));
            }
        }
    }
    put(amplitude, results[0]);
    put(highReference, results[1]);
    put(middleReference, results[2]);
    put(lowReference, results[3]);
    put(highLevel, results[4]);
    put(lowLevel, results[5]);
    put(overshoot, results[6]);
    put(undershoot, results[7]);
    put(riseIndex, indexes[0]);
    put(fallIndex, indexes[1]);
    put(riseSamples, indexes[2]);
    put(fallSamples, indexes[3]);
    put(riseSlope, results[8]);
    return status;
}

NIANLYS_EXPORT int32_t AALFunc364(const double *samples, int32_t count, int32_t polarity,
                                  int32_t /*method*/, double highPercent, double middlePercent,
                                  double lowPercent, int32_t /*a*/, int32_t /*b*/,
                                  int32_t histogramSize, double *period, double *width,
                                  double *dutyCycle, double *periods, double *firstCrossing,
                                  double *highLevel, double *lowLevel)
{
    double results[7] = {};
    int32_t status = ErrorTooFewSamples;
    if (!validPercentages(highPercent, middlePercent, lowPercent)) {
        status = ErrorLevels;
    } else if (samples && count >= 2) {
        status = NoError;
        const Levels levels = stateLevels(samples, count,
                                          histogramSize > 1 ? histogramSize : DefaultHistogramSize);
        const double span = levels.high - levels.low;
        results[5] = levels.high;
        results[6] = levels.low;
        if (span > 0.0) {
            const Crossings c =
                    middleCrossings(samples, count, levels.low + lowPercent / 100.0 * span,
                                    levels.low + middlePercent / 100.0 * span,
                                    levels.low + highPercent / 100.0 * span);
            const std::vector<double> &starts = polarity ? c.rising : c.falling;
            const std::vector<double> &ends = polarity ? c.falling : c.rising;
            // The period from the first to the last start of a pulse of this polarity.
            if (starts.size() >= 2) {
                results[0] = (starts.back() - starts.front()) / double(starts.size() - 1);
                results[3] = double(starts.size() - 1);
            }
            double widths = 0.0;
            int pulses = 0;
            for (double start : starts) {
                const auto end = std::upper_bound(ends.begin(), ends.end(), start);
                if (end == ends.end())
                    break;
                widths += *end - start;
                ++pulses;
            }
            if (pulses > 0)
                results[1] = widths / pulses;
            if (results[0] > 0.0)
                results[2] = results[1] / results[0];
            if (!starts.empty())
                results[4] = starts.front();
        }
    }
    put(period, results[0]);
    put(width, results[1]);
    put(dutyCycle, results[2]);
    put(periods, results[3]);
    put(firstCrossing, results[4]);
    put(highLevel, results[5]);
    put(lowLevel, results[6]);
    return status;
}

NIANLYS_EXPORT int32_t AALFunc365(const double *samples, int32_t count, int32_t /*method*/,
                                  double highPercent, double middlePercent, double lowPercent,
                                  int32_t /*a*/, int32_t /*b*/, int32_t histogramSize, double *mean,
                                  double *rms, double *cycles, double *first, double *last,
                                  double *highLevel, double *lowLevel)
{
    double results[7] = {};
    int32_t status = ErrorTooFewSamples;
    if (!validPercentages(highPercent, middlePercent, lowPercent)) {
        status = ErrorLevels;
    } else if (samples && count >= 1) {
        status = NoError;
        const Levels levels = stateLevels(samples, count,
                                          histogramSize > 1 ? histogramSize : DefaultHistogramSize);
        const double span = levels.high - levels.low;
        // Whole cycles lie between the first and the last rising crossing; without two of
        // them the whole record stands for one cycle.
        int32_t begin = 0;
        int32_t end = count;
        double wholeCycles = 0.0;
        if (span > 0.0) {
            const Crossings c =
                    middleCrossings(samples, count, levels.low + lowPercent / 100.0 * span,
                                    levels.low + middlePercent / 100.0 * span,
                                    levels.low + highPercent / 100.0 * span);
            if (c.rising.size() >= 2) {
                begin = static_cast<int32_t>(std::lround(c.rising.front()));
                end = static_cast<int32_t>(std::lround(c.rising.back()));
                wholeCycles = double(c.rising.size() - 1);
            }
        }
        double sum = 0.0;
        double squares = 0.0;
        for (int32_t i = begin; i < end; ++i) {
            sum += samples[i];
            squares += samples[i] * samples[i];
        }
        const double length = std::max(1, end - begin);
        results[0] = sum / length;
        results[1] = std::sqrt(squares / length);
        results[2] = wholeCycles;
        results[3] = begin;
        results[4] = end;
        results[5] = levels.high;
        results[6] = levels.low;
    }
    put(mean, results[0]);
    put(rms, results[1]);
    put(cycles, results[2]);
    put(first, results[3]);
    put(last, results[4]);
    put(highLevel, results[5]);
    put(lowLevel, results[6]);
    return status;
}

// The declared function types must fit the exports, or the program's look-up would call
// them with the wrong arguments.
static_assert(std::is_same<decltype(&AALFunc142), NianlysPulseParamFunction>::value, "PulseParam");
static_assert(std::is_same<decltype(&AALFunc364), NianlysPulseMeasFunction>::value, "PulseMeas");
static_assert(std::is_same<decltype(&AALFunc365), NianlysCycleRmsAverageFunction>::value,
              "CycleRMSAverage");
