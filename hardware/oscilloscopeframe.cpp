#include "hardware/oscilloscopeframe.h"

#include "hardware/oscilloscopetimebase.h"

#include <QVarLengthArray>

OscilloscopeFrame::OscilloscopeFrame(int channelCount, double initialPeriod)
    : m_enabled(channelCount, false)
    , m_offsets(channelCount, 0.0)
    , m_data(channelCount + 1)
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

void OscilloscopeFrame::generateDemo()
{
    QVarLengthArray<double *, 4> rows;
    for (int i = 0; i < m_channelCount; ++i) {
        QVector<double> &row = m_data[i];
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
        m_math.setSourceData(m_data);
        m_data[m_channelCount] = m_math.calculate();
        // Let go of the math channel's shared copy, or the next frame's resize would copy
        // every row instead of reusing it.
        QVector<QVector<double>> none;
        m_math.setSourceData(none);
    } else {
        m_data[m_channelCount].resize(0);
    }
    for (int i = 0; i < m_channelCount; ++i) {
        const double offset = m_offsets[i];
        if (!m_enabled[i] || offset == 0.0)
            continue;
        QVector<double> &row = m_data[i];
        double *samples = row.data();
        const int n = row.size();
        for (int k = 0; k < n; ++k)
            samples[k] += offset;
    }
}
