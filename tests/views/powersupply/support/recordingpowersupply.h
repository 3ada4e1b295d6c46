#pragma once

#include "resources/powersupplyresource.h"

#include <QList>
#include <QPair>
#include <QVector>

// A power supply over no modules: it records every set-point request and lets a test emit
// readings and regulation modes as the instrument's polling would.
class RecordingPowerSupply : public PowerSupplyResource
{
    Q_OBJECT
public:
    explicit RecordingPowerSupply(int channels = 1, QObject *parent = nullptr)
        : PowerSupplyResource(parent)
        , m_options(channels)
    {
        m_channelsCount = channels;
    }

    QString type() const override { return QStringLiteral("RecordingPowerSupply"); }
    bool create() override { return true; }

    void setOutputOptions(int channel, PowerSupplyOutputOptions const &options) override
    {
        requests.append({channel, options});
        if (channel >= 0 && channel < m_options.size())
            m_options[channel] = options;
    }
    PowerSupplyOutputOptions outputOptions(int channel) const override
    {
        return m_options.value(channel);
    }
    int output(int channel, double &voltage, double &current) override
    {
        voltage = m_options.value(channel).voltage;
        current = 0.0;
        return 0;
    }
    PowerSupplyModeType mode(int) override { return PowerSupplyNoMode; }

    // Options as the resource holds them, without a request.
    void hold(int channel, const PowerSupplyOutputOptions &options)
    {
        m_options[channel] = options;
    }

    QList<QPair<int, PowerSupplyOutputOptions>> requests;

private:
    QVector<PowerSupplyOutputOptions> m_options;
};

// Anything else typed as a power supply: the view must bind none of it.
class NotAPowerSupply : public ResourceInterface
{
    Q_OBJECT
public:
    explicit NotAPowerSupply(const QString &viewType)
        : m_viewType(viewType)
    { }
    QString type() const override { return QStringLiteral("NotAPowerSupply"); }
    QString viewType() const override { return m_viewType; }
    bool create() override { return true; }

private:
    QString m_viewType;
};
