#pragma once

#include "hardware/demowaveformgenerator.h"
#include "hardware/mathchannel.h"

#include <QVector>

// What the oscilloscope modules keep of their frame: the channel switches and offsets, the
// time base as the driver accepted it, the sample rows with the math channel as the row after
// the channel rows, and the simulated frame. The rows live here and are reused from frame to
// frame; the module hands them out by reference, so receivers copy what they keep.
class OscilloscopeFrame
{
public:
    OscilloscopeFrame(int channelCount, double initialPeriod);

    int channelCount() const { return m_channelCount; }
    bool isChannel(int channel) const { return channel >= 0 && channel < m_channelCount; }
    bool isEnabled(int channel) const { return m_enabled[channel]; }
    void setChannel(int channel, bool enabled, double offset);

    void configureMath(bool enabled, int operation, int sourceA, int sourceB, double offset);

    // A valid time base only (validTimeBase).
    void setTimeBase(double period, double duration, double startTime);
    int pointCount() const { return m_pointCount; }
    double period() const { return m_period; }
    double startTime() const { return m_startTime; }

    QVector<double> &row(int channel) { return m_data[channel]; }
    QVector<QVector<double>> &rows() { return m_data; }

    // Fills the rows of the enabled channels with the simulated samples, empties the others.
    void generateDemo();
    // Adds the math row and the channel offsets to the rows as read.
    void complete();

private:
    QVector<bool> m_enabled;
    QVector<double> m_offsets;
    QVector<QVector<double>> m_data;
    int m_channelCount;
    int m_pointCount = 0;
    double m_period;
    double m_startTime = 0.0;
    DemoWaveformGenerator m_demo; // holds the module's MT19937, seeded 5489
    MathChannel m_math;
};
