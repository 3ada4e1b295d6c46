#pragma once

#include <QMetaType>

// The kind of a module. The numbers are stored and exchanged (search results, resource
// dependences), so they must never be renumbered.
enum ModuleTypes : int {
    ModuleTypeNone = 0,
    ModuleTypeRV31 = 1,   // digital multimeter, mezzanine
    ModuleTypeHX9 = 2,    // oscilloscope, mezzanine
    ModuleTypeKW7 = 3,    // two-channel function generator, mezzanine
    ModuleTypeTavrin = 4, // carrier with eight mezzanine slots
    ModuleTypeKT220 = 5,  // stand-alone power supply
    ModuleTypeHX2 = 6,    // oscilloscope, mezzanine
};

Q_DECLARE_METATYPE(ModuleTypes)
