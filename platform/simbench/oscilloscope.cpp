#include "simbench/oscilloscope.h"

#include <algorithm>
#include <cmath>

namespace simbench {

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr double LongestFrame = 4194304.0; // samples per channel
} // namespace

ViStatus configureScopeTime(Unit &unit, const ScopeLimits &limits, ViReal64 *period,
                            ViReal64 *duration, ViReal64 *startTime)
{
    if (!period || !duration || !startTime || !(*period > 0.0) || *duration < 0.0)
        return ZQ_ERROR_PARAMETER;
    *period = std::clamp(*period, limits.shortestPeriod, limits.longestPeriod);
    *duration = std::min(*duration, *period * LongestFrame);
    ScopeState &scope = unit.scope;
    scope.period = *period;
    scope.duration = *duration;
    scope.startTime = *startTime;
    unit.set("period", *period);
    unit.set("duration", *duration);
    unit.set("start_time", *startTime);
    return VI_SUCCESS;
}

ViStatus readScopeWaveform(Call &call, Unit &unit, ViInt16 channel, ViInt32 *count,
                           ViReal64 *samples)
{
    if (channel < 0 || channel > 1 || !count || *count < 0 || (*count > 0 && !samples))
        return ZQ_ERROR_PARAMETER;
    const ScopeState &scope = unit.scope;
    const ScopeChannel &input = scope.channels[static_cast<size_t>(channel)];
    if (!input.enabled)
        return ZQ_ERROR_NOT_CONFIGURED;
    double delivered = scope.armed ? *count : 0;
    if (call.scripted(&delivered))
        delivered = std::max(0.0, std::min(delivered, static_cast<double>(*count)));
    const ViInt32 n = static_cast<ViInt32>(delivered);
    const double amplitude = channel == 0 ? unit.amplitude : unit.amplitude / 2.0;
    const double phase = channel == 0 ? 0.0 : -Pi / 2.0;
    const double omega = 2.0 * Pi * unit.frequency;
    bool overdrive = false;
    for (ViInt32 k = 0; k < n; ++k) {
        const double t = scope.startTime + static_cast<double>(k) * scope.period;
        double value = amplitude * std::sin(omega * t + phase);
        if (std::fabs(value) > input.range) {
            overdrive = true;
            value = std::copysign(input.range, value);
        }
        samples[k] = value;
    }
    *count = n;
    return overdrive ? ZQ_WARN_INPUT_OVERDRIVE : VI_SUCCESS;
}

} // namespace simbench
