#include "views/functiongenerator/functiongeneratorpanelrules.h"

#include <cmath>

namespace {

template<typename Block>
FunctionGeneratorCommonValues commonValuesOf(const Block &block)
{
    return {{block.double_amplitude, block.double_amplitude_limits},
            {block.frequency, block.frequency_limits}};
}

} // namespace

FunctionGeneratorCommonValues
functionGeneratorCommonValues(const FunctionGeneratorStartardFunctionOptions &options,
                              int checkedFunctionId)
{
    switch (FunctionGeneratorStandardFunction(checkedFunctionId)) {
    case FunctionGeneratorStandardFunction::Square:
        return commonValuesOf(options.squareOptions);
    case FunctionGeneratorStandardFunction::Rectangular:
        return commonValuesOf(options.rectangularOptions);
    case FunctionGeneratorStandardFunction::Triangular:
        return commonValuesOf(options.triangluarOptions);
    case FunctionGeneratorStandardFunction::PositiveRamp:
        return commonValuesOf(options.positiveRampOptions);
    case FunctionGeneratorStandardFunction::NegativeRamp:
        return commonValuesOf(options.negativeRampOptions);
    default:
        return commonValuesOf(options.sineOptions);
    }
}

double functionGeneratorClamp(const FunctionGeneratorValueLimits &limits, double value)
{
    if (value > limits.max)
        return limits.max;
    if (!(value > limits.min))
        return limits.min;
    return value;
}

int functionGeneratorModulationPage(int modulationId)
{
    switch (FunctionGeneratorModulationType(modulationId)) {
    case FunctionGeneratorModulationType::LinearFrequency:
    case FunctionGeneratorModulationType::Frequency:
    case FunctionGeneratorModulationType::FrequencyShiftKeying:
        return 0; // frequency deviation
    case FunctionGeneratorModulationType::Amplitude:
        return 2; // modulation index
    case FunctionGeneratorModulationType::Phase:
        return 1; // phase deviation
    default:
        return -1;
    }
}

bool functionGeneratorModulationShown(int checkedFunctionId, FunctionGeneratorMode mode)
{
    return checkedFunctionId == int(FunctionGeneratorStandardFunction::Sine)
            && mode == FunctionGeneratorMode::StandardFunctions;
}

int functionGeneratorTriggerIndex(int triggerType)
{
    return triggerType == 1 ? 0 : 1;
}

int functionGeneratorTriggerType(int triggerIndex)
{
    switch (triggerIndex) {
    case 0:
        return 1;
    case 1:
        return 0;
    default:
        return -1; // the list is being refilled
    }
}

double functionGeneratorHandleTarget(double present, double target)
{
    return std::abs(present - target) > 0.01 ? target : present;
}

double functionGeneratorSliderPrecision(unsigned int decimals)
{
    return 1.0 / std::pow(10.0, double(decimals));
}

unsigned int functionGeneratorRangeReach(const std::set<unsigned int> &ranges)
{
    if (ranges.empty() || *ranges.rbegin() == 0)
        return 10;
    return *ranges.rbegin();
}
