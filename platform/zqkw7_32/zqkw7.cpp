// The KW7 function generator's driver over the simulated bench: it records what it is told,
// per channel, and whether its output runs. Calls on session 0 succeed and do nothing: the
// generator resource makes them in demonstration mode.
#include "zqkw7.h"
#include "simbench/driver.h"

#include <string>

using namespace simbench;

namespace {
const char *const Library = "zqkw7";
constexpr int ChannelCount = 2;

std::string channelKey(ViUInt16 channel, const char *name)
{
    return "ch" + std::to_string(channel) + "." + name;
}

template<typename F>
ViStatus onModule(Call &call, ViSession vi, F &&body)
{
    if (vi == VI_NULL && !call.failed())
        return call.finish(VI_SUCCESS);
    return onMezzanine(call, Library, body);
}
} // namespace

extern "C" ViStatus zqkw7_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset,
                               ViSession *vi)
{
    return initEntry("zqkw7_init", Library, resource, idQuery, reset, ResourceKind::Carrier, vi);
}

extern "C" ViStatus zqkw7_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                                  ViInt16 reset)
{
    return connectEntry("zqkw7_connect", Library, vi, carrier, slot, idQuery, reset,
                        ZQKW7_MODULE_CODE, NullSession::Succeeds);
}

extern "C" ViStatus zqkw7_close(ViSession vi)
{
    return closeEntry("zqkw7_close", Library, vi, NullSession::Succeeds);
}

extern "C" ViStatus zqkw7_reset(ViSession vi)
{
    return resetMezzanineEntry("zqkw7_reset", Library, vi, nullptr, NullSession::Succeeds);
}

extern "C" ViStatus zqkw7_start(ViSession vi)
{
    Call call("zqkw7_start", vi);
    return onModule(call, vi, [](Unit &unit) {
        unit.set("running", "1");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_stop(ViSession vi)
{
    Call call("zqkw7_stop", vi);
    return onModule(call, vi, [](Unit &unit) {
        unit.set("running", "0");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_prog_start(ViSession vi)
{
    Call call("zqkw7_prog_start", vi);
    return onModule(call, vi, [](Unit &unit) {
        const auto it = unit.settings.find("forced_triggers");
        const int count = it == unit.settings.end() ? 0 : std::stoi(it->second);
        unit.set("forced_triggers", count + 1);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_sample_freq(ViSession vi, ViInt16 rateCode, ViInt16 speedCode)
{
    Call call("zqkw7_config_sample_freq", vi);
    call.arg(rateCode).arg(speedCode);
    return onModule(call, vi, [&](Unit &unit) {
        if (rateCode < 0 || rateCode > 4 || speedCode < 0 || speedCode > 2)
            return ZQ_ERROR_PARAMETER;
        unit.set("sample_rate_code", rateCode);
        unit.set("data_speed_code", speedCode);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_source_freq(ViSession vi, ViInt16 source, ViInt16 divider)
{
    Call call("zqkw7_config_source_freq", vi);
    call.arg(source).arg(divider);
    return onModule(call, vi, [&](Unit &unit) {
        unit.set("clock_source", source);
        unit.set("clock_divider", divider);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_start(ViSession vi, ViInt16 startCode, ViBoolean risingEdge,
                                       ViReal64 delay)
{
    Call call("zqkw7_config_start", vi);
    call.arg(startCode).arg(risingEdge).arg(delay);
    return onModule(call, vi, [&](Unit &unit) {
        if (startCode < 0 || startCode > 2 || delay < 0.0)
            return ZQ_ERROR_PARAMETER;
        unit.set("start_code", startCode);
        unit.set("rising_edge", risingEdge != 0 ? "1" : "0");
        unit.set("delay", delay);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_mode(ViSession vi, ViInt16 mode)
{
    Call call("zqkw7_config_mode", vi);
    call.arg(mode);
    return onModule(call, vi, [&](Unit &unit) {
        if (mode != 0 && mode != 1)
            return ZQ_ERROR_PARAMETER;
        unit.set("mode", mode);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_chan(ViSession vi, ViInt16 group, ViUInt16 channel,
                                      ViBoolean outputOn, ViBoolean range10V, ViReal64 impedance,
                                      ViReal64 offset)
{
    Call call("zqkw7_config_chan", vi);
    call.arg(group).arg(channel).arg(outputOn).arg(range10V).arg(impedance).arg(offset);
    return onModule(call, vi, [&](Unit &unit) {
        if (channel >= ChannelCount || !(impedance > 0.0))
            return ZQ_ERROR_PARAMETER;
        unit.set(channelKey(channel, "output"), outputOn != 0 ? "1" : "0");
        unit.set(channelKey(channel, "range10"), range10V != 0 ? "1" : "0");
        unit.set(channelKey(channel, "impedance"), impedance);
        unit.set(channelKey(channel, "offset"), offset);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_afg(ViSession vi, ViUInt16 channel, ViReal64 amplitude,
                                     ViReal64 frequency, ViReal64 phase)
{
    Call call("zqkw7_config_afg", vi);
    call.arg(channel).arg(amplitude).arg(frequency).arg(phase);
    return onModule(call, vi, [&](Unit &unit) {
        if (channel >= ChannelCount || amplitude < 0.0 || !(frequency > 0.0))
            return ZQ_ERROR_PARAMETER;
        unit.set(channelKey(channel, "amplitude"), amplitude);
        unit.set(channelKey(channel, "frequency"), frequency);
        unit.set(channelKey(channel, "phase"), phase);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_afg_gen(ViSession vi, ViUInt16 channel, ViInt16 kind)
{
    Call call("zqkw7_config_afg_gen", vi);
    call.arg(channel).arg(kind);
    return onModule(call, vi, [&](Unit &unit) {
        if (channel >= ChannelCount || (kind != 0 && kind != 1))
            return ZQ_ERROR_PARAMETER;
        unit.set(channelKey(channel, "generator"), kind);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_afg_signal(ViSession vi, ViUInt16 channel, ViInt16 kind,
                                            ViReal64 a, ViReal64 b, ViReal64 c)
{
    Call call("zqkw7_config_afg_signal", vi);
    call.arg(channel).arg(kind).arg(a).arg(b).arg(c);
    return onModule(call, vi, [&](Unit &unit) {
        if (channel >= ChannelCount)
            return ZQ_ERROR_PARAMETER;
        unit.set(channelKey(channel, "signal"), kind);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_afg_setData(ViSession vi, ViUInt16 channel, const ViReal64 *table,
                                      ViUInt16 count, ViReal64 samplePeriod)
{
    Call call("zqkw7_afg_setData", vi);
    call.arg(channel).argBuffer(count).arg(count).arg(samplePeriod);
    call.data(table, count);
    return onModule(call, vi, [&](Unit &unit) {
        if (channel >= ChannelCount || count == 0 || !table || samplePeriod < 0.0)
            return ZQ_ERROR_PARAMETER;
        unit.set(channelKey(channel, "table_count"), count);
        unit.set(channelKey(channel, "sample_period"), samplePeriod);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_afg_modul(ViSession vi, ViUInt16 channel, ViInt16 modulation,
                                           ViReal64 frequency, ViReal64 index,
                                           ViReal64 frequencyDeviation, ViReal64 phaseDeviation)
{
    Call call("zqkw7_config_afg_modul", vi);
    call.arg(channel).arg(modulation).arg(frequency).arg(index).arg(frequencyDeviation);
    call.arg(phaseDeviation);
    return onModule(call, vi, [&](Unit &unit) {
        if (channel >= ChannelCount || modulation < 0 || modulation > 5)
            return ZQ_ERROR_PARAMETER;
        unit.set(channelKey(channel, "modulation"), modulation);
        unit.set(channelKey(channel, "modulation_frequency"), frequency);
        unit.set(channelKey(channel, "modulation_index"), index);
        unit.set(channelKey(channel, "frequency_deviation"), frequencyDeviation);
        unit.set(channelKey(channel, "phase_deviation"), phaseDeviation);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_config_awg(ViSession vi, ViInt16 a, ViInt16 b, ViInt16 c, ViInt16 d,
                                     ViUInt32 length)
{
    Call call("zqkw7_config_awg", vi);
    call.arg(a).arg(b).arg(c).arg(d).arg(length);
    return onModule(call, vi, [&](Unit &unit) {
        unit.set("awg.length", length);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_writeAWG(ViSession vi, ViInt16 offset, ViUInt32 total,
                                   const ViReal64 *buffer)
{
    Call call("zqkw7_writeAWG", vi);
    call.arg(offset).arg(total).argBuffer(total);
    call.data(buffer, total);
    return onModule(call, vi, [&](Unit &unit) {
        if (total > 0 && !buffer)
            return ZQ_ERROR_PARAMETER;
        unit.set("awg.written", total);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqkw7_error_message(ViSession vi, ViStatus status, ViChar message[])
{
    return errorMessageEntry("zqkw7_error_message", Library, vi, status, message);
}
