#pragma once

#include "resources/mezzanineoscilloscoperesource.h"

class HX2Module;

// The oscilloscope over one HX2 mezzanine: two fixed input ranges, sampling periods on a
// 6.4 ns grid below a fixed table of short periods, and an overdrive report of its own.
class ResourceHX2 : public MezzanineOscilloscopeResource
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit ResourceHX2(QObject *parent = nullptr);
    ~ResourceHX2() override;

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

    HX2Module *m_module = nullptr; // not owned
};
