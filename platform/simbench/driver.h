#pragma once
// What the six simulated driver libraries have in common: opening a session on a resource,
// connecting a mezzanine session to its carrier slot, closing, and the error-message texts.
#include "simbench/bench.h"

namespace simbench {

// Opens a session of the library on resource; with idQuery the resource must be of the
// required kind. Writes VI_NULL to *vi on failure.
ViStatus initSession(Call &call, const char *library, ViConstRsrc resource, ViBoolean idQuery,
                     ResourceKind required, ViSession *vi);
// Ties a mezzanine session to slot of the carrier session; the slot must hold moduleCode
// (bits 12 to 15 of the slot's code are not part of the model).
ViStatus connectSession(Call &call, const char *library, ViSession carrier, ViInt16 slot,
                        int moduleCode, bool reset);
ViStatus closeSession(Call &call, const char *library);
// Any session, 0 included, may ask for a text.
ViStatus errorMessage(Call &call, const char *library, ViStatus status, ViChar *message);

// The instrument of an open, connected mezzanine session of the library; null with the
// failure in *status otherwise.
Unit *mezzanine(Call &call, const char *library, ViStatus *status);
// The unit of an open session of the library, connected or not.
Unit *anySession(Call &call, const char *library, ViStatus *status);

// Whether a call on session 0 fails like one on any unknown session, or succeeds and does
// nothing (the function generator's demonstration mode makes such calls).
enum class NullSession { Refused, Succeeds };

// The entry points that the libraries have alike. function is the name the call log shows;
// an injected failure is returned before anything else happens.
//
// With reset, resetUnit (when given) starts the unit of the opened resource afresh: the
// carrier's own or the power supply's; a mezzanine is reset by connecting.
ViStatus initEntry(const char *function, const char *library, ViConstRsrc resource,
                   ViBoolean idQuery, ViBoolean reset, ResourceKind required, ViSession *vi,
                   void (*resetUnit)(Unit &unit) = nullptr);
ViStatus connectEntry(const char *function, const char *library, ViSession vi, ViSession carrier,
                      ViInt16 slot, ViInt16 idQuery, ViInt16 reset, int moduleCode,
                      NullSession null = NullSession::Refused);
ViStatus closeEntry(const char *function, const char *library, ViSession vi,
                    NullSession null = NullSession::Refused);
// A mezzanine's reset: the unit of a connected session forgets its settings and, through
// resetState (when given), its model's state, and stays connected.
ViStatus resetMezzanineEntry(const char *function, const char *library, ViSession vi,
                             void (*resetState)(Unit &unit),
                             NullSession null = NullSession::Refused);
ViStatus errorMessageEntry(const char *function, const char *library, ViSession vi, ViStatus status,
                           ViChar *message);

// The rest of most entry points, once the call and its arguments are logged: an injected
// failure at once; else find(&status) looks up what the call acts on (null with the failure in
// status) and body runs on it; the status is finished either way.
template<typename Find, typename F>
ViStatus onTarget(Call &call, Find &&find, F &&body)
{
    if (call.failed())
        return call.status();
    ViStatus status = VI_SUCCESS;
    auto *target = find(&status);
    if (!target)
        return call.finish(status);
    return call.finish(body(*target));
}

// onTarget on the connected unit of a mezzanine library's session.
template<typename F>
ViStatus onMezzanine(Call &call, const char *library, F &&body)
{
    const auto find = [&](ViStatus *status) { return mezzanine(call, library, status); };
    return onTarget(call, find, body);
}

} // namespace simbench
