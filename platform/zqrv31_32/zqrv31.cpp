// The RV31 multimeter's driver over the simulated bench: once started it has one packet of
// readings ready per query, a steady value per function with a small ripple, and reports
// over-range when a fixed range is exceeded.
#include "zqrv31.h"
#include "simbench/driver.h"

#include <algorithm>
#include <cmath>

using namespace simbench;

namespace {
const char *const Library = "zqrv31";
constexpr int FunctionCount = 8;
constexpr double OverloadReading = 9.9e37;

// What the simulated probes see, per function: frequency (Hz), period (s), 4-wire and 2-wire
// resistance (ohm), AC and DC voltage (V), AC and DC current (A).
constexpr double FunctionReadings[FunctionCount] = {1000.0, 0.001, 1000.0, 1000.2,
                                                    0.7071, 1.0,   0.1,    0.05};
// Frequency and period are ranged by the input signal's amplitude (volts).
constexpr double SignalAmplitude = 1.0;

template<typename F>
ViStatus onModule(const char *function, ViSession vi, F &&body)
{
    Call call(function, vi);
    return onMezzanine(call, Library, body);
}
} // namespace

extern "C" ViStatus zqrv31_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset,
                                ViSession *vi)
{
    return initEntry("zqrv31_init", Library, resource, idQuery, reset, ResourceKind::Carrier, vi);
}

extern "C" ViStatus zqrv31_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                                   ViInt16 reset)
{
    return connectEntry("zqrv31_connect", Library, vi, carrier, slot, idQuery, reset,
                        ZQRV31_MODULE_CODE);
}

extern "C" ViStatus zqrv31_close(ViSession vi)
{
    return closeEntry("zqrv31_close", Library, vi);
}

extern "C" ViStatus zqrv31_reset(ViSession vi)
{
    return resetMezzanineEntry("zqrv31_reset", Library, vi,
                               [](Unit &unit) { unit.multimeter = MultimeterState(); });
}

extern "C" ViStatus zqrv31_confInstr(ViSession vi)
{
    return onModule("zqrv31_confInstr", vi, [](Unit &unit) {
        unit.set("configured", "1");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_initImm(ViSession vi)
{
    return onModule("zqrv31_initImm", vi, [](Unit &unit) {
        unit.multimeter.running = true;
        unit.set("running", "1");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_abor(ViSession vi)
{
    return onModule("zqrv31_abor", vi, [](Unit &unit) {
        unit.multimeter.running = false;
        unit.set("running", "0");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_calZeroAuto(ViSession vi, ViInt16 mode)
{
    Call call("zqrv31_calZeroAuto", vi);
    call.arg(mode);
    return onMezzanine(call, Library, [&](Unit &unit) {
        unit.set("autozero.mode", mode);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_calZeroAutoExe(ViSession vi)
{
    return onModule("zqrv31_calZeroAutoExe", vi, [](Unit &unit) {
        unit.set("autozero.done", "1");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_conf_func(ViSession vi, ViInt16 function, ViUInt8 autoRange,
                                     ViReal64 range, ViReal64 time, ViInt16 filter,
                                     ViUInt8 impedance)
{
    Call call("zqrv31_conf_func", vi);
    call.arg(function).arg(autoRange).arg(range).arg(time).arg(filter).arg(impedance);
    return onMezzanine(call, Library, [&](Unit &unit) {
        if (function < 0 || function >= FunctionCount || time < 0.0
            || (!autoRange && !(range > 0.0)))
            return ZQ_ERROR_PARAMETER;
        unit.multimeter.function = function;
        unit.multimeter.autoRange = autoRange != 0;
        unit.multimeter.range = range;
        unit.set("function", function);
        unit.set("autorange", autoRange != 0 ? "1" : "0");
        unit.set("range", range);
        unit.set("time", time);
        unit.set("filter", filter);
        unit.set("impedance", impedance);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_systLfr(ViSession vi, ViInt16 lineFrequency)
{
    Call call("zqrv31_systLfr", vi);
    call.arg(lineFrequency);
    return onMezzanine(call, Library, [&](Unit &unit) {
        unit.set("line_frequency", lineFrequency);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_sampCoun(ViSession vi, ViUInt16 count)
{
    Call call("zqrv31_sampCoun", vi);
    call.arg(count);
    return onMezzanine(call, Library, [&](Unit &unit) {
        if (count == 0)
            return ZQ_ERROR_PARAMETER;
        unit.multimeter.sampleCount = count;
        unit.set("sample_count", count);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_mode_readData(ViSession vi, ViInt16 mode, ViInt32 count)
{
    Call call("zqrv31_mode_readData", vi);
    call.arg(mode).arg(count);
    return onMezzanine(call, Library, [&](Unit &unit) {
        if (count < 0)
            return ZQ_ERROR_PARAMETER;
        unit.multimeter.packetCount = count;
        unit.set("read_mode", mode);
        unit.set("packet_count", count);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_trigger(ViSession vi, ViUInt16 count, ViUInt8 firstFlag, ViReal64 time,
                                   ViUInt8 option, ViUInt8 secondFlag)
{
    Call call("zqrv31_trigger", vi);
    call.arg(count).arg(firstFlag).arg(time).arg(option).arg(secondFlag);
    return onMezzanine(call, Library, [&](Unit &unit) {
        unit.set("trigger.count", count);
        unit.set("trigger.first", firstFlag);
        unit.set("trigger.time", time);
        unit.set("trigger.option", option);
        unit.set("trigger.second", secondFlag);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_numReadyData(ViSession vi, ViInt32 *count)
{
    Call call("zqrv31_numReadyData", vi);
    return onMezzanine(call, Library, [&](Unit &unit) {
        if (!count)
            return ZQ_ERROR_PARAMETER;
        const MultimeterState &m = unit.multimeter;
        double ready = 0.0;
        if (m.running)
            ready = m.packetCount > 0 ? m.packetCount : m.sampleCount;
        call.scripted(&ready);
        *count = static_cast<ViInt32>(ready);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_read_packet(ViSession vi, ViInt32 count, ViReal64 *readings,
                                       ViInt32 *got)
{
    Call call("zqrv31_read_packet", vi);
    call.arg(count).argBuffer(count);
    return onMezzanine(call, Library, [&](Unit &unit) {
        if (!got || count < 0 || (count > 0 && !readings))
            return ZQ_ERROR_PARAMETER;
        MultimeterState &m = unit.multimeter;
        double delivered = m.running ? count : 0;
        if (call.scripted(&delivered))
            delivered = std::max(0.0, std::min(delivered, static_cast<double>(count)));
        const ViInt32 n = static_cast<ViInt32>(delivered);
        const double value = FunctionReadings[m.function] * unit.readingScale;
        const double ranged = m.function <= 1 ? SignalAmplitude * unit.readingScale : value;
        const bool over = !m.autoRange && std::fabs(ranged) > m.range;
        for (ViInt32 i = 0; i < n; ++i) {
            const double ripple = 1e-4 * std::sin(0.1 * static_cast<double>(m.readingIndex++));
            readings[i] = over ? OverloadReading : value * (1.0 + ripple);
        }
        *got = n;
        if (over && n > 0)
            return ZQRV31_WARN_OVER_RANGE_FIRST + m.function;
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqrv31_error_message(ViSession vi, ViStatus status, ViChar message[])
{
    return errorMessageEntry("zqrv31_error_message", Library, vi, status, message);
}
