#include "resources/evaluatedataprocessor.h"

#include "resources/analysislibrary.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

const std::set<EvaluationType> CycleValuesSet {EvaluationCycleMean, EvaluationCycleRms};
const std::set<EvaluationType> PulseParamSet {
        EvaluationHigh,      EvaluationLow,        EvaluationAmplitude,
        EvaluationOvershoot, EvaluationUndershoot, EvaluationRiseTime,
        EvaluationFallTime,  EvaluationFallRate,   EvaluationRiseRate};
const std::set<EvaluationType> PulseMeasSet {EvaluationPeriod,
                                             EvaluationFrequency,
                                             EvaluationNegativeDutyCycle,
                                             EvaluationNegativePulseWidth,
                                             EvaluationPositiveDutyCycle,
                                             EvaluationPositivePulseWidth};

namespace {

// Reference levels 90 %, 50 % and 10 % of the span between the state levels.
constexpr AnalysisLibrary::LevelSettings Levels {1, 90.0, 50.0, 10.0, 1, 2, 256};
constexpr int32_t PositivePulses = 1;
constexpr int32_t NegativePulses = 0;
constexpr double Negligible = 1e-12;

bool requests(const std::vector<EvaluationType> &types, const std::set<EvaluationType> &family)
{
    return std::any_of(types.begin(), types.end(),
                       [&family](EvaluationType type) { return family.count(type) != 0; });
}

// A per-sample quantity divided by the sample interval; an interval of 0 would turn it into
// an infinity on the display, so it reads 0 instead.
double perInterval(double value, double sampleInterval)
{
    return sampleInterval != 0.0 ? value / sampleInterval : 0.0;
}

// The inline passes keep four independent partial results, so that each step does not wait
// for the one before it; n is at least 1.
struct Extremes
{
    double minimum;
    double maximum;
};

Extremes extremes(const double *x, size_t n)
{
    // Plain locals rather than an array, so that the four lanes stay in registers.
    double lo0 = x[0], lo1 = x[0], lo2 = x[0], lo3 = x[0];
    double hi0 = x[0], hi1 = x[0], hi2 = x[0], hi3 = x[0];
    size_t i = 1;
    for (; i + 4 <= n; i += 4) {
        const double a = x[i], b = x[i + 1], c = x[i + 2], d = x[i + 3];
        lo0 = a < lo0 ? a : lo0;
        lo1 = b < lo1 ? b : lo1;
        lo2 = c < lo2 ? c : lo2;
        lo3 = d < lo3 ? d : lo3;
        hi0 = a > hi0 ? a : hi0;
        hi1 = b > hi1 ? b : hi1;
        hi2 = c > hi2 ? c : hi2;
        hi3 = d > hi3 ? d : hi3;
    }
    for (; i < n; ++i) {
        lo0 = x[i] < lo0 ? x[i] : lo0;
        hi0 = x[i] > hi0 ? x[i] : hi0;
    }
    lo0 = lo1 < lo0 ? lo1 : lo0;
    lo2 = lo3 < lo2 ? lo3 : lo2;
    hi0 = hi1 > hi0 ? hi1 : hi0;
    hi2 = hi3 > hi2 ? hi3 : hi2;
    return {lo2 < lo0 ? lo2 : lo0, hi2 > hi0 ? hi2 : hi0};
}

// Each sample is divided by the length before it is added, which keeps the sum in the range
// of the samples however long the range is.
double mean(const double *x, size_t n)
{
    const double length = double(n);
    double sum[4] = {};
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        for (int k = 0; k < 4; ++k)
            sum[k] += x[i + size_t(k)] / length;
    }
    for (; i < n; ++i)
        sum[0] += x[i] / length;
    return (sum[0] + sum[1]) + (sum[2] + sum[3]);
}

double rms(const double *x, size_t n)
{
    double sum[4] = {};
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        for (int k = 0; k < 4; ++k)
            sum[k] += x[i + size_t(k)] * x[i + size_t(k)];
    }
    for (; i < n; ++i)
        sum[0] += x[i] * x[i];
    return std::sqrt(((sum[0] + sum[1]) + (sum[2] + sum[3])) / double(n));
}

} // namespace

EvaluationValues evaluateCycleValues(const double *samples, int count)
{
    AnalysisLibrary::CycleResults r;
    AnalysisLibrary::instance().cycleRmsAverage(samples, count, Levels, r);
    return {{EvaluationCycleMean, r.mean}, {EvaluationCycleRms, r.rms}};
}

EvaluationValues evaluatePulseParam(const double *samples, double sampleInterval, int count)
{
    AnalysisLibrary::PulseParamResults r;
    AnalysisLibrary::instance().pulseParam(samples, count, r);
    // The library works per sample: its times are sample counts and its slope is per sample.
    const double referenceSpan = std::fabs(r.highReference - r.lowReference);
    // Without a falling edge (no fall time) nothing falls, at any rate.
    double fallRate = 0.0;
    if (referenceSpan >= Negligible && r.fallSamples > 0)
        fallRate = perInterval(referenceSpan / double(r.fallSamples), sampleInterval);
    return {
            {EvaluationAmplitude, std::fabs(r.amplitude)},
            {EvaluationHigh, std::max(r.highLevel, r.lowLevel)},
            {EvaluationLow, std::min(r.highLevel, r.lowLevel)},
            {EvaluationOvershoot, r.overshoot},
            {EvaluationUndershoot, r.undershoot},
            {EvaluationRiseTime, r.riseSamples * sampleInterval},
            {EvaluationFallTime, r.fallSamples * sampleInterval},
            {EvaluationRiseRate, perInterval(r.riseSlope, sampleInterval)},
            {EvaluationFallRate, fallRate},
    };
}

EvaluationValues evaluatePulseMeas(const double *samples, double sampleInterval, int count)
{
    AnalysisLibrary &library = AnalysisLibrary::instance();
    AnalysisLibrary::PulseMeasResults positive;
    library.pulseMeas(samples, count, PositivePulses, Levels, positive);
    AnalysisLibrary::PulseMeasResults negative;
    library.pulseMeas(samples, count, NegativePulses, Levels, negative);
    const double frequency =
            positive.period != 0.0 ? perInterval(1.0 / positive.period, sampleInterval) : 0.0;
    return {
            {EvaluationPeriod, sampleInterval * positive.period},
            {EvaluationFrequency, frequency},
            {EvaluationPositivePulseWidth, sampleInterval * positive.width},
            {EvaluationPositiveDutyCycle, positive.dutyCycle * 100.0},
            {EvaluationNegativePulseWidth, sampleInterval * negative.width},
            {EvaluationNegativeDutyCycle, negative.dutyCycle * 100.0},
    };
}

EvaluationResults calc(double /*startTime*/, double sampleInterval, const double *samples,
                       unsigned int count, std::vector<EvaluationType> types, int first, int last)
{
    unsigned int end = static_cast<unsigned int>(last);
    if (last < 0 || last < first || end >= count)
        end = count;

    // A range without a sample has nothing to measure: every value stays 0 and the library
    // is not asked.
    EvaluationValues values;
    if (samples && first >= 0 && static_cast<unsigned int>(first) < end) {
        const double *x = samples + first;
        const size_t n = end - static_cast<unsigned int>(first);
        // The library counts samples in 32 bits.
        const int libraryCount =
                int(std::min<size_t>(n, size_t(std::numeric_limits<int32_t>::max())));

        if (requests(types, CycleValuesSet))
            values.merge(evaluateCycleValues(x, libraryCount));
        if (requests(types, PulseParamSet))
            values.merge(evaluatePulseParam(x, sampleInterval, libraryCount));
        if (requests(types, PulseMeasSet))
            values.merge(evaluatePulseMeas(x, sampleInterval, libraryCount));

        const auto holds = [&types](EvaluationType type) {
            return std::find(types.begin(), types.end(), type) != types.end();
        };
        if (holds(EvaluationMinimum) || holds(EvaluationMaximum) || holds(EvaluationPeakToPeak)) {
            const Extremes e = extremes(x, n);
            values.emplace(EvaluationMinimum, e.minimum);
            values.emplace(EvaluationMaximum, e.maximum);
            values.emplace(EvaluationPeakToPeak, e.maximum - e.minimum);
        }
        if (holds(EvaluationMean))
            values.emplace(EvaluationMean, mean(x, n));
        if (holds(EvaluationRms))
            values.emplace(EvaluationRms, rms(x, n));
    }

    EvaluationResults results;
    results.reserve(types.size());
    for (EvaluationType type : types) {
        const auto found = values.find(type);
        results.emplace_back(type, found != values.end() ? found->second : 0.0);
    }
    return results;
}
