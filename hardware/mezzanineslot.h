#pragma once

#include "hardware/drivercall.h"

class ModuleInterface;

// The first steps of a mezzanine's initialization: asks the carrier (through the module's
// main handle) whether the module's own model sits in its slot. Returns 0 when it does;
// otherwise the carrier driver's negative status (after the error path) or -1 with the
// module's error text saying what was found, and nothing else reported.
int checkMezzanineSlot(ModuleInterface *module, qint16 moduleCode, const DriverCallSite &site);
