#pragma once

#include "resources/powersupplyoutputoptions.h"

// The options a channel of the panel or the miniature holds before the resource's arrive:
// every field zero, unlike the defaults a resource starts with.
inline PowerSupplyOutputOptions emptyOutputOptions()
{
    PowerSupplyOutputOptions options;
    options.voltage = 0.0;
    options.current = 0.0;
    options.enabled = false;
    options.voltageMinimum = 0.0;
    options.voltageMaximum = 0.0;
    options.voltageExtraInteger = 0;
    options.voltageExtraValue = 0.0;
    options.currentMinimum = 0.0;
    options.currentMaximum = 0.0;
    options.currentExtraInteger = 0;
    options.currentExtraValue = 0.0;
    return options;
}
