#pragma once

#include <QMetaType>
#include <QString>

#include <cstdint>

// Value types that carry a two-channel generator's settings between its view and its resource.
// Every ranged value travels with its own limits, so the view sets up its controls from what the
// resource reports rather than from constants of its own. The enums are scoped because their
// value names (Sine, Trigger, Stopped...) are ones the other instruments use too.

enum class FunctionGeneratorStandardFunction : std::int32_t {
    Level = 0,
    Sine = 1,
    Square = 2,
    Rectangular = 3,
    Triangular = 4,
    PositiveRamp = 5,
    NegativeRamp = 6,
    PRBS = 7,
    RampUp = 8,
    Pulse = 9,
    HaverSine = 10,
    UniformNoise = 11,
    GaussianNoise = 12
};

enum class FunctionGeneratorMode : std::int32_t { StandardFunctions = 0, ArbitraryWaveform = 1 };

// Stopped is never a start request: it is only what a stopped generator reports as its state.
enum class FunctionGeneratorStartType : std::int32_t {
    Immediate = 0,
    Delayed = 1,
    Trigger = 2,
    Stopped = 3
};

enum class FunctionGeneratorModulationType : std::int32_t {
    Off = 0,
    LinearFrequency = 1,
    Amplitude = 2,
    Frequency = 3,
    Phase = 4,
    FrequencyShiftKeying = 5
};

struct FunctionGeneratorValueLimits
{
    double min = 0.0;
    double max = 0.0;
    unsigned int decimals = 0;
    double step = 0.0;
};

struct FunctionGeneratorOutputOptions
{
    unsigned int sampling_frequency = 1200; // MHz, common to all channels
    double impedance = 50.0;
    unsigned int range = 10;
    double offset = 0.0;
    FunctionGeneratorValueLimits impedance_limits;
    FunctionGeneratorValueLimits offset_limits;
};

struct FunctionGeneratorSineOptions
{
    double double_amplitude = 0.0;
    double frequency = 0.0;
    double phase = 0.0;
    FunctionGeneratorValueLimits double_amplitude_limits;
    FunctionGeneratorValueLimits frequency_limits;
    FunctionGeneratorValueLimits phase_limits;
};

struct FunctionGeneratorSquareOptions
{
    double double_amplitude = 0.0;
    double frequency = 0.0;
    FunctionGeneratorValueLimits double_amplitude_limits;
    FunctionGeneratorValueLimits frequency_limits;
};

struct FunctionGeneratorRectangularOptions
{
    double double_amplitude = 0.0;
    double frequency = 0.0;
    double duty_cycle = 0.0;
    FunctionGeneratorValueLimits double_amplitude_limits;
    FunctionGeneratorValueLimits frequency_limits;
    FunctionGeneratorValueLimits duty_cycle_limits;
};

struct FunctionGeneratorTriangularOptions
{
    double double_amplitude = 0.0;
    double frequency = 0.0;
    double symmetry = 0.0;
    FunctionGeneratorValueLimits double_amplitude_limits;
    FunctionGeneratorValueLimits frequency_limits;
    FunctionGeneratorValueLimits symmetry_limits;
};

using FunctionGeneratorRampOptions = FunctionGeneratorSquareOptions;

struct FunctionGeneratorStartardFunctionOptions
{
    FunctionGeneratorSineOptions sineOptions;
    FunctionGeneratorSquareOptions squareOptions;
    FunctionGeneratorRectangularOptions rectangularOptions;
    FunctionGeneratorTriangularOptions triangluarOptions;
    FunctionGeneratorRampOptions positiveRampOptions;
    FunctionGeneratorRampOptions negativeRampOptions;
};

struct FunctionGeneratorModulationOptions
{
    FunctionGeneratorModulationType type = FunctionGeneratorModulationType::Off;
    double frequency = 0.0;
    double modulation_index = 0.0;
    double frequency_deviation = 0.0;
    double phase_deviation = 0.0;
    FunctionGeneratorValueLimits frequency_limits;
    FunctionGeneratorValueLimits modulation_index_limits;
    FunctionGeneratorValueLimits frequency_deviation_limits;
    FunctionGeneratorValueLimits phase_deviation_limits;
};

struct FunctionGeneratorAWGOptions
{
    QString file;
    unsigned int channel = 0;
};

struct FunctionGeneratorTriggerOptions
{
    int type = 0; // 0 falling edge, 1 rising edge
    double delay = 0.0;
    FunctionGeneratorValueLimits delay_limits;
};

struct FunctionGeneratorChannelOptions
{
    FunctionGeneratorStandardFunction standardFunction = FunctionGeneratorStandardFunction::Sine;
    FunctionGeneratorOutputOptions outputOptions;
    FunctionGeneratorStartardFunctionOptions standardFunctionOptions;
    FunctionGeneratorModulationOptions modulationOptions;
    FunctionGeneratorAWGOptions awgOptions;
    bool enable = false;
};

Q_DECLARE_METATYPE(FunctionGeneratorStandardFunction)
Q_DECLARE_METATYPE(FunctionGeneratorMode)
Q_DECLARE_METATYPE(FunctionGeneratorStartType)
