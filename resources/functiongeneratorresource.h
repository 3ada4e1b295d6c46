#pragma once

#include "resources/functiongeneratoroptions.h"
#include "resources/resourceinterface.h"

#include <set>

// The function-generator instrument as the generator view sees it. The view binds its widgets
// straight to these operations and keeps its own copies of the records afterwards.
class FunctionGeneratorResource : public ResourceInterface
{
    Q_OBJECT
public:
    using ResourceInterface::ResourceInterface;

    QString viewType() const override;

    virtual unsigned int channelsCount() const = 0;
    virtual bool isChannelEnable(unsigned int ch) const = 0;
    virtual void setChannelEnable(unsigned int ch, bool enable) = 0;
    virtual FunctionGeneratorMode mode() const = 0;
    virtual void setMode(FunctionGeneratorMode mode) = 0;
    virtual std::set<FunctionGeneratorStandardFunction> supportedFunctions() const = 0;
    virtual FunctionGeneratorStandardFunction standardFunction(unsigned int ch) const = 0;
    virtual void setStandardFunction(unsigned int ch,
                                     FunctionGeneratorStandardFunction function) = 0;
    virtual std::set<unsigned int> supportedRanges() const = 0;
    virtual FunctionGeneratorOutputOptions outputOptions(unsigned int ch) const = 0;
    virtual void setOutputOptions(unsigned int ch,
                                  const FunctionGeneratorOutputOptions &options) = 0;
    virtual FunctionGeneratorStartardFunctionOptions
    standardFunctionOptions(unsigned int ch) const = 0;
    virtual void
    setStandardFunctionOptions(unsigned int ch,
                               const FunctionGeneratorStartardFunctionOptions &options) = 0;
    virtual FunctionGeneratorModulationOptions modulationOptions(unsigned int ch) const = 0;
    virtual void setModulationOptions(unsigned int ch,
                                      const FunctionGeneratorModulationOptions &options) = 0;
    virtual FunctionGeneratorAWGOptions AWGOptiuons(unsigned int ch) const = 0;
    virtual void setAWGOptions(unsigned int ch, const FunctionGeneratorAWGOptions &options) = 0;
    virtual FunctionGeneratorTriggerOptions triggerOptions() const = 0;
    virtual void setTriggerOptions(const FunctionGeneratorTriggerOptions &options) = 0;
    virtual FunctionGeneratorStartType state() const = 0;
    virtual void start(FunctionGeneratorStartType startType) = 0;
    virtual void stop() = 0;
    virtual void forceTrigger() = 0;
};
