#pragma once

#include "hardware/moduletypes.h"

class ModuleInterface;

// Makes the module object of a found module. Carriers are made by Hardware, not here.
class ModuleFactory
{
public:
    // A new object without parent for the multimeter, both oscilloscopes, the generator and
    // the power supply; null for none, the carrier and unknown values. The caller owns it
    // until the module collection takes it.
    static ModuleInterface *create(const ModuleTypes &type);
};
