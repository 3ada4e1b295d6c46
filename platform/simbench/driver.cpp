#include "simbench/driver.h"

namespace simbench {

ViStatus initSession(Call &call, const char *library, ViConstRsrc resource, ViBoolean idQuery,
                     ResourceKind required, ViSession *vi)
{
    if (!vi)
        return ZQ_ERROR_PARAMETER;
    *vi = VI_NULL;
    if (!resource || !*resource)
        return VI_ERROR_INV_RSRC_NAME;
    const int index = call.findResource(resource);
    if (index < 0)
        return VI_ERROR_RSRC_NFOUND;
    if (idQuery && call.resourceAt(static_cast<size_t>(index))->kind != required)
        return ZQ_ERROR_FAIL_ID_QUERY;
    *vi = call.open(library, SessionKind::Driver, index);
    return VI_SUCCESS;
}

ViStatus connectSession(Call &call, const char *library, ViSession carrier, ViInt16 slot,
                        int moduleCode, bool reset)
{
    Session *s = call.session(library);
    if (!s)
        return VI_ERROR_INV_OBJECT;
    Session *c = call.session(carrier, "zqtavrin");
    if (!c)
        return VI_ERROR_INV_OBJECT;
    if (c->resource != s->resource)
        return ZQ_ERROR_NOT_CONNECTED;
    if (slot < 1 || slot > 8)
        return ZQ_ERROR_PARAMETER;
    Resource *r = call.resource(s);
    Unit &unit = r->units[static_cast<size_t>(slot)];
    if ((unit.code & ~0xF000) != moduleCode)
        return ZQ_ERROR_NO_MODULE;
    s->slot = slot;
    s->parent = carrier;
    if (reset) {
        unit.scope = ScopeState();
        unit.multimeter = MultimeterState();
        unit.settings.clear();
    }
    unit.set("connected", "1");
    return VI_SUCCESS;
}

ViStatus closeSession(Call &call, const char *library)
{
    Session *s = call.session(library);
    if (!s)
        return VI_ERROR_INV_OBJECT;
    call.close(s->id);
    return VI_SUCCESS;
}

ViStatus errorMessage(Call &call, const char *library, ViStatus status, ViChar *message)
{
    if (!message)
        return ZQ_ERROR_PARAMETER;
    copyText(call.errorText(library, status), message);
    return VI_SUCCESS;
}

Unit *anySession(Call &call, const char *library, ViStatus *status)
{
    Session *s = call.session(library);
    if (!s) {
        *status = VI_ERROR_INV_OBJECT;
        return nullptr;
    }
    Resource *r = call.resource(s);
    if (!r) {
        *status = VI_ERROR_CONN_LOST;
        return nullptr;
    }
    *status = VI_SUCCESS;
    return &r->units[static_cast<size_t>(s->slot)];
}

Unit *mezzanine(Call &call, const char *library, ViStatus *status)
{
    Session *s = call.session(library);
    if (!s) {
        *status = VI_ERROR_INV_OBJECT;
        return nullptr;
    }
    // The mezzanine is reached through its carrier: with the carrier's session gone, so is
    // the way to the module.
    if (s->slot == 0 || !call.session(s->parent, "zqtavrin")) {
        *status = ZQ_ERROR_NOT_CONNECTED;
        return nullptr;
    }
    return anySession(call, library, status);
}

ViStatus initEntry(const char *function, const char *library, ViConstRsrc resource,
                   ViBoolean idQuery, ViBoolean reset, ResourceKind required, ViSession *vi,
                   void (*resetUnit)(Unit &unit))
{
    Call call(function, 0);
    call.arg(resource).arg(idQuery).arg(reset);
    if (call.failed())
        return call.status();
    const ViStatus status = initSession(call, library, resource, idQuery, required, vi);
    if (status == VI_SUCCESS && reset && resetUnit)
        resetUnit(call.resource(call.session(*vi, library))->units[0]);
    return call.finish(status);
}

ViStatus connectEntry(const char *function, const char *library, ViSession vi, ViSession carrier,
                      ViInt16 slot, ViInt16 idQuery, ViInt16 reset, int moduleCode,
                      NullSession null)
{
    Call call(function, vi);
    call.arg(static_cast<long long>(carrier)).arg(slot).arg(idQuery).arg(reset);
    if (call.failed())
        return call.status();
    if (vi == VI_NULL && null == NullSession::Succeeds)
        return call.finish(VI_SUCCESS);
    return call.finish(connectSession(call, library, carrier, slot, moduleCode, reset != 0));
}

ViStatus closeEntry(const char *function, const char *library, ViSession vi, NullSession null)
{
    Call call(function, vi);
    if (call.failed())
        return call.status();
    if (vi == VI_NULL && null == NullSession::Succeeds)
        return call.finish(VI_SUCCESS);
    return call.finish(closeSession(call, library));
}

ViStatus resetMezzanineEntry(const char *function, const char *library, ViSession vi,
                             void (*resetState)(Unit &unit), NullSession null)
{
    Call call(function, vi);
    if (call.failed())
        return call.status();
    if (vi == VI_NULL && null == NullSession::Succeeds)
        return call.finish(VI_SUCCESS);
    ViStatus status = VI_SUCCESS;
    Unit *unit = anySession(call, library, &status);
    if (unit && call.session(library)->slot != 0) {
        if (resetState)
            resetState(*unit);
        unit->settings.clear();
        unit->set("connected", "1");
    }
    return call.finish(status);
}

ViStatus errorMessageEntry(const char *function, const char *library, ViSession vi, ViStatus status,
                           ViChar *message)
{
    Call call(function, vi);
    call.arg(static_cast<long long>(status));
    if (call.failed())
        return call.status();
    return call.finish(errorMessage(call, library, status, message));
}

} // namespace simbench
