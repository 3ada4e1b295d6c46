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

} // namespace simbench
