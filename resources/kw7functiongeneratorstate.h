#pragma once

#include "resources/functiongeneratoroptions.h"
#include "resources/resourcestate.h"

#include <optional>
#include <set>

// The stored form of a generator's options: the keys of its INI state and how each is read
// back. A restore takes the options as they stand and returns them with the stored values
// read over them; a stored value the module cannot take gives fresh's value instead, and one
// line on standard error names its key. Text that does not convert is taken as a missing key.

void storeChannelOptions(ResourceState &state, unsigned int ch,
                         const FunctionGeneratorChannelOptions &options);
void storeTriggerOptions(ResourceState &state, const FunctionGeneratorTriggerOptions &options);

FunctionGeneratorStandardFunction
restoredStandardFunction(const ResourceState &state, unsigned int ch,
                         const std::set<FunctionGeneratorStandardFunction> &supported,
                         FunctionGeneratorStandardFunction fresh);
FunctionGeneratorOutputOptions restoredOutputOptions(const ResourceState &state, unsigned int ch,
                                                     FunctionGeneratorOutputOptions options,
                                                     const FunctionGeneratorOutputOptions &fresh,
                                                     const std::set<unsigned int> &ranges);
FunctionGeneratorModulationOptions
restoredModulationOptions(const ResourceState &state, unsigned int ch,
                          FunctionGeneratorModulationOptions options,
                          const FunctionGeneratorModulationOptions &fresh);
FunctionGeneratorStartardFunctionOptions
restoredFunctionOptions(const ResourceState &state, unsigned int ch,
                        FunctionGeneratorStartardFunctionOptions options,
                        const FunctionGeneratorStartardFunctionOptions &fresh);
bool restoredChannelEnable(const ResourceState &state, unsigned int ch);
FunctionGeneratorAWGOptions restoredAwgOptions(const ResourceState &state, unsigned int ch,
                                               FunctionGeneratorAWGOptions options);
FunctionGeneratorTriggerOptions restoredTriggerOptions(const ResourceState &state,
                                                       FunctionGeneratorTriggerOptions options);
// None when the mode is to stay as it is: the state lacks the key, or holds text under it.
std::optional<FunctionGeneratorMode> restoredMode(const ResourceState &state);
