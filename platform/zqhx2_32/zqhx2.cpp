// The HX2 oscilloscope's driver over the simulated bench: two inputs with a 0.3 V and a 1 V
// range, a time base, trigger settings, arming and reading.
#include "zqhx2.h"
#include "simbench/driver.h"
#include "simbench/oscilloscope.h"

using namespace simbench;

namespace {
const char *const Library = "zqhx2";
// Range code 1 selects the lower range.
constexpr double LowRange = 0.3;
constexpr double HighRange = 1.0;
const ScopeLimits Limits = {4e-10, 65530 * 6.4e-9};
} // namespace

extern "C" ViStatus zqhx2_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset,
                               ViSession *vi)
{
    return initEntry("zqhx2_init", Library, resource, idQuery, reset, ResourceKind::Carrier, vi);
}

extern "C" ViStatus zqhx2_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                                  ViInt16 reset)
{
    return connectEntry("zqhx2_connect", Library, vi, carrier, slot, idQuery, reset,
                        ZQHX2_MODULE_CODE);
}

extern "C" ViStatus zqhx2_close(ViSession vi)
{
    return closeEntry("zqhx2_close", Library, vi);
}

extern "C" ViStatus zqhx2_reset(ViSession vi)
{
    return resetMezzanineEntry("zqhx2_reset", Library, vi,
                               [](Unit &unit) { unit.scope = ScopeState(); });
}

extern "C" ViStatus zqhx2_configMode(ViSession vi, ViInt16 mode)
{
    Call call("zqhx2_configMode", vi);
    call.arg(mode);
    return onMezzanine(call, Library, [&](Unit &unit) {
        unit.set("mode", mode);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_config(ViSession vi)
{
    return scopeConfigEntry("zqhx2_config", Library, vi);
}

extern "C" ViStatus zqhx2_configInput(ViSession vi, ViInt16 channel, ViInt16 enabled,
                                      ViInt16 coupling, ViInt16 rangeCode, ViInt16 filter,
                                      ViInt16 reserved)
{
    Call call("zqhx2_configInput", vi);
    call.arg(channel).arg(enabled).arg(coupling).arg(rangeCode).arg(filter).arg(reserved);
    return onMezzanine(call, Library, [&](Unit &unit) {
        if (channel < 0 || channel > 1)
            return ZQ_ERROR_PARAMETER;
        ScopeChannel &input = unit.scope.channels[static_cast<size_t>(channel)];
        input.enabled = enabled != 0;
        input.coupling = coupling;
        input.filter = filter;
        input.range = rangeCode == 1 ? LowRange : HighRange;
        const std::string prefix = "ch" + std::to_string(channel) + ".";
        unit.set(prefix + "enabled", enabled != 0 ? "1" : "0");
        unit.set(prefix + "coupling", coupling);
        unit.set(prefix + "range", input.range);
        unit.set(prefix + "filter", filter);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_configBaseFreq(ViSession vi, ViInt16 base)
{
    return scopeBaseFrequencyEntry("zqhx2_configBaseFreq", Library, vi, base);
}

extern "C" ViStatus zqhx2_configTime(ViSession vi, ViReal64 *period, ViReal64 *duration,
                                     ViReal64 *startTime)
{
    return scopeTimeEntry("zqhx2_configTime", Library, vi, Limits, period, duration, startTime);
}

extern "C" ViStatus zqhx2_configEvents(ViSession vi, ViInt16 channel, ViInt16 mode,
                                       ViUInt8 polarity, ViInt16 a, ViInt16 b,
                                       const ViReal64 *times, const ViReal64 *levels)
{
    return scopeEventsEntry("zqhx2_configEvents", Library, vi, channel, mode, polarity, a, b, times,
                            levels);
}

extern "C" ViStatus zqhx2_configTrigger(ViSession vi, ViInt16 source)
{
    Call call("zqhx2_configTrigger", vi);
    call.arg(source);
    return onMezzanine(call, Library, [&](Unit &unit) {
        unit.set("trigger.source", source);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_trigger(ViSession vi)
{
    return scopeArmEntry("zqhx2_trigger", Library, vi, true);
}

extern "C" ViStatus zqhx2_stop(ViSession vi)
{
    return scopeArmEntry("zqhx2_stop", Library, vi, false);
}

extern "C" ViStatus zqhx2_readWaveform(ViSession vi, ViInt16 channel, ViInt16 block, ViInt16 first,
                                       ViInt32 *count, ViInt16 units, ViInt16 a, ViInt16 b,
                                       ViReal64 *samples, ViInt16 c, ViInt16 d, ViInt16 e)
{
    return scopeReadEntry("zqhx2_readWaveform", Library, vi, channel, block, first, count, units, a,
                          b, samples, c, d, e);
}

extern "C" ViStatus zqhx2_error_message(ViSession vi, ViStatus status, ViChar message[])
{
    return errorMessageEntry("zqhx2_error_message", Library, vi, status, message);
}
