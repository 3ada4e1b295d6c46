#pragma once

#include "resources/powersupplyoutputoptions.h"
#include "resources/resourceinterface.h"

// A power supply with one or more output channels: set points per channel, and the measured
// output and regulation state reported through signals.
class PowerSupplyResource : public ResourceInterface
{
    Q_OBJECT
public:
    explicit PowerSupplyResource(QObject *parent = nullptr);
    ~PowerSupplyResource() override;

    QString viewType() const override;

    virtual void setOutputOptions(int channel, PowerSupplyOutputOptions const &options) = 0;
    virtual PowerSupplyOutputOptions outputOptions(int channel) const = 0;
    // The measured voltage and current; returns the driver status.
    virtual int output(int channel, double &voltage, double &current) = 0;
    virtual PowerSupplyModeType mode(int channel) = 0;

    int channelsCount() const { return m_channelsCount; }

signals:
    void outputChanged(int channel, double voltage, double current);
    void modeChanged(int channel, PowerSupplyModeType mode);

protected:
    int m_channelsCount = 0;
};
