#pragma once
// The evaluations computed the straightforward way, each on its own: one library call or one
// pass over the samples per requested evaluation, nothing shared between them. The fast
// path in calc() must give the same values; the benchmark measures it against this one.
#include "resources/analysislibrary.h"
#include "resources/evaluatedataprocessor.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace straightforward {

// The reference levels calc() asks the library for: 90 %, 50 % and 10 %.
constexpr AnalysisLibrary::LevelSettings Levels {1, 90.0, 50.0, 10.0, 1, 2, 256};

inline double perInterval(double value, double sampleInterval)
{
    return sampleInterval != 0.0 ? value / sampleInterval : 0.0;
}

inline double pulseParamValue(EvaluationType type, const double *x, int32_t n, double dt)
{
    AnalysisLibrary::PulseParamResults r;
    AnalysisLibrary::instance().pulseParam(x, n, r);
    const double span = std::fabs(r.highReference - r.lowReference);
    switch (type) {
    case EvaluationAmplitude:
        return std::fabs(r.amplitude);
    case EvaluationHigh:
        return std::max(r.highLevel, r.lowLevel);
    case EvaluationLow:
        return std::min(r.highLevel, r.lowLevel);
    case EvaluationOvershoot:
        return r.overshoot;
    case EvaluationUndershoot:
        return r.undershoot;
    case EvaluationRiseTime:
        return r.riseSamples * dt;
    case EvaluationFallTime:
        return r.fallSamples * dt;
    case EvaluationRiseRate:
        return perInterval(r.riseSlope, dt);
    case EvaluationFallRate:
        return span >= 1e-12 && r.fallSamples > 0 ? perInterval(span / r.fallSamples, dt) : 0.0;
    default:
        return 0.0;
    }
}

inline double pulseMeasValue(EvaluationType type, const double *x, int32_t n, double dt)
{
    const bool negative =
            type == EvaluationNegativePulseWidth || type == EvaluationNegativeDutyCycle;
    AnalysisLibrary::PulseMeasResults r;
    AnalysisLibrary::instance().pulseMeas(x, n, negative ? 0 : 1, Levels, r);
    switch (type) {
    case EvaluationPeriod:
        return dt * r.period;
    case EvaluationFrequency:
        return r.period != 0.0 ? perInterval(1.0 / r.period, dt) : 0.0;
    case EvaluationPositivePulseWidth:
    case EvaluationNegativePulseWidth:
        return dt * r.width;
    case EvaluationPositiveDutyCycle:
    case EvaluationNegativeDutyCycle:
        return r.dutyCycle * 100.0;
    default:
        return 0.0;
    }
}

inline double cycleValue(EvaluationType type, const double *x, int32_t n)
{
    AnalysisLibrary::CycleResults r;
    AnalysisLibrary::instance().cycleRmsAverage(x, n, Levels, r);
    return type == EvaluationCycleMean ? r.mean : r.rms;
}

inline double value(EvaluationType type, const double *x, std::size_t n, double dt)
{
    const int32_t count = int32_t(n);
    if (PulseParamSet.count(type))
        return pulseParamValue(type, x, count, dt);
    if (PulseMeasSet.count(type))
        return pulseMeasValue(type, x, count, dt);
    if (CycleValuesSet.count(type))
        return cycleValue(type, x, count);
    switch (type) {
    case EvaluationMinimum:
        return *std::min_element(x, x + n);
    case EvaluationMaximum:
        return *std::max_element(x, x + n);
    case EvaluationPeakToPeak: {
        const auto e = std::minmax_element(x, x + n);
        return *e.second - *e.first;
    }
    case EvaluationMean: {
        double sum = 0.0;
        for (std::size_t i = 0; i < n; ++i)
            sum += x[i];
        return sum / double(n);
    }
    case EvaluationRms: {
        double sum = 0.0;
        for (std::size_t i = 0; i < n; ++i)
            sum += x[i] * x[i];
        return std::sqrt(sum / double(n));
    }
    default:
        return 0.0;
    }
}

// Over the whole record (n >= 1), one pair per request entry in the request's order.
inline EvaluationResults calc(double dt, const double *x, std::size_t n,
                              const std::vector<EvaluationType> &types)
{
    EvaluationResults results;
    for (EvaluationType type : types)
        results.emplace_back(type, value(type, x, n, dt));
    return results;
}

} // namespace straightforward
