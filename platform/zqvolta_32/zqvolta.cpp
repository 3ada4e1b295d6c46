// The KT220 power supply's driver over the simulated bench: one output "1" into a resistive
// load, regulating at the voltage set point until the current limit takes over.
#include "zqvolta.h"
#include "simbench/driver.h"

#include <algorithm>
#include <cstring>

using namespace simbench;

namespace {
const char *const Library = "zqvolta";
constexpr double MaxVoltage = 60.0;
constexpr double MaxCurrent = 10.0;

// The output of an open session, when the channel names it.
Unit *output(Call &call, ViConstString channel, ViStatus *status)
{
    Unit *unit = anySession(call, Library, status);
    if (unit && (!channel || std::strcmp(channel, "1") != 0)) {
        *status = ZQ_ERROR_PARAMETER;
        return nullptr;
    }
    return unit;
}

double outputVoltage(const Unit &unit, double load)
{
    if (!unit.supply.enabled)
        return 0.0;
    return std::min(unit.supply.voltage, unit.supply.current * load);
}

// onTarget on the output that the channel names.
template<typename F>
ViStatus onOutput(Call &call, ViConstString channel, F &&body)
{
    return onTarget(
            call, [&](ViStatus *status) { return output(call, channel, status); }, body);
}

Resource *resourceOf(Call &call)
{
    return call.resource(call.session(Library));
}
} // namespace

extern "C" ViStatus zqvolta_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset,
                                 ViSession *vi)
{
    return initEntry("zqvolta_init", Library, resource, idQuery, reset, ResourceKind::PowerSupply,
                     vi, [](Unit &unit) {
                         unit.supply = PowerSupplyState();
                         unit.settings.clear();
                     });
}

extern "C" ViStatus zqvolta_close(ViSession vi)
{
    return closeEntry("zqvolta_close", Library, vi);
}

extern "C" ViStatus zqvolta_reset(ViSession vi)
{
    Call call("zqvolta_reset", vi);
    if (call.failed())
        return call.status();
    ViStatus status = VI_SUCCESS;
    if (Unit *unit = anySession(call, Library, &status)) {
        unit->supply = PowerSupplyState();
        unit->settings.clear();
    }
    return call.finish(status);
}

extern "C" ViStatus zqvolta_ModeSession(ViSession vi, ViConstString channel, ViInt32 mode)
{
    Call call("zqvolta_ModeSession", vi);
    call.arg(channel).arg(mode);
    return onOutput(call, channel, [&](Unit &unit) {
        unit.set("mode", mode);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqvolta_ConfigureOutputEnabled(ViSession vi, ViConstString channel,
                                                   ViInt32 enabled)
{
    Call call("zqvolta_ConfigureOutputEnabled", vi);
    call.arg(channel).arg(enabled);
    return onOutput(call, channel, [&](Unit &unit) {
        unit.supply.enabled = enabled != 0;
        unit.set("enabled", enabled != 0 ? "1" : "0");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqvolta_ConfigureOutputRange(ViSession vi, ViConstString channel, ViInt32 kind,
                                                 ViReal64 value)
{
    Call call("zqvolta_ConfigureOutputRange", vi);
    call.arg(channel).arg(kind).arg(value);
    return onOutput(call, channel, [&](Unit &unit) {
        if (kind == ZQVOLTA_RANGE_VOLTAGE && value >= 0.0 && value <= MaxVoltage) {
            unit.supply.voltage = value;
            unit.set("voltage", value);
        } else if (kind == ZQVOLTA_RANGE_CURRENT && value >= 0.0 && value <= MaxCurrent) {
            unit.supply.current = value;
            unit.set("current", value);
        } else {
            return ZQ_ERROR_PARAMETER;
        }
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqvolta_GetTelemetry(ViSession vi, ViConstString channel, ViInt32 kind,
                                         ViInt32 average, ViReal64 *value)
{
    Call call("zqvolta_GetTelemetry", vi);
    call.arg(channel).arg(kind).arg(average);
    return onOutput(call, channel, [&](Unit &unit) {
        if (!value || average < 1)
            return ZQ_ERROR_PARAMETER;
        const double load = resourceOf(call)->load;
        const double voltage = outputVoltage(unit, load);
        double result = 0.0;
        if (kind == ZQVOLTA_TELEMETRY_VOLTAGE)
            result = voltage;
        else if (kind == ZQVOLTA_TELEMETRY_CURRENT)
            result = voltage / load;
        else
            return ZQ_ERROR_PARAMETER;
        call.scripted(&result);
        *value = result;
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqvolta_GetState(ViSession vi, ViConstString channel, ViUInt16 *state)
{
    Call call("zqvolta_GetState", vi);
    call.arg(channel);
    return onOutput(call, channel, [&](Unit &unit) {
        if (!state)
            return ZQ_ERROR_PARAMETER;
        ViUInt16 word = 0;
        if (unit.supply.enabled) {
            const double load = resourceOf(call)->load;
            word = unit.supply.voltage > unit.supply.current * load ? ZQVOLTA_STATE_CC
                                                                    : ZQVOLTA_STATE_CV;
        }
        double scripted = 0.0;
        if (call.scripted(&scripted))
            word = static_cast<ViUInt16>(static_cast<long>(scripted));
        *state = word;
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqvolta_error_message(ViSession vi, ViStatus status, ViChar message[])
{
    return errorMessageEntry("zqvolta_error_message", Library, vi, status, message);
}
