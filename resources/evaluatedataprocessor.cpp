#include "resources/evaluatedataprocessor.h"

#include "resources/analysislibrary.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// Mean and RMS in one pass, over four lanes of partial sums (sample i + k in lane k) kept
// as two pairs of the compiler's vector extension, so that they stay in registers; the lanes
// are joined in a fixed order. Each sample is divided by the length before it is added,
// which keeps the sum in the range of the samples however long the range is. One lane
// order for both, so the mean asked alone is the mean asked beside the RMS.
struct MeanAndRms
{
    double mean;
    double rms;
};

using SamplePair = double __attribute__((vector_size(16)));

MeanAndRms meanAndRms(const double *x, size_t n)
{
    const double length = double(n);
    SamplePair sum01 = {}, sum23 = {}, squares01 = {}, squares23 = {};
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        SamplePair ab, cd;
        std::memcpy(&ab, x + i, sizeof ab);
        std::memcpy(&cd, x + i + 2, sizeof cd);
        sum01 += ab / length;
        sum23 += cd / length;
        squares01 += ab * ab;
        squares23 += cd * cd;
    }
    double sum[4] = {sum01[0], sum01[1], sum23[0], sum23[1]};
    double squares[4] = {squares01[0], squares01[1], squares23[0], squares23[1]};
    for (; i < n; ++i) {
        sum[0] += x[i] / length;
        squares[0] += x[i] * x[i];
    }
    return {(sum[0] + sum[1]) + (sum[2] + sum[3]),
            std::sqrt(((squares[0] + squares[1]) + (squares[2] + squares[3])) / length)};
}

// The values of one calc() call, by type: a fixed table rather than a map, so that a call
// allocates nothing beyond its result.
class ValueTable
{
public:
    void set(EvaluationType type, double value) { m_values[size_t(type)] = value; }
    double value(EvaluationType type) const
    {
        return type >= EvaluationTypeFirst && type <= EvaluationTypeLast ? m_values[size_t(type)]
                                                                         : 0.0;
    }

private:
    double m_values[EvaluationTypeLast + 1] = {};
};

// Which of the families' evaluations a request holds, by the library call that gives them.
struct Requested
{
    bool cycle = false;
    bool pulseParam = false;
    bool positivePulses = false; // period, frequency, positive width and duty cycle
    bool negativePulses = false; // negative width and duty cycle
    bool extremes = false;
    bool mean = false;
    bool rms = false;
};

Requested requested(const std::vector<EvaluationType> &types)
{
    Requested r;
    for (EvaluationType type : types) {
        r.cycle = r.cycle || CycleValuesSet.count(type) != 0;
        r.pulseParam = r.pulseParam || PulseParamSet.count(type) != 0;
        if (PulseMeasSet.count(type) != 0) {
            const bool negative =
                    type == EvaluationNegativeDutyCycle || type == EvaluationNegativePulseWidth;
            (negative ? r.negativePulses : r.positivePulses) = true;
        }
        r.extremes = r.extremes || type == EvaluationMinimum || type == EvaluationMaximum
                || type == EvaluationPeakToPeak;
        r.mean = r.mean || type == EvaluationMean;
        r.rms = r.rms || type == EvaluationRms;
    }
    return r;
}

void cycleValues(const double *samples, int count, ValueTable &values)
{
    AnalysisLibrary::CycleResults r;
    AnalysisLibrary::instance().cycleRmsAverage(samples, count, Levels, r);
    values.set(EvaluationCycleMean, r.mean);
    values.set(EvaluationCycleRms, r.rms);
}

void pulseParamValues(const double *samples, double sampleInterval, int count, ValueTable &values)
{
    AnalysisLibrary::PulseParamResults r;
    AnalysisLibrary::instance().pulseParam(samples, count, r);
    // The library works per sample: its times are sample counts and its slope is per sample.
    const double referenceSpan = std::fabs(r.highReference - r.lowReference);
    // Without a falling edge (no fall time) nothing falls, at any rate.
    double fallRate = 0.0;
    if (referenceSpan >= Negligible && r.fallSamples > 0)
        fallRate = perInterval(referenceSpan / double(r.fallSamples), sampleInterval);
    values.set(EvaluationAmplitude, std::fabs(r.amplitude));
    values.set(EvaluationHigh, std::max(r.highLevel, r.lowLevel));
    values.set(EvaluationLow, std::min(r.highLevel, r.lowLevel));
    values.set(EvaluationOvershoot, r.overshoot);
    values.set(EvaluationUndershoot, r.undershoot);
    values.set(EvaluationRiseTime, r.riseSamples * sampleInterval);
    values.set(EvaluationFallTime, r.fallSamples * sampleInterval);
    values.set(EvaluationRiseRate, perInterval(r.riseSlope, sampleInterval));
    values.set(EvaluationFallRate, fallRate);
}

// Each polarity is one library call, each a full pass over the samples: the negative one
// is made only for the negative pulses' width and duty cycle.
void pulseMeasValues(const double *samples, double sampleInterval, int count, bool positivePulses,
                     bool negativePulses, ValueTable &values)
{
    AnalysisLibrary &library = AnalysisLibrary::instance();
    if (positivePulses) {
        AnalysisLibrary::PulseMeasResults positive;
        library.pulseMeas(samples, count, PositivePulses, Levels, positive);
        const double frequency =
                positive.period != 0.0 ? perInterval(1.0 / positive.period, sampleInterval) : 0.0;
        values.set(EvaluationPeriod, sampleInterval * positive.period);
        values.set(EvaluationFrequency, frequency);
        values.set(EvaluationPositivePulseWidth, sampleInterval * positive.width);
        values.set(EvaluationPositiveDutyCycle, positive.dutyCycle * 100.0);
    }
    if (negativePulses) {
        AnalysisLibrary::PulseMeasResults negative;
        library.pulseMeas(samples, count, NegativePulses, Levels, negative);
        values.set(EvaluationNegativePulseWidth, sampleInterval * negative.width);
        values.set(EvaluationNegativeDutyCycle, negative.dutyCycle * 100.0);
    }
}

EvaluationValues toMap(const ValueTable &table, const std::set<EvaluationType> &family)
{
    EvaluationValues values;
    for (EvaluationType type : family)
        values.emplace(type, table.value(type));
    return values;
}

} // namespace

EvaluationValues evaluateCycleValues(const double *samples, int count)
{
    ValueTable table;
    cycleValues(samples, count, table);
    return toMap(table, CycleValuesSet);
}

EvaluationValues evaluatePulseParam(const double *samples, double sampleInterval, int count)
{
    ValueTable table;
    pulseParamValues(samples, sampleInterval, count, table);
    return toMap(table, PulseParamSet);
}

EvaluationValues evaluatePulseMeas(const double *samples, double sampleInterval, int count)
{
    ValueTable table;
    pulseMeasValues(samples, sampleInterval, count, true, true, table);
    return toMap(table, PulseMeasSet);
}

EvaluationResults calc(double /*startTime*/, double sampleInterval, const double *samples,
                       unsigned int count, const std::vector<EvaluationType> &types, int first,
                       int last)
{
    unsigned int end = static_cast<unsigned int>(last);
    if (last < 0 || last < first || end >= count)
        end = count;

    // A range without a sample has nothing to measure: every value stays 0 and the library
    // is not asked.
    ValueTable values;
    if (samples && first >= 0 && static_cast<unsigned int>(first) < end) {
        const double *x = samples + first;
        const size_t n = end - static_cast<unsigned int>(first);
        // The library counts samples in 32 bits.
        const int libraryCount =
                int(std::min<size_t>(n, size_t(std::numeric_limits<int32_t>::max())));
        const Requested asked = requested(types);

        if (asked.cycle)
            cycleValues(x, libraryCount, values);
        if (asked.pulseParam)
            pulseParamValues(x, sampleInterval, libraryCount, values);
        if (asked.positivePulses || asked.negativePulses)
            pulseMeasValues(x, sampleInterval, libraryCount, asked.positivePulses,
                            asked.negativePulses, values);
        if (asked.extremes) {
            const Extremes e = extremes(x, n);
            values.set(EvaluationMinimum, e.minimum);
            values.set(EvaluationMaximum, e.maximum);
            values.set(EvaluationPeakToPeak, e.maximum - e.minimum);
        }
        if (asked.mean || asked.rms) {
            const MeanAndRms both = meanAndRms(x, n);
            if (asked.mean)
                values.set(EvaluationMean, both.mean);
            if (asked.rms)
                values.set(EvaluationRms, both.rms);
        }
    }

    EvaluationResults results;
    results.reserve(types.size());
    for (EvaluationType type : types)
        results.emplace_back(type, values.value(type));
    return results;
}
