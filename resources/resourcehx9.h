#pragma once

#include "resources/mezzanineoscilloscoperesource.h"

class HX9Module;

// The oscilloscope over one HX9 mezzanine: ten input ranges, two input impedances, six
// trigger event modes and a fixed table of sampling periods.
class ResourceHX9 : public MezzanineOscilloscopeResource
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit ResourceHX9(QObject *parent = nullptr);
    ~ResourceHX9() override;

    QString type() const override;
    std::vector<DigitalOscilloscopeImpedanceType> supportedImpedances() const override;
    std::vector<DigitalOscilloscopeEventMode> supportedEventModes() const override;
    std::vector<double> supportedRanges() const override;
    std::vector<std::pair<double, QString>> supportedFilters() const override;
    std::function<double(double, double)> roundPeriodFunction() const override;

protected:
    bool bindModule(ModuleInterface *module) override;
    int configure() override;
    void configureForcedStart() override;
    void connectFrames() override;
    void disconnectFrames() override;
    DigitalOscilloscopeStartType freeRunStartType() const override;
    bool storesImpedance() const override;

private:
    void configureChannels();

    HX9Module *m_module = nullptr; // not owned
};
