// The signal-analysis module: pulse parameters, pulse timing and cycle averages of a sampled
// waveform. Levels come from a histogram of the samples; times are in samples, found by
// linear interpolation between the samples around each reference-level crossing.
#include "nianlys.h"
#include "nianlyscontrol.h"

#include "crossings.h"
#include "edges.h"
#include "levels.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>

#define NIANLYS_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using namespace analysis;

constexpr int32_t NoError = 0;
constexpr int32_t ErrorTooFewSamples = -20001;
constexpr int32_t ErrorLevels = -20002; // reference percentages out of order
constexpr int DefaultHistogramSize = 256;

enum CountedFunction { PulseParamCalls, PulseMeasCalls, CycleRmsAverageCalls, CountedFunctions };
std::atomic<int32_t> callCounts[CountedFunctions];

void countCall(CountedFunction function)
{
    callCounts[function].fetch_add(1, std::memory_order_relaxed);
}

template<typename T>
void put(T *slot, T value)
{
    if (slot)
        *slot = value;
}

// Sum and sum of squares of the finite samples; returns how many there are.
int32_t finiteSumAndSquares(const double *x, int32_t n, double &sum, double &squares)
{
    sum = squares = 0.0;
    int32_t finite = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]))
            continue;
        sum += x[i];
        squares += x[i] * x[i];
        ++finite;
    }
    return finite;
}

void sumAndSquares(const double *x, int32_t n, double &sum, double &squares)
{
    double s[4] = {};
    double q[4] = {};
    int32_t i = 0;
    for (; i + 4 <= n; i += 4) {
        for (int k = 0; k < 4; ++k) {
            s[k] += x[i + k];
            q[k] += x[i + k] * x[i + k];
        }
    }
    for (; i < n; ++i) {
        s[0] += x[i];
        q[0] += x[i] * x[i];
    }
    sum = (s[0] + s[1]) + (s[2] + s[3]);
    squares = (q[0] + q[1]) + (q[2] + q[3]);
}

struct Spacing
{
    double period = 0.0;
    int32_t periods = 0;
};

// The mean spacing of the middle crossings of one direction, the record's cut ones at its
// ends included: the list holds those that complete a transition, in order.
Spacing crossingSpacing(const std::vector<double> &crossings, const Crossings &c, bool rising)
{
    const bool opening = c.opening.found && c.opening.rising == rising;
    const bool closing = c.closing.found && c.closing.rising == rising;
    const std::size_t count = crossings.size() + opening + closing;
    if (count < 2)
        return {};
    const double first = opening ? c.opening.at : crossings.front();
    const double last = closing ? c.closing.at : crossings.back();
    return {(last - first) / double(count - 1), int32_t(count - 1)};
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
    countCall(PulseParamCalls);
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
        // Per cent of the amplitude, the unit they are shown in.
        if (span > 0.0) {
            results[6] = 100.0 * std::max(0.0, levels.maximum - levels.high) / span;
            results[7] = 100.0 * std::max(0.0, levels.low - levels.minimum) / span;
        }
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
    countCall(PulseMeasCalls);
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
            const Crossings &c =
                    middleCrossings(samples, count, levels.low + lowPercent / 100.0 * span,
                                    levels.low + middlePercent / 100.0 * span,
                                    levels.low + highPercent / 100.0 * span);
            const std::vector<double> &starts = polarity ? c.rising : c.falling;
            const std::vector<double> &ends = polarity ? c.falling : c.rising;
            // The period from the first to the last crossing that starts a pulse of this
            // polarity. One cycle in the record may have only one of those, and then two
            // crossings the other way: its period is measured between them.
            Spacing spacing = crossingSpacing(starts, c, polarity != 0);
            if (spacing.periods == 0)
                spacing = crossingSpacing(ends, c, polarity == 0);
            results[0] = spacing.period;
            results[3] = spacing.periods;
            // Each pulse ends at the first crossing the other way after its start; both
            // lists are in order, so the end is searched for from the last one on.
            double widths = 0.0;
            int pulses = 0;
            auto end = ends.begin();
            for (double start : starts) {
                while (end != ends.end() && *end <= start)
                    ++end;
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
    countCall(CycleRmsAverageCalls);
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
            const Crossings &c =
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
        sumAndSquares(samples + begin, end - begin, sum, squares);
        int32_t taken = end - begin;
        // The slow way for a cycle with a sample that is not a finite number: it is left out.
        if (!std::isfinite(squares))
            taken = finiteSumAndSquares(samples + begin, end - begin, sum, squares);
        const double length = std::max(1, taken);
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

NIANLYS_EXPORT int32_t nianlysCallCount(const char *exportName)
{
    static const char *const names[CountedFunctions] = {NIANLYS_PULSE_PARAM_EXPORT,
                                                        NIANLYS_PULSE_MEAS_EXPORT,
                                                        NIANLYS_CYCLE_RMS_AVERAGE_EXPORT};
    for (int f = 0; f < CountedFunctions; ++f) {
        if (exportName && std::strcmp(exportName, names[f]) == 0)
            return callCounts[f].load(std::memory_order_relaxed);
    }
    return -1;
}

NIANLYS_EXPORT void nianlysResetCallCounts()
{
    for (std::atomic<int32_t> &count : callCounts)
        count.store(0, std::memory_order_relaxed);
}

// The declared function types must fit the exports, or the program's look-up would call
// them with the wrong arguments.
static_assert(std::is_same<decltype(&AALFunc142), NianlysPulseParamFunction>::value, "PulseParam");
static_assert(std::is_same<decltype(&AALFunc364), NianlysPulseMeasFunction>::value, "PulseMeas");
static_assert(std::is_same<decltype(&AALFunc365), NianlysCycleRmsAverageFunction>::value,
              "CycleRMSAverage");
static_assert(std::is_same<decltype(&nianlysCallCount), NianlysCallCountFunction>::value,
              "CallCount");
static_assert(
        std::is_same<decltype(&nianlysResetCallCounts), NianlysResetCallCountsFunction>::value,
        "ResetCallCounts");
