// The analysis module as the evaluations use it: loaded by name from beside the program,
// its three functions found by their export names, results checked against the known
// parameters of synthetic waveforms.
#include "nianlys.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace {
constexpr double Pi = 3.14159265358979323846;

// Repeats one period (given as a function of the sample index within it) n times.
template<typename F>
std::vector<double> periodic(int period, int periods, F shape)
{
    std::vector<double> x;
    for (int k = 0; k < period * periods; ++k)
        x.push_back(shape(k % period));
    return x;
}

// Low for 60 samples, a 20-sample rise to 3 V, high for 80, a 40-sample fall: period 200.
double trapezoid(int k)
{
    if (k < 60)
        return 0.0;
    if (k < 80)
        return 3.0 * (k - 60) / 20.0;
    if (k < 160)
        return 3.0;
    return 3.0 - 3.0 * (k - 160) / 40.0;
}

struct PulseParam
{
    double r[8] = {};
    int32_t index[4] = {};
    double slope = 0.0;
    int32_t status = 0;
};

struct PulseMeas
{
    double period = 0.0, width = 0.0, duty = 0.0;
    int32_t status = 0;
};

// The pulse timing by its definition, one sample after the other, from the module's own
// state levels: of the middle crossings (between neighbouring finite samples) in a
// transition's direction since the last outer reference level was left, the last one counts.
// The record's start stands for the level left before the first transition, and its end for
// the level to reach after the last one; the period is the mean spacing of the crossings of
// the pulses' start direction, or of the other one where that has fewer than two.
struct Timing
{
    double period = 0.0, width = 0.0, duty = 0.0, periods = 0.0, first = 0.0;
};

struct Cut
{
    bool found = false, rising = false;
    double at = 0.0;
};

std::pair<double, double> spacing(const std::vector<double> &crossings, bool rising,
                                  const Cut &opening, const Cut &closing)
{
    std::vector<double> all = crossings;
    if (opening.found && opening.rising == rising)
        all.insert(all.begin(), opening.at);
    if (closing.found && closing.rising == rising)
        all.push_back(closing.at);
    if (all.size() < 2)
        return {0.0, 0.0};
    return {(all.back() - all.front()) / double(all.size() - 1), double(all.size() - 1)};
}

Timing referenceTiming(const std::vector<double> &x, int polarity, double lowLevel,
                       double highLevel)
{
    const double span = highLevel - lowLevel;
    const double low = lowLevel + 10.0 / 100.0 * span;
    const double middle = lowLevel + 50.0 / 100.0 * span;
    const double high = lowLevel + 90.0 / 100.0 * span;
    std::vector<double> rising, falling;
    int state = 0; // 1 beyond the high level, -1 beyond the low one, 0 not yet either
    int previous = -1; // the last finite sample
    // The last crossing in each direction since the last transition (the record's start).
    Cut up {false, true}, down {false, false};
    Cut opening, closing;
    for (int k = 0; k < int(x.size()); ++k) {
        const double v = x[k];
        if (!std::isfinite(v))
            continue;
        if (previous >= 0) {
            const double u = x[size_t(previous)];
            const double at = u == v ? k : previous + (k - previous) * (middle - u) / (v - u);
            if (u < middle && v >= middle)
                up = {true, true, at};
            if (u > middle && v <= middle)
                down = {true, false, at};
        }
        previous = k;
        const int beyond = v >= high ? 1 : (v <= low ? -1 : 0);
        if (beyond != 0 && beyond != state) {
            const Cut &crossing = beyond > 0 ? up : down;
            if (state == 0)
                opening = crossing;
            else if (crossing.found)
                (beyond > 0 ? rising : falling).push_back(crossing.at);
            state = beyond;
            up.found = down.found = false;
        }
    }
    if (state != 0)
        closing = state > 0 ? down : up;
    Timing t;
    const std::vector<double> &starts = polarity ? rising : falling;
    const std::vector<double> &ends = polarity ? falling : rising;
    std::tie(t.period, t.periods) = spacing(starts, polarity != 0, opening, closing);
    if (t.periods == 0.0)
        std::tie(t.period, t.periods) = spacing(ends, polarity == 0, opening, closing);
    double widths = 0.0;
    int pulses = 0;
    for (double start : starts) {
        const auto end = std::upper_bound(ends.begin(), ends.end(), start);
        if (end == ends.end())
            break;
        widths += *end - start;
        ++pulses;
    }
    if (pulses > 0)
        t.width = widths / pulses;
    if (t.period > 0.0)
        t.duty = t.width / t.period;
    if (!starts.empty())
        t.first = starts.front();
    return t;
}
// The first edge by its definition, one sample after the other: a finite sample beyond
// `from` arms the search and drops a started edge, the next finite one not beyond `from`
// starts it, and the first finite one beyond `to` of a started edge ends it.
struct ReferenceEdge
{
    bool found = false;
    double start = 0.0, end = 0.0;
};

ReferenceEdge referenceEdge(const std::vector<double> &x, double from, double to)
{
    const bool rising = to > from;
    ReferenceEdge edge;
    bool armed = false, started = false;
    int previous = -1;
    for (int i = 0; i < int(x.size()); ++i) {
        const double v = x[size_t(i)];
        if (!std::isfinite(v))
            continue;
        const int p = previous;
        previous = i;
        if (rising ? v <= from : v >= from) {
            armed = true;
            started = false;
            continue;
        }
        if (!armed)
            continue;
        const auto crossingOf = [&](double level) {
            const double u = x[size_t(p)];
            return u == v ? double(i) : p + (i - p) * (level - u) / (v - u);
        };
        if (!started) {
            edge.start = crossingOf(from);
            started = true;
        }
        if (rising ? v >= to : v <= to) {
            edge.end = crossingOf(to);
            edge.found = true;
            return edge;
        }
    }
    return edge;
}
} // namespace

class TestAnalysisLibrary : public QObject
{
    Q_OBJECT

private:
    QLibrary m_library;
    NianlysPulseParamFunction m_pulseParam = nullptr;
    NianlysPulseMeasFunction m_pulseMeas = nullptr;
    NianlysCycleRmsAverageFunction m_cycle = nullptr;

    PulseParam pulseParam(const std::vector<double> &x)
    {
        PulseParam p;
        p.status = m_pulseParam(x.data(), int32_t(x.size()), &p.r[0], &p.r[1], &p.r[2], &p.r[3],
                                &p.r[4], &p.r[5], &p.r[6], &p.r[7], &p.index[0], &p.index[1],
                                &p.index[2], &p.index[3], &p.slope);
        return p;
    }
    PulseMeas pulseMeas(const std::vector<double> &x, int polarity)
    {
        PulseMeas m;
        double unused[4];
        m.status = m_pulseMeas(x.data(), int32_t(x.size()), polarity, 1, 90.0, 50.0, 10.0, 1, 2,
                               256, &m.period, &m.width, &m.duty, &unused[0], &unused[1],
                               &unused[2], &unused[3]);
        return m;
    }
    std::pair<double, double> cycleMeanRms(const std::vector<double> &x)
    {
        double mean = 0.0, rms = 0.0, unused[5];
        m_cycle(x.data(), int32_t(x.size()), 1, 90.0, 50.0, 10.0, 1, 2, 256, &mean, &rms,
                &unused[0], &unused[1], &unused[2], &unused[3], &unused[4]);
        return {mean, rms};
    }

private slots:
    void initTestCase()
    {
        m_library.setFileName(QCoreApplication::applicationDirPath() + "/" NIANLYS_LIBRARY_NAME);
        QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
        m_pulseParam = reinterpret_cast<NianlysPulseParamFunction>(
                m_library.resolve(NIANLYS_PULSE_PARAM_EXPORT));
        m_pulseMeas = reinterpret_cast<NianlysPulseMeasFunction>(
                m_library.resolve(NIANLYS_PULSE_MEAS_EXPORT));
        m_cycle = reinterpret_cast<NianlysCycleRmsAverageFunction>(
                m_library.resolve(NIANLYS_CYCLE_RMS_AVERAGE_EXPORT));
        QVERIFY(m_pulseParam && m_pulseMeas && m_cycle);
        QVERIFY(!m_library.resolve("PulseParam")); // only the export names are there
    }

    void pulseTiming_data()
    {
        QTest::addColumn<std::vector<double>>("samples");
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("positiveWidth");
        QTest::newRow("square, 25 % duty")
                << periodic(100, 10, [](int k) { return k < 25 ? 1.0 : -1.0; }) << 100.0 << 25.0;
        QTest::newRow("square, 70 % duty, phase shifted")
                << periodic(40, 12, [](int k) { return (k + 13) % 40 < 28 ? 5.0 : 0.5; }) << 40.0
                << 28.0;
        QTest::newRow("trapezoid") << periodic(200, 6, trapezoid) << 200.0 << 110.0;
        QTest::newRow("sine") << periodic(64, 10, [](int k) {
            return 0.2 + 1.5 * std::sin(2 * Pi * k / 64);
        }) << 64.0 << 32.0;
    }
    void pulseTiming()
    {
        QFETCH(std::vector<double>, samples);
        QFETCH(double, period);
        QFETCH(double, positiveWidth);
        const PulseMeas positive = pulseMeas(samples, 1);
        const PulseMeas negative = pulseMeas(samples, 0);
        QCOMPARE(positive.status, 0);
        QVERIFY2(std::fabs(positive.period - period) <= 1.0,
                 qPrintable(QString::number(positive.period)));
        QVERIFY2(std::fabs(positive.width - positiveWidth) <= 1.0,
                 qPrintable(QString::number(positive.width)));
        QVERIFY(std::fabs(negative.width - (period - positiveWidth)) <= 1.0);
        QVERIFY(std::fabs(positive.duty - positiveWidth / period) <= 0.01);
        QVERIFY(std::fabs(negative.duty - (1.0 - positiveWidth / period)) <= 0.01);
        QVERIFY(std::fabs(negative.period - period) <= 1.0);
    }

    // Noise crosses the levels every few samples and is scanned a word of samples at a time;
    // samples that are not finite, records shorter than a word and ends inside one go other
    // ways. Every way must find the crossings the definition gives, to the bit.
    void pulseTimingAsDefined_data()
    {
        QTest::addColumn<std::vector<double>>("samples");
        std::mt19937 engine(5489u);
        std::uniform_real_distribution<double> uniform(-1.0, 1.0);
        const auto noise = [&](int n) {
            std::vector<double> x(static_cast<size_t>(n));
            for (double &v : x)
                v = uniform(engine);
            return x;
        };
        QTest::newRow("noise") << noise(100000);
        QTest::newRow("noise, 1001 samples") << noise(1001);
        for (int n : {2, 3, 63, 64, 65, 130})
            QTest::addRow("noise, %d samples", n) << noise(n);
        QTest::newRow("alternating") << periodic(2, 500, [](int k) { return k ? 1.0 : -1.0; });
        QTest::newRow("sine with noise") << periodic(1000, 20, [&](int k) {
            return 2.0 * std::sin(2 * Pi * k / 1000) + 0.1 * uniform(engine);
        });
        // One or two periods: the record's ends cut a transition, on either side of the
        // middle level, and a noisy one crosses it many times there.
        for (const double noise : {0.0, 0.05}) {
            for (const double phase : {0.0, 0.05, 0.3}) {
                for (const double periods : {0.8, 1.2, 1.5, 2.0, 2.4}) {
                    std::vector<double> x(size_t(std::lround(periods * 500)));
                    for (size_t k = 0; k < x.size(); ++k)
                        x[k] = 1.5 * std::sin(2 * Pi * (double(k) / 500 - phase))
                                + noise * uniform(engine);
                    QTest::addRow("sine, %.1f periods from phase %.2f, noise %.2f", periods, phase,
                                  noise)
                            << x;
                }
            }
        }
        // Samples that are not finite: inside words, at their edges, runs of them.
        const double nan = std::nan(""), inf = HUGE_VAL;
        std::vector<double> holes = noise(4096);
        for (size_t k : {size_t(0), size_t(63), size_t(64), size_t(700), size_t(701), size_t(1279),
                         size_t(2000), size_t(4095)})
            holes[k] = k % 2 ? nan : (k % 3 ? inf : -inf);
        std::fill(holes.begin() + 3000, holes.begin() + 3100, nan);
        QTest::newRow("noise with samples not finite") << holes;
        // Levels on histogram bin edges: few distinct values.
        QTest::newRow("steps on bin edges")
                << periodic(7, 300, [](int k) { return double(k * 64); });
    }
    void pulseTimingAsDefined()
    {
        QFETCH(std::vector<double>, samples);
        for (int polarity : {1, 0}) {
            double period, width, duty, periods, first, highLevel, lowLevel;
            const int32_t status = m_pulseMeas(samples.data(), int32_t(samples.size()), polarity, 1,
                                               90.0, 50.0, 10.0, 1, 2, 256, &period, &width, &duty,
                                               &periods, &first, &highLevel, &lowLevel);
            QCOMPARE(status, 0);
            const Timing t = referenceTiming(samples, polarity, lowLevel, highLevel);
            const double found[] = {period, width, duty, periods, first};
            const double expected[] = {t.period, t.width, t.duty, t.periods, t.first};
            for (int r = 0; r < 5; ++r) {
                // The same number, not one close to it.
                QVERIFY2(found[r] == expected[r],
                         qPrintable(QStringLiteral("polarity %1, result %2: %3, expected %4")
                                            .arg(polarity)
                                            .arg(r + 1)
                                            .arg(found[r], 0, 'g', 17)
                                            .arg(expected[r], 0, 'g', 17)));
            }
        }
    }

    // The rise and fall are searched a block of samples at a time; on a slow wave the search
    // runs through the whole record. Every record of the timing table and a few of its own
    // must give the edges the definition gives, to the bit.
    void pulseEdgesAsDefined_data()
    {
        pulseTimingAsDefined_data();
        std::mt19937 engine(1234u);
        std::uniform_real_distribution<double> uniform(-1.0, 1.0);
        std::vector<double> slow(100000);
        for (size_t k = 0; k < slow.size(); ++k)
            slow[k] = 2.0 * std::sin(2.5e-5 * double(k)) + 0.01 * uniform(engine);
        QTest::newRow("slow wave, no fall") << slow;
        std::reverse(slow.begin(), slow.end());
        QTest::newRow("slow wave, no rise") << slow;
        // Armed, started, armed again, then a whole edge; finite samples only around holes.
        QTest::newRow("edge restarted")
                << std::vector<double> {0.0, 0.5, 0.0, 0.5, 1.0, 1.0, 0.5, 1.0, 0.5, 0.0, 0.0,
                                        0.5, 0.6, 0.0, 0.5, 0.7, 1.0, 1.0, 0.5, 0.5, 1.0, 0.0};
        const double nan = std::nan("");
        QTest::newRow("holes inside the edges")
                << std::vector<double> {0.0, nan, 0.0, HUGE_VAL, 0.5, nan, -HUGE_VAL, 1.0, 1.0,
                                        nan, 1.0, 0.5, HUGE_VAL, 0.0, 0.0, 1.0,       0.0};
        std::vector<double> late(4099, 0.0);
        late[4097] = 0.5;
        late[4098] = 1.0;
        late[1] = 1.0;
        QTest::newRow("edges at both ends") << late;
    }
    void pulseEdgesAsDefined()
    {
        QFETCH(std::vector<double>, samples);
        const PulseParam p = pulseParam(samples);
        QCOMPARE(p.status, 0);
        const double high = p.r[1];
        const double low = p.r[3];
        int32_t index[4] = {-1, -1, 0, 0};
        double slope = 0.0;
        if (p.r[0] > 0.0) {
            const ReferenceEdge rise = referenceEdge(samples, low, high);
            const ReferenceEdge fall = referenceEdge(samples, high, low);
            if (rise.found) {
                index[0] = int32_t(std::floor(rise.start));
                index[2] = int32_t(std::lround(rise.end - rise.start));
                slope = rise.end > rise.start ? (high - low) / (rise.end - rise.start) : 0.0;
            }
            if (fall.found) {
                index[1] = int32_t(std::floor(fall.start));
                index[3] = int32_t(std::lround(fall.end - fall.start));
            }
        }
        for (int k = 0; k < 4; ++k)
            QCOMPARE(p.index[k], index[k]);
        QVERIFY2(p.slope == slope,
                 qPrintable(QStringLiteral("%1, expected %2")
                                    .arg(p.slope, 0, 'g', 17)
                                    .arg(slope, 0, 'g', 17)));
    }

    void pulseParameters_data()
    {
        QTest::addColumn<std::vector<double>>("samples");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("riseSamples");
        QTest::addColumn<double>("fallSamples");
        QTest::newRow("trapezoid") << periodic(200, 4, trapezoid) << 3.0 << 0.0 << 16.0 << 32.0;
        // A step: 10 % to 90 % of it lies within one sample interval.
        QTest::newRow("square") << periodic(50, 8, [](int k) { return k < 20 ? 2.0 : -1.0; }) << 2.0
                                << -1.0 << 0.8 << 0.8;
    }
    void pulseParameters()
    {
        QFETCH(std::vector<double>, samples);
        QFETCH(double, high);
        QFETCH(double, low);
        QFETCH(double, riseSamples);
        QFETCH(double, fallSamples);
        const PulseParam p = pulseParam(samples);
        QCOMPARE(p.status, 0);
        QCOMPARE(p.r[0], high - low); // amplitude
        QCOMPARE(p.r[4], high); // state levels
        QCOMPARE(p.r[5], low);
        QCOMPARE(p.r[1], low + 0.9 * (high - low)); // reference levels
        QCOMPARE(p.r[3], low + 0.1 * (high - low));
        QCOMPARE(p.r[6], 0.0); // no overshoot
        QCOMPARE(p.r[7], 0.0);
        QVERIFY(std::fabs(p.index[2] - riseSamples) <= 1.0);
        QVERIFY(std::fabs(p.index[3] - fallSamples) <= 1.0);
        // Slope in volts per sample over the 10 % to 90 % span.
        const double slope = 0.8 * (high - low) / riseSamples;
        QVERIFY2(std::fabs(p.slope - slope) <= 0.01 * slope, qPrintable(QString::number(p.slope)));
    }

    // In per cent of the amplitude, the unit they are shown in.
    void overshootAndUndershoot()
    {
        std::vector<double> x = periodic(100, 5, [](int k) { return k < 50 ? 2.0 : 0.0; });
        x[10] = 2.5; // a spike on a high stretch
        x[260] = -0.2; // and a dip on a low one
        const PulseParam p = pulseParam(x);
        QCOMPARE(p.r[4], 2.0);
        QCOMPARE(p.r[5], 0.0);
        QVERIFY2(std::fabs(p.r[6] - 25.0) < 1e-9, qPrintable(QString::number(p.r[6])));
        QVERIFY2(std::fabs(p.r[7] - 10.0) < 1e-9, qPrintable(QString::number(p.r[7])));
    }

    void cycleMeanAndRms_data()
    {
        QTest::addColumn<std::vector<double>>("samples");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("rms");
        // 10.5 periods: the half period at the end is no whole cycle and stays out.
        QTest::newRow("sine with offset")
                << periodic(64, 11, [](int k) { return 0.2 + 1.5 * std::sin(2 * Pi * k / 64); })
                << 0.2 << std::sqrt(0.04 + 1.5 * 1.5 / 2);
        QTest::newRow("square, 25 % duty")
                << periodic(100, 10, [](int k) { return k < 25 ? 1.0 : -1.0; }) << -0.5 << 1.0;
        QTest::newRow("trapezoid")
                << periodic(200, 5, trapezoid) << (20 * 1.5 + 80 * 3.0 + 40 * 1.5) / 200.0
                << std::sqrt((20 * 3.0 + 80 * 9.0 + 40 * 3.0) / 200.0); // ramps: mean of x² is 3
    }
    void cycleMeanAndRms()
    {
        QFETCH(std::vector<double>, samples);
        QFETCH(double, mean);
        QFETCH(double, rms);
        samples.resize(samples.size() - samples.size() / 22); // cut part of the last period
        const auto result = cycleMeanRms(samples);
        QVERIFY2(std::fabs(result.first - mean) <= 0.01 * std::max(1.0, std::fabs(mean)),
                 qPrintable(QString::number(result.first)));
        QVERIFY2(std::fabs(result.second - rms) <= 0.01 * rms,
                 qPrintable(QString::number(result.second)));
    }

    void degenerateInputs()
    {
        // Too few samples: an error, and every result written as 0.
        const std::vector<double> one {1.0};
        PulseParam p;
        std::fill(std::begin(p.r), std::end(p.r), 7.0);
        p.status = m_pulseParam(one.data(), 0, &p.r[0], &p.r[1], &p.r[2], &p.r[3], &p.r[4], &p.r[5],
                                &p.r[6], &p.r[7], &p.index[0], &p.index[1], &p.index[2],
                                &p.index[3], &p.slope);
        QVERIFY(p.status < 0);
        QCOMPARE(p.r[0], 0.0);
        const PulseMeas m = pulseMeas(one, 1);
        QVERIFY(m.status < 0);
        QCOMPARE(m.period, 0.0);
        // A flat line has one level and no edges.
        const std::vector<double> flat(100, 0.7);
        const PulseParam f = pulseParam(flat);
        QCOMPARE(f.status, 0);
        QCOMPARE(f.r[4], 0.7);
        QCOMPARE(f.r[5], 0.7);
        QCOMPARE(f.index[2], 0);
        QCOMPARE(f.r[6], 0.0); // no amplitude, no overshoot to relate to it
        QCOMPARE(f.r[7], 0.0);
        QCOMPARE(pulseMeas(flat, 1).period, 0.0);
        const auto cycle = cycleMeanRms(flat);
        QVERIFY(std::fabs(cycle.first - 0.7) < 1e-12);
    }

    // What a caller may hand over by mistake: no sample may be read beyond count, no
    // histogram size may blow the module's tables, and a NaN must not stop the analysis.
    void hostileArguments()
    {
        std::vector<double> x = periodic(100, 5, [](int k) { return k < 50 ? 1.0 : 0.0; });
        double r[7];
        for (int32_t bins : {-5, 0, 1, 1000000}) {
            QCOMPARE(m_pulseMeas(x.data(), int32_t(x.size()), 1, 1, 90.0, 50.0, 10.0, 1, 2, bins,
                                 &r[0], &r[1], &r[2], &r[3], &r[4], &r[5], &r[6]),
                     0);
            QVERIFY2(std::fabs(r[0] - 100.0) <= 1.0, qPrintable(QString::number(r[0])));
        }
        QVERIFY(m_pulseMeas(x.data(), -3, 1, 1, 90.0, 50.0, 10.0, 1, 2, 256, &r[0], &r[1], &r[2],
                            &r[3], &r[4], &r[5], &r[6])
                < 0);
        QCOMPARE(r[0], 0.0);
        x[123] = std::nan("");
        x[0] = std::nan("");
        const PulseParam p = pulseParam(x);
        QCOMPARE(p.status, 0);
        x[0] = 1.0;
        x[310] = HUGE_VAL; // on a high stretch, and
        x[360] = -HUGE_VAL; // on a low one: no new edge, and no level moves
        const PulseParam levels = pulseParam(x);
        QCOMPARE(levels.r[4], 1.0);
        QCOMPARE(levels.r[5], 0.0);
        const PulseMeas m = pulseMeas(x, 1);
        QCOMPARE(m.status, 0);
        QVERIFY2(std::fabs(m.period - 100.0) <= 1.0, qPrintable(QString::number(m.period)));
    }
};

QTEST_GUILESS_MAIN(TestAnalysisLibrary)
#include "tst_analysislibrary.moc"
