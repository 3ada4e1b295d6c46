#pragma once

#include "resources/functiongeneratorawgfilescollection.h"
#include "resources/functiongeneratoroptions.h"

#include <set>

// The panel's display rules, free of widgets so that they can be checked case by case.

// A value and the limits its control is filled with.
struct FunctionGeneratorLimitedValue
{
    double value = 0.0;
    FunctionGeneratorValueLimits limits;
};

// The amplitude and frequency the common controls show while a function button is checked:
// those of the function's own block, the sine's for a function without amplitude or frequency
// controls of its own (level, the noises and the others) or when no button is checked.
struct FunctionGeneratorCommonValues
{
    FunctionGeneratorLimitedValue amplitude;
    FunctionGeneratorLimitedValue frequency;
};
FunctionGeneratorCommonValues
functionGeneratorCommonValues(const FunctionGeneratorStartardFunctionOptions &options,
                              int checkedFunctionId);

// Above the maximum gives the maximum; at or below the minimum, or not a number, the minimum.
double functionGeneratorClamp(const FunctionGeneratorValueLimits &limits, double value);

// The page of the modulation options for a modulation button id; -1 keeps the page shown.
int functionGeneratorModulationPage(int modulationId);

// Modulation is offered for the sine in standard-function mode only.
bool functionGeneratorModulationShown(int checkedFunctionId, FunctionGeneratorMode mode);

// The trigger edge list reads "Rising", "Falling"; the record's type is 1 rising, 0 falling.
// A list without a current entry gives -1.
int functionGeneratorTriggerIndex(int triggerType);
int functionGeneratorTriggerType(int triggerIndex);

// A slider handle keeps its position while within 0.01 of its target, so that rounding of
// the shown amplitude does not make it creep.
double functionGeneratorHandleTarget(double present, double target);

// The slider step for an amplitude shown with the given decimals: 1 / 10^decimals.
double functionGeneratorSliderPrecision(unsigned int decimals);

// The vertical reach of the preview and the slider: the largest range, 10 V when none.
unsigned int functionGeneratorRangeReach(const std::set<unsigned int> &ranges);

// functionGeneratorPlayableFields, whether one signal of a waveform file plays, is the waveform
// collection's rule: the panel and the generator's restore judge a signal alike.
