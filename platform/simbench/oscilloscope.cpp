#include "simbench/oscilloscope.h"

#include "simbench/driver.h"

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

ViStatus scopeConfigEntry(const char *function, const char *library, ViSession vi)
{
    Call call(function, vi);
    return onMezzanine(call, library, [&](Unit &unit) {
        unit.set("configured", "1");
        return VI_SUCCESS;
    });
}

ViStatus scopeBaseFrequencyEntry(const char *function, const char *library, ViSession vi,
                                 ViInt16 base)
{
    Call call(function, vi);
    call.arg(base);
    return onMezzanine(call, library, [&](Unit &unit) {
        unit.set("base_frequency", base);
        return VI_SUCCESS;
    });
}

ViStatus scopeTimeEntry(const char *function, const char *library, ViSession vi,
                        const ScopeLimits &limits, ViReal64 *period, ViReal64 *duration,
                        ViReal64 *startTime)
{
    Call call(function, vi);
    call.arg(period ? *period : 0.0).arg(duration ? *duration : 0.0);
    call.arg(startTime ? *startTime : 0.0);
    return onMezzanine(call, library, [&](Unit &unit) {
        return configureScopeTime(unit, limits, period, duration, startTime);
    });
}

ViStatus scopeEventsEntry(const char *function, const char *library, ViSession vi, ViInt16 channel,
                          ViInt16 mode, ViUInt8 polarity, ViInt16 a, ViInt16 b,
                          const ViReal64 *times, const ViReal64 *levels)
{
    Call call(function, vi);
    call.arg(channel).arg(mode).arg(polarity).arg(a).arg(b);
    call.arg(times ? times[0] : 0.0).arg(times ? times[1] : 0.0);
    call.arg(levels ? levels[0] : 0.0).arg(levels ? levels[1] : 0.0);
    return onMezzanine(call, library, [&](Unit &unit) {
        if (channel < 0 || channel > 1 || !times || !levels)
            return ZQ_ERROR_PARAMETER;
        unit.set("trigger.channel", channel);
        unit.set("trigger.mode", mode);
        unit.set("trigger.polarity", polarity);
        unit.set("trigger.time1", times[0]);
        unit.set("trigger.time2", times[1]);
        unit.set("trigger.level1", levels[0]);
        unit.set("trigger.level2", levels[1]);
        return VI_SUCCESS;
    });
}

ViStatus scopeArmEntry(const char *function, const char *library, ViSession vi, bool armed)
{
    Call call(function, vi);
    return onMezzanine(call, library, [&](Unit &unit) {
        unit.scope.armed = armed;
        unit.set("armed", armed ? "1" : "0");
        return VI_SUCCESS;
    });
}

ViStatus scopeReadEntry(const char *function, const char *library, ViSession vi, ViInt16 channel,
                        ViInt16 block, ViInt16 first, ViInt32 *count, ViInt16 units, ViInt16 a,
                        ViInt16 b, ViReal64 *samples, ViInt16 c, ViInt16 d, ViInt16 e)
{
    Call call(function, vi);
    call.arg(channel).arg(block).arg(first).arg(count ? *count : 0).arg(units).arg(a).arg(b);
    call.argBuffer(count ? *count : 0).arg(c).arg(d).arg(e);
    return onMezzanine(call, library, [&](Unit &unit) {
        return readScopeWaveform(call, unit, channel, count, samples);
    });
}

} // namespace simbench
