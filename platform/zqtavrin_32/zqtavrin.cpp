// The Tavrin carrier's driver over the simulated bench: slot queries and the carrier's own
// trigger, start and stop.
#include "zqtavrin.h"
#include "simbench/driver.h"

using namespace simbench;

namespace {
const char *const Library = "zqtavrin";

Resource *carrier(Call &call, ViStatus *status)
{
    Session *s = call.session(Library);
    Resource *r = call.resource(s);
    *status = s ? (r ? VI_SUCCESS : VI_ERROR_CONN_LOST) : VI_ERROR_INV_OBJECT;
    return r;
}

// onTarget on the carrier of an open session.
template<typename F>
ViStatus onCarrier(Call &call, F &&body)
{
    return onTarget(
            call, [&](ViStatus *status) { return carrier(call, status); }, body);
}
} // namespace

extern "C" ViStatus zqtavrin_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset,
                                  ViSession *vi)
{
    return initEntry("zqtavrin_init", Library, resource, idQuery, reset, ResourceKind::Carrier, vi,
                     [](Unit &unit) { unit.settings.clear(); });
}

extern "C" ViStatus zqtavrin_close(ViSession vi)
{
    return closeEntry("zqtavrin_close", Library, vi);
}

extern "C" ViStatus zqtavrin_reset(ViSession vi)
{
    Call call("zqtavrin_reset", vi);
    return onCarrier(call, [&](Resource &r) {
        r.units[0].settings.clear();
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqtavrin_self_test(ViSession vi, ViInt16 *result, ViChar message[])
{
    Call call("zqtavrin_self_test", vi);
    return onCarrier(call, [&](Resource &r) {
        if (!result || !message)
            return ZQ_ERROR_PARAMETER;
        ViInt16 code = r.selfTestCode;
        double scripted = 0.0;
        if (call.scripted(&scripted))
            code = static_cast<ViInt16>(scripted);
        *result = code;
        std::string text = r.selfTestMessage;
        if (text.empty())
            text = code == 0 ? "Self test passed" : "Self test failed";
        copyText(text, message);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqtavrin_m_type_q(ViSession vi, ViInt16 slot, ViUInt16 *present, ViInt16 *code)
{
    Call call("zqtavrin_m_type_q", vi);
    call.arg(slot);
    return onCarrier(call, [&](Resource &r) {
        if (slot < 1 || slot > ZQTAVRIN_SLOT_COUNT || !present || !code)
            return ZQ_ERROR_PARAMETER;
        ViInt16 value = r.units[static_cast<size_t>(slot)].code;
        double scripted = 0.0;
        if (call.scripted(&scripted))
            value = static_cast<ViInt16>(static_cast<long>(scripted));
        *present = value != 0 ? 1 : 0;
        *code = value;
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqtavrin_config_trigger(ViSession vi, ViInt16 source, ViInt16 mode,
                                            ViInt16 line)
{
    Call call("zqtavrin_config_trigger", vi);
    call.arg(source).arg(mode).arg(line);
    return onCarrier(call, [&](Resource &r) {
        r.units[0].set("trigger.source", source);
        r.units[0].set("trigger.mode", mode);
        r.units[0].set("trigger.line", line);
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqtavrin_start(ViSession vi)
{
    Call call("zqtavrin_start", vi);
    return onCarrier(call, [&](Resource &r) {
        r.units[0].set("running", "1");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqtavrin_stop(ViSession vi)
{
    Call call("zqtavrin_stop", vi);
    return onCarrier(call, [&](Resource &r) {
        r.units[0].set("running", "0");
        return VI_SUCCESS;
    });
}

extern "C" ViStatus zqtavrin_error_message(ViSession vi, ViStatus status, ViChar message[])
{
    return errorMessageEntry("zqtavrin_error_message", Library, vi, status, message);
}
