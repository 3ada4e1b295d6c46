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

template<typename F>
ViStatus onModule(Call &call, F &&body)
{
    if (call.failed())
        return call.status();
    ViStatus status = VI_SUCCESS;
    Unit *unit = mezzanine(call, Library, &status);
    if (!unit)
        return call.finish(status);
    return call.finish(body(*unit));
}
} // namespace

extern "C" ViStatus zqhx2_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset,
                               ViSession *vi)
{
    Call call("zqhx2_init", 0);
    call.arg(resource).arg(idQuery).arg(reset);
    if (call.failed())
        return call.status();
    return call.finish(initSession(call, Library, resource, idQuery, ResourceKind::Carrier, vi));
}

extern "C" ViStatus zqhx2_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                                  ViInt16 reset)
{
    Call call("zqhx2_connect", vi);
    call.arg(static_cast<long long>(carrier)).arg(slot).arg(idQuery).arg(reset);
    if (call.failed())
        return call.status();
    return call.finish(connectSession(call, Library, carrier, slot, ZQHX2_MODULE_CODE, reset != 0));
}

extern "C" ViStatus zqhx2_close(ViSession vi)
{
    Call call("zqhx2_close", vi);
    if (call.failed())
        return call.status();
    return call.finish(closeSession(call, Library));
}

extern "C" ViStatus zqhx2_reset(ViSession vi)
{
    Call call("zqhx2_reset", vi);
    if (call.failed())
        return call.status();
    ViStatus status = VI_SUCCESS;
    Unit *unit = anySession(call, Library, &status);
    if (unit && call.session(Library)->slot != 0) {
        unit->scope = ScopeState();
        unit->settings.clear();
        unit->set("connected", "1");
    }
    return call.finish(status);
}

extern "C" ViStatus zqhx2_configMode(ViSession vi, ViInt16 mode)
{
    Call call("zqhx2_configMode", vi);
    call.arg(mode);
    return onModule(call, [&](Unit &unit) {
        unit.set("mode", mode);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_config(ViSession vi)
{
    Call call("zqhx2_config", vi);
    return onModule(call, [&](Unit &unit) {
        unit.set("configured", "1");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_configInput(ViSession vi, ViInt16 channel, ViInt16 enabled,
                                      ViInt16 coupling, ViInt16 rangeCode, ViInt16 filter,
                                      ViInt16 reserved)
{
    Call call("zqhx2_configInput", vi);
    call.arg(channel).arg(enabled).arg(coupling).arg(rangeCode).arg(filter).arg(reserved);
    return onModule(call, [&](Unit &unit) {
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
    Call call("zqhx2_configBaseFreq", vi);
    call.arg(base);
    return onModule(call, [&](Unit &unit) {
        unit.set("base_frequency", base);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_configTime(ViSession vi, ViReal64 *period, ViReal64 *duration,
                                     ViReal64 *startTime)
{
    Call call("zqhx2_configTime", vi);
    call.arg(period ? *period : 0.0).arg(duration ? *duration : 0.0);
    call.arg(startTime ? *startTime : 0.0);
    return onModule(call, [&](Unit &unit) {
        return configureScopeTime(unit, Limits, period, duration, startTime);
    });
}

extern "C" ViStatus zqhx2_configEvents(ViSession vi, ViInt16 channel, ViInt16 mode,
                                       ViUInt8 polarity, ViInt16 a, ViInt16 b,
                                       const ViReal64 *times, const ViReal64 *levels)
{
    Call call("zqhx2_configEvents", vi);
    call.arg(channel).arg(mode).arg(polarity).arg(a).arg(b);
    call.arg(times ? times[0] : 0.0).arg(times ? times[1] : 0.0);
    call.arg(levels ? levels[0] : 0.0).arg(levels ? levels[1] : 0.0);
    return onModule(call, [&](Unit &unit) {
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

extern "C" ViStatus zqhx2_configTrigger(ViSession vi, ViInt16 source)
{
    Call call("zqhx2_configTrigger", vi);
    call.arg(source);
    return onModule(call, [&](Unit &unit) {
        unit.set("trigger.source", source);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_trigger(ViSession vi)
{
    Call call("zqhx2_trigger", vi);
    return onModule(call, [&](Unit &unit) {
        unit.scope.armed = true;
        unit.set("armed", "1");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_stop(ViSession vi)
{
    Call call("zqhx2_stop", vi);
    return onModule(call, [&](Unit &unit) {
        unit.scope.armed = false;
        unit.set("armed", "0");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqhx2_readWaveform(ViSession vi, ViInt16 channel, ViInt16 block, ViInt16 first,
                                       ViInt32 *count, ViInt16 units, ViInt16 a, ViInt16 b,
                                       ViReal64 *samples, ViInt16 c, ViInt16 d, ViInt16 e)
{
    Call call("zqhx2_readWaveform", vi);
    call.arg(channel).arg(block).arg(first).arg(count ? *count : 0).arg(units).arg(a).arg(b);
    call.argBuffer(count ? *count : 0).arg(c).arg(d).arg(e);
    return onModule(call, [&](Unit &unit) {
        return readScopeWaveform(call, unit, channel, count, samples);
    });
}

extern "C" ViStatus zqhx2_error_message(ViSession vi, ViStatus status, ViChar message[])
{
    Call call("zqhx2_error_message", vi);
    call.arg(static_cast<long long>(status));
    if (call.failed())
        return call.status();
    return call.finish(errorMessage(call, Library, status, message));
}
