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

// The output sample rates in MHz the generator runs at.
constexpr unsigned int functionGeneratorSampleRatesMHz[] = {75, 150, 300, 600, 1200};

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

// Field by field, doubles exactly: records are copied, never computed, between view and resource;
// limits are part of a record, so a record with other limits is another record.
inline bool operator==(const FunctionGeneratorValueLimits &a, const FunctionGeneratorValueLimits &b)
{
    return a.min == b.min && a.max == b.max && a.decimals == b.decimals && a.step == b.step;
}
inline bool operator!=(const FunctionGeneratorValueLimits &a, const FunctionGeneratorValueLimits &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorOutputOptions &a,
                       const FunctionGeneratorOutputOptions &b)
{
    return a.sampling_frequency == b.sampling_frequency && a.impedance == b.impedance
            && a.range == b.range && a.offset == b.offset
            && a.impedance_limits == b.impedance_limits && a.offset_limits == b.offset_limits;
}
inline bool operator!=(const FunctionGeneratorOutputOptions &a,
                       const FunctionGeneratorOutputOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorSineOptions &a, const FunctionGeneratorSineOptions &b)
{
    return a.double_amplitude == b.double_amplitude && a.frequency == b.frequency
            && a.phase == b.phase && a.double_amplitude_limits == b.double_amplitude_limits
            && a.frequency_limits == b.frequency_limits && a.phase_limits == b.phase_limits;
}
inline bool operator!=(const FunctionGeneratorSineOptions &a, const FunctionGeneratorSineOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorSquareOptions &a,
                       const FunctionGeneratorSquareOptions &b)
{
    return a.double_amplitude == b.double_amplitude && a.frequency == b.frequency
            && a.double_amplitude_limits == b.double_amplitude_limits
            && a.frequency_limits == b.frequency_limits;
}
inline bool operator!=(const FunctionGeneratorSquareOptions &a,
                       const FunctionGeneratorSquareOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorRectangularOptions &a,
                       const FunctionGeneratorRectangularOptions &b)
{
    return a.double_amplitude == b.double_amplitude && a.frequency == b.frequency
            && a.duty_cycle == b.duty_cycle
            && a.double_amplitude_limits == b.double_amplitude_limits
            && a.frequency_limits == b.frequency_limits
            && a.duty_cycle_limits == b.duty_cycle_limits;
}
inline bool operator!=(const FunctionGeneratorRectangularOptions &a,
                       const FunctionGeneratorRectangularOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorTriangularOptions &a,
                       const FunctionGeneratorTriangularOptions &b)
{
    return a.double_amplitude == b.double_amplitude && a.frequency == b.frequency
            && a.symmetry == b.symmetry && a.double_amplitude_limits == b.double_amplitude_limits
            && a.frequency_limits == b.frequency_limits && a.symmetry_limits == b.symmetry_limits;
}
inline bool operator!=(const FunctionGeneratorTriangularOptions &a,
                       const FunctionGeneratorTriangularOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorStartardFunctionOptions &a,
                       const FunctionGeneratorStartardFunctionOptions &b)
{
    return a.sineOptions == b.sineOptions && a.squareOptions == b.squareOptions
            && a.rectangularOptions == b.rectangularOptions
            && a.triangluarOptions == b.triangluarOptions
            && a.positiveRampOptions == b.positiveRampOptions
            && a.negativeRampOptions == b.negativeRampOptions;
}
inline bool operator!=(const FunctionGeneratorStartardFunctionOptions &a,
                       const FunctionGeneratorStartardFunctionOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorModulationOptions &a,
                       const FunctionGeneratorModulationOptions &b)
{
    return a.type == b.type && a.frequency == b.frequency
            && a.modulation_index == b.modulation_index
            && a.frequency_deviation == b.frequency_deviation
            && a.phase_deviation == b.phase_deviation && a.frequency_limits == b.frequency_limits
            && a.modulation_index_limits == b.modulation_index_limits
            && a.frequency_deviation_limits == b.frequency_deviation_limits
            && a.phase_deviation_limits == b.phase_deviation_limits;
}
inline bool operator!=(const FunctionGeneratorModulationOptions &a,
                       const FunctionGeneratorModulationOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorAWGOptions &a, const FunctionGeneratorAWGOptions &b)
{
    return a.file == b.file && a.channel == b.channel;
}
inline bool operator!=(const FunctionGeneratorAWGOptions &a, const FunctionGeneratorAWGOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorTriggerOptions &a,
                       const FunctionGeneratorTriggerOptions &b)
{
    return a.type == b.type && a.delay == b.delay && a.delay_limits == b.delay_limits;
}
inline bool operator!=(const FunctionGeneratorTriggerOptions &a,
                       const FunctionGeneratorTriggerOptions &b)
{
    return !(a == b);
}
inline bool operator==(const FunctionGeneratorChannelOptions &a,
                       const FunctionGeneratorChannelOptions &b)
{
    return a.standardFunction == b.standardFunction && a.outputOptions == b.outputOptions
            && a.standardFunctionOptions == b.standardFunctionOptions
            && a.modulationOptions == b.modulationOptions && a.awgOptions == b.awgOptions
            && a.enable == b.enable;
}
inline bool operator!=(const FunctionGeneratorChannelOptions &a,
                       const FunctionGeneratorChannelOptions &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(FunctionGeneratorStartType)
Q_DECLARE_METATYPE(FunctionGeneratorModulationType)
Q_DECLARE_METATYPE(FunctionGeneratorOutputOptions)
Q_DECLARE_METATYPE(FunctionGeneratorStartardFunctionOptions)
Q_DECLARE_METATYPE(FunctionGeneratorModulationOptions)
Q_DECLARE_METATYPE(FunctionGeneratorAWGOptions)
Q_DECLARE_METATYPE(FunctionGeneratorTriggerOptions)
Q_DECLARE_METATYPE(FunctionGeneratorChannelOptions)
