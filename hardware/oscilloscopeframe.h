#pragma once

#include "hardware/demowaveformgenerator.h"
#include "hardware/mathchannel.h"

#include <QVector>

// What the oscilloscope modules keep of their frame: the channel switches and offsets, the
// time base as the driver accepted it, the sample rows with the math channel as the row after
// the channel rows, and the simulated frame. The rows live here and are reused from frame to
// frame; the module hands them out by reference, so receivers copy what they keep.
//
// A receiver's copy shares the rows (the plot keeps the last frame that way). Writing the next
// frame into a shared row would make it copy megabytes of samples that are overwritten at
// once, so every row has a spare buffer: a frame goes into whichever of the two nobody else
// holds, which with a receiver that keeps the latest frame alternates between the two. Only
// when a receiver keeps both does the row get a fresh buffer, still without a copy.
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

    QVector<QVector<double>> &rows() { return m_data; }
    // Row `index` (a channel or the math row) made writable without copying what it held:
    // its samples are left over from an earlier frame, for the caller to overwrite.
    QVector<double> &writableRow(int index);
    // Gives row `index` back the samples it held before writableRow, at `size` samples:
    // for a read that delivered nothing.
    void keepEarlierSamples(int index, int size);

    // Fills the rows of the enabled channels with the simulated samples, empties the others.
    void generateDemo();
    // Adds the math row and the channel offsets to the rows as read.
    void complete();

private:
    QVector<bool> m_enabled;
    QVector<double> m_offsets;
    QVector<QVector<double>> m_data;
    QVector<QVector<double>> m_spare; // per row the other buffer, perhaps still held elsewhere
    QVector<bool> m_swapped; // whether writableRow put row i's earlier samples in m_spare
    int m_channelCount;
    int m_pointCount = 0;
    double m_period;
    double m_startTime = 0.0;
    DemoWaveformGenerator m_demo; // holds the module's MT19937, seeded 5489
    MathChannel m_math;
};
