#pragma once

#include <QMetaType>

#include <cstdint>

// Regulation state of a power-supply channel, decoded from the instrument's state word.
enum PowerSupplyModeType : std::int32_t {
    PowerSupplyConstantCurrent = 0, // state bit 1
    PowerSupplyConstantVoltage = 1, // state bit 2
    PowerSupplyOverRegulation = 2,  // state bit 4, shown as OVR
    PowerSupplyNoMode = 3,          // none of these, or the state could not be read
};

// Set points of one power-supply channel and the bounds the view offers for them. The
// defaults are those a power-supply resource starts with.
struct PowerSupplyOutputOptions
{
    double voltage = 0.1;  // V
    double current = 0.0;  // A, current limit
    bool enabled = false;  // output switched on

    double voltageMinimum = 0.0;
    double voltageMaximum = 40.0;
    int voltageExtraInteger = 2;    // carried for the view
    double voltageExtraValue = 0.1; // carried for the view

    double currentMinimum = 0.0;
    double currentMaximum = 10.0;
    int currentExtraInteger = 2;    // carried for the view
    double currentExtraValue = 0.1; // carried for the view
};

Q_DECLARE_METATYPE(PowerSupplyModeType)
Q_DECLARE_METATYPE(PowerSupplyOutputOptions)
