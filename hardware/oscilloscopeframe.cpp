#include "hardware/oscilloscopeframe.h"

#include "hardware/oscilloscopetimebase.h"

#include <QVarLengthArray>

OscilloscopeFrame::OscilloscopeFrame(int channelCount, double initialPeriod)
    : m_enabled(channelCount, false)
    , m_offsets(channelCount, 0.0)
    , m_data(channelCount + 1)
    , m_spare(channelCount + 1)
    , m_swapped(channelCount + 1, false)
    , m_channelCount(channelCount)
    , m_period(initialPeriod)
{ }

void OscilloscopeFrame::setChannel(int channel, bool enabled, double offset)
{
    m_enabled[channel] = enabled;
    m_offsets[channel] = offset;
}

void OscilloscopeFrame::configureMath(bool enabled, int operation, int sourceA, int sourceB,
                                      double offset)
{
    m_math.configure(enabled, operation, sourceA, sourceB, offset);
}

void OscilloscopeFrame::setTimeBase(double period, double duration, double startTime)
{
    m_pointCount = timeBasePointCount(period, duration);
    m_period = period;
    m_startTime = startTime;
}

QVector<double> &OscilloscopeFrame::writableRow(int index)
{
    // The list of rows first: a receiver's copy of it shares it, and only once it is our own
    // does a row's count of holders tell whether a receiver still holds that row.
    m_data.detach();
    QVector<double> &row = m_data[index];
    QVector<double> &spare = m_spare[index];
    m_swapped[index] = !row.isDetached();
    if (m_swapped[index]) {
        // Let the receivers keep a spare they still hold; ours starts afresh.
        if (!spare.isDetached())
            spare = QVector<double>();
        row.swap(spare);
    }
    return row;
}

void OscilloscopeFrame::keepEarlierSamples(int index, int size)
{
    if (m_swapped[index]) {
        m_data[index].swap(m_spare[index]);
        m_swapped[index] = false;
    }
    m_data[index].resize(size);
}

void OscilloscopeFrame::generateDemo()
{
    QVarLengthArray<double *, 4> rows;
    for (int i = 0; i < m_channelCount; ++i) {
        QVector<double> &row = writableRow(i);
        if (m_enabled[i]) {
            row.resize(m_pointCount);
            rows.append(row.data());
        } else {
            row.resize(0);
        }
    }
    m_demo.generateFrame(rows.data(), rows.size(), m_pointCount, m_period);
}

// The math row is computed from the rows as read, before the channel offsets are added.
void OscilloscopeFrame::complete()
{
    if (m_math.state()) {
        // The math channel's copy of the list shares the rows, the math row of the last frame
        // included (a source may name it), so the new math row goes into the other buffer.
        m_math.setSourceData(m_data);
        m_math.calculateInto(writableRow(m_channelCount));
        // Let go of the math channel's shared copy, or the next frame would find every row
        // still held and write it into the other buffer even where no receiver keeps it.
        QVector<QVector<double>> none;
        m_math.setSourceData(none);
    } else {
        writableRow(m_channelCount).resize(0);
    }
    for (int i = 0; i < m_channelCount; ++i) {
        const double offset = m_offsets[i];
        if (!m_enabled[i] || offset == 0.0)
            continue;
        // Written in this frame, so not shared: no copy.
        QVector<double> &row = m_data[i];
        double *samples = row.data();
        const int n = row.size();
        for (int k = 0; k < n; ++k)
            samples[k] += offset;
    }
}
