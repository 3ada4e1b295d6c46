// The HX9 oscilloscope's driver over the simulated bench: two inputs with ranges from 50 mV to
// 50 V and a choice of input impedance, a time base, trigger settings, arming, a ready query
// and reading.
#include "zqhx9.h"
#include "simbench/driver.h"
#include "simbench/oscilloscope.h"

using namespace simbench;

namespace {
const char *const Library = "zqhx9";
constexpr double Ranges[] = {0.05, 0.1, 0.25, 0.5, 1.0, 2.5, 5.0, 10.0, 20.0, 50.0};
const ScopeLimits Limits = {4e-10, 1.0};

// The smallest range that holds the request, the largest when none does.
double supportedRange(double volts)
{
    for (double range : Ranges) {
        if (range >= volts * (1.0 - 1e-9))
            return range;
    }
    return Ranges[sizeof Ranges / sizeof Ranges[0] - 1];
}
} // namespace

extern "C" ViStatus zqhx9_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset,
                               ViSession *vi)
{
    return initEntry("zqhx9_init", Library, resource, idQuery, reset, ResourceKind::Carrier, vi);
}

extern "C" ViStatus zqhx9_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                                  ViInt16 reset)
{
    return connectEntry("zqhx9_connect", Library, vi, carrier, slot, idQuery, reset,
                        ZQHX9_MODULE_CODE);
}

extern "C" ViStatus zqhx9_close(ViSession vi)
{
    return closeEntry("zqhx9_close", Library, vi);
}

extern "C" ViStatus zqhx9_reset(ViSession vi)
{
    return resetMezzanineEntry("zqhx9_reset", Library, vi,
                               [](Unit &unit) { unit.scope = ScopeState(); });
}

extern "C" ViStatus zqhx9_config(ViSession vi)
{
    return scopeConfigEntry("zqhx9_config", Library, vi);
}

extern "C" ViStatus zqhx9_configInput(ViSession vi, ViInt16 channel, ViInt16 enabled,
                                      ViInt16 coupling, ViInt16 impedance, ViInt16 filter,
                                      ViReal64 *range, ViInt16 reserved)
{
    Call call("zqhx9_configInput", vi);
    call.arg(channel).arg(enabled).arg(coupling).arg(impedance).arg(filter);
    call.arg(range ? *range : 0.0).arg(reserved);
    return onMezzanine(call, Library, [&](Unit &unit) {
        if (channel < 0 || channel > 1 || !range || !(*range > 0.0))
            return ZQ_ERROR_PARAMETER;
        ScopeChannel &input = unit.scope.channels[static_cast<size_t>(channel)];
        input.enabled = enabled != 0;
        input.coupling = coupling;
        input.impedance = impedance;
        input.filter = filter;
        input.range = supportedRange(*range);
        *range = input.range;
        const std::string prefix = "ch" + std::to_string(channel) + ".";
        unit.set(prefix + "enabled", enabled != 0 ? "1" : "0");
        unit.set(prefix + "coupling", coupling);
        unit.set(prefix + "impedance", impedance);
        unit.set(prefix + "range", input.range);
        unit.set(prefix + "filter", filter);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx9_configBaseFreq(ViSession vi, ViInt16 base)
{
    return scopeBaseFrequencyEntry("zqhx9_configBaseFreq", Library, vi, base);
}

extern "C" ViStatus zqhx9_configTime(ViSession vi, ViReal64 *period, ViReal64 *duration,
                                     ViReal64 *startTime)
{
    return scopeTimeEntry("zqhx9_configTime", Library, vi, Limits, period, duration, startTime);
}

extern "C" ViStatus zqhx9_configEvents(ViSession vi, ViInt16 channel, ViInt16 mode,
                                       ViUInt8 polarity, ViInt16 a, ViInt16 b,
                                       const ViReal64 *times, const ViReal64 *levels)
{
    return scopeEventsEntry("zqhx9_configEvents", Library, vi, channel, mode, polarity, a, b, times,
                            levels);
}

extern "C" ViStatus zqhx9_configTrigger(ViSession vi, ViInt16 source, ViInt16 mode)
{
    Call call("zqhx9_configTrigger", vi);
    call.arg(source).arg(mode);
    return onMezzanine(call, Library, [&](Unit &unit) {
        unit.set("trigger.source", source);
        unit.set("trigger.start_mode", mode);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx9_trigger(ViSession vi)
{
    return scopeArmEntry("zqhx9_trigger", Library, vi, true);
}

extern "C" ViStatus zqhx9_stop(ViSession vi)
{
    return scopeArmEntry("zqhx9_stop", Library, vi, false);
}

extern "C" ViStatus zqhx9_ready_Q(ViSession vi, ViInt16 *ready)
{
    Call call("zqhx9_ready_Q", vi);
    return onMezzanine(call, Library, [&](Unit &unit) {
        if (!ready)
            return ZQ_ERROR_PARAMETER;
        double flag = unit.scope.armed ? 1.0 : 0.0;
        call.scripted(&flag);
        *ready = static_cast<ViInt16>(flag);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx9_readWaveform(ViSession vi, ViInt16 channel, ViInt16 block, ViInt16 first,
                                       ViInt32 *count, ViInt16 units, ViInt16 a, ViInt16 b,
                                       ViReal64 *samples, ViInt16 c, ViInt16 d, ViInt16 e)
{
    return scopeReadEntry("zqhx9_readWaveform", Library, vi, channel, block, first, count, units, a,
                          b, samples, c, d, e);
}

extern "C" ViStatus zqhx9_error_message(ViSession vi, ViStatus status, ViChar message[])
{
    return errorMessageEntry("zqhx9_error_message", Library, vi, status, message);
}
