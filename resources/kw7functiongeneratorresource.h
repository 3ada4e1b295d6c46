#pragma once

#include "resources/functiongeneratorresource.h"
#include "resources/resourcestate.h"

#include <memory>

// A function generator over one KW7 module. Setters only record a change; a 500 ms timer
// sends pending changes as one batch while the output runs, and a start sends everything.
// The resource programs the device itself through the module's driver session.
class KW7FunctionGeneratorResource : public FunctionGeneratorResource
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit KW7FunctionGeneratorResource(QObject *parent = nullptr);
    ~KW7FunctionGeneratorResource() override;

    QString type() const override;
    bool create() override;
    ResourceState storeState() override;
    void restoreState(const ResourceState &state) override;

    unsigned int channelsCount() const override;
    bool isChannelEnable(unsigned int ch) const override;
    void setChannelEnable(unsigned int ch, bool enable) override;
    FunctionGeneratorMode mode() const override;
    void setMode(FunctionGeneratorMode mode) override;
    std::set<FunctionGeneratorStandardFunction> supportedFunctions() const override;
    FunctionGeneratorStandardFunction standardFunction(unsigned int ch) const override;
    void setStandardFunction(unsigned int ch, FunctionGeneratorStandardFunction function) override;
    std::set<unsigned int> supportedRanges() const override;
    FunctionGeneratorOutputOptions outputOptions(unsigned int ch) const override;
    void setOutputOptions(unsigned int ch, const FunctionGeneratorOutputOptions &options) override;
    FunctionGeneratorStartardFunctionOptions
    standardFunctionOptions(unsigned int ch) const override;
    void
    setStandardFunctionOptions(unsigned int ch,
                               const FunctionGeneratorStartardFunctionOptions &options) override;
    FunctionGeneratorModulationOptions modulationOptions(unsigned int ch) const override;
    void setModulationOptions(unsigned int ch,
                              const FunctionGeneratorModulationOptions &options) override;
    FunctionGeneratorAWGOptions AWGOptiuons(unsigned int ch) const override;
    void setAWGOptions(unsigned int ch, const FunctionGeneratorAWGOptions &options) override;
    FunctionGeneratorTriggerOptions triggerOptions() const override;
    void setTriggerOptions(const FunctionGeneratorTriggerOptions &options) override;
    FunctionGeneratorStartType state() const override;
    void start(FunctionGeneratorStartType startType) override;
    void stop() override;
    void forceTrigger() override;

private:
    friend class TestFunctionGenerator; // drives the apply tick without waiting for it
    struct Internal;

    void onApplyOptions();
    void apply();
    void configChan(unsigned int ch, unsigned long handle, bool enable);
    void configAFGOptions(unsigned int ch);
    void configAWGOptions();
    void activateApplyTimer();
    template<typename Setter>
    void change(int pending, Setter setter);

    std::unique_ptr<Internal> m_d;
};
