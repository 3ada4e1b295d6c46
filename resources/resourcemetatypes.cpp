#include "resources/resourcemetatypes.h"

#include "resources/digitalmultimeterparameters.h"
#include "resources/digitaloscilloscopeparameters.h"
#include "resources/evaluationtype.h"
#include "resources/functiongeneratoroptions.h"
#include "resources/powersupplyoutputoptions.h"

#include <QMetaType>

#include <vector>

namespace {

// The names are those written in signal signatures, so string-based lookups (queued
// connections by name, QSignalSpy on a signal) find the same type.
void registerAll()
{
    qRegisterMetaType<EvaluationType>("EvaluationType");
    qRegisterMetaType<std::vector<EvaluationType>>("std::vector<EvaluationType>");
    qRegisterMetaType<EvaluationValueMap>("QMap<EvaluationType,double>");
    qRegisterMetaType<EvaluationValueMap>("EvaluationValueMap");

    qRegisterMetaType<DigitalGeneratorMainParameters>("DigitalGeneratorMainParameters");
    qRegisterMetaType<DigitalGeneratorAdditionalParameters>("DigitalGeneratorAdditionalParameters");
    qRegisterMetaType<DigitalGeneratorUIParameters>("DigitalGeneratorUIParameters");

    qRegisterMetaType<DigitalOscilloscopeChannelParameters>("DigitalOscilloscopeChannelParameters");
    qRegisterMetaType<DigitalOscilloscopeMathChannelParameters>(
            "DigitalOscilloscopeMathChannelParameters");
    qRegisterMetaType<DigitalOscilloscopeTriggerParameters>("DigitalOscilloscopeTriggerParameters");
    qRegisterMetaType<DigitalOscilloscopeTimeParameters>("DigitalOscilloscopeTimeParameters");

    qRegisterMetaType<FunctionGeneratorStandardFunction>("FunctionGeneratorStandardFunction");
    qRegisterMetaType<FunctionGeneratorMode>("FunctionGeneratorMode");
    qRegisterMetaType<FunctionGeneratorStartType>("FunctionGeneratorStartType");
    qRegisterMetaType<FunctionGeneratorModulationType>("FunctionGeneratorModulationType");
    qRegisterMetaType<FunctionGeneratorOutputOptions>("FunctionGeneratorOutputOptions");
    qRegisterMetaType<FunctionGeneratorStartardFunctionOptions>(
            "FunctionGeneratorStartardFunctionOptions");
    qRegisterMetaType<FunctionGeneratorModulationOptions>("FunctionGeneratorModulationOptions");
    qRegisterMetaType<FunctionGeneratorAWGOptions>("FunctionGeneratorAWGOptions");
    qRegisterMetaType<FunctionGeneratorTriggerOptions>("FunctionGeneratorTriggerOptions");
    qRegisterMetaType<FunctionGeneratorChannelOptions>("FunctionGeneratorChannelOptions");

    qRegisterMetaType<PowerSupplyModeType>("PowerSupplyModeType");
    qRegisterMetaType<PowerSupplyOutputOptions>("PowerSupplyOutputOptions");
}

} // namespace

void registerResourceMetaTypes()
{
    // A function-local static is initialized once even when resources are made on two threads.
    static const bool registered = (registerAll(), true);
    Q_UNUSED(registered);
}
