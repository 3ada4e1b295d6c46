// The evaluations over sample ranges. Built twice: once beside the analysis module, and once
// (PRALUNE_WITHOUT_ANALYSIS_LIBRARY) in a folder of its own where the module cannot be found,
// as on a machine that lacks it: the inline values stay, every family value reads 0.
#include "resources/analysislibrary.h"

#include "nianlys.h"
#include "resources/evaluatedataprocessor.h"

#include "hardware/mathchannel.h"
#include "hardware/oscilloscopeframe.h"
#include "nianlys/nianlyscontrol.h"
#include "support/straightforwardevaluations.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <vector>

#ifdef PRALUNE_WITHOUT_ANALYSIS_LIBRARY
constexpr bool WithLibrary = false;
#else
constexpr bool WithLibrary = true;
#endif

using Samples = std::vector<double>;
using Types = QVector<int>;
using Values = QMap<int, double>;

namespace {
constexpr double Pi = 3.14159265358979323846;

bool inFamily(EvaluationType type)
{
    return CycleValuesSet.count(type) || PulseParamSet.count(type) || PulseMeasSet.count(type);
}

std::vector<EvaluationType> toTypes(const Types &types)
{
    std::vector<EvaluationType> result;
    for (int t : types)
        result.push_back(EvaluationType(t));
    return result;
}

std::vector<EvaluationType> everyType()
{
    std::vector<EvaluationType> types;
    for (int t = EvaluationTypeFirst; t <= EvaluationTypeLast; ++t)
        types.push_back(EvaluationType(t));
    return types;
}

template<typename F>
Samples periodic(int period, int periods, F shape)
{
    Samples x;
    x.reserve(size_t(period) * size_t(periods));
    for (int k = 0; k < period * periods; ++k)
        x.push_back(shape(k % period));
    return x;
}

// Starts on its high stretch of `highSamples`, then low for the rest of the period.
Samples square(int period, int highSamples, double high, double low, int periods)
{
    return periodic(period, periods, [=](int k) { return k < highSamples ? high : low; });
}

struct Trapezoid
{
    int lowSamples, riseSamples, highSamples, fallSamples;
    double low, high;
    int period() const { return lowSamples + riseSamples + highSamples + fallSamples; }
    double operator()(int k) const
    {
        const double a = high - low;
        if (k < lowSamples)
            return low;
        k -= lowSamples;
        if (k < riseSamples)
            return low + a * k / riseSamples;
        k -= riseSamples;
        if (k < highSamples)
            return high;
        return high - a * (k - highSamples) / fallSamples;
    }
};

// Mean of x and of x² over a straight stretch from a to b.
double rampMean(double a, double b)
{
    return (a + b) / 2;
}
double rampMeanSquare(double a, double b)
{
    return (a * a + a * b + b * b) / 3;
}

// The library's counters, reached in the module the binding loaded.
struct CallCounts
{
    int pulseParam = 0;
    int pulseMeas = 0;
    int cycle = 0;
    bool operator==(const CallCounts &o) const
    {
        return pulseParam == o.pulseParam && pulseMeas == o.pulseMeas && cycle == o.cycle;
    }
};
} // namespace

Q_DECLARE_METATYPE(Samples)

namespace QTest {
template<>
char *toString(const CallCounts &c)
{
    return qstrdup(qPrintable(QStringLiteral("PulseParam %1, PulseMeas %2, CycleRMSAverage %3")
                                      .arg(c.pulseParam)
                                      .arg(c.pulseMeas)
                                      .arg(c.cycle)));
}
} // namespace QTest

class TestEvaluateDataProcessor : public QObject
{
    Q_OBJECT
private slots:
    // First, while nothing has asked for a family yet.
    void loadsLibraryOnFirstFamilyRequest();

    void edgeCases_data();
    void edgeCases();
    void inlineValuesAtEveryPosition();
    void meanAndRmsTogetherAsAlone_data();
    void meanAndRmsTogetherAsAlone();
    void libraryCallsPerFamily_data();
    void libraryCallsPerFamily();
    void waves_data();
    void waves();
    void periodOfShortWindows_data();
    void periodOfShortWindows();
    void degenerateLibraryResults_data();
    void degenerateLibraryResults();
    void samplesNotFinite_data();
    void samplesNotFinite();
    void overshootInPerCent();
    void demonstrationFrameAsStraightforward_data();
    void demonstrationFrameAsStraightforward();

private:
    CallCounts calls();
    void resetCalls();
    // Every requested type against its expected value within 1 % (of the scale where the
    // value is 0); without the library each family value must be exactly 0.
    void verifyValues(const EvaluationResults &results, const Values &expected, double scale);

    QLibrary m_module;
    NianlysCallCountFunction m_callCount = nullptr;
    NianlysResetCallCountsFunction m_resetCalls = nullptr;
};

void TestEvaluateDataProcessor::loadsLibraryOnFirstFamilyRequest()
{
    const Samples x {0.0, 1.0, 0.0, 1.0};
    QVERIFY(!AnalysisLibrary::instance().isLoaded());
    calc(0.0, 1.0, x.data(), unsigned(x.size()), {EvaluationRms, EvaluationPeakToPeak}, 0, -1);
    QVERIFY(!AnalysisLibrary::instance().isLoaded());
    calc(0.0, 1.0, x.data(), unsigned(x.size()), {EvaluationCycleRms}, 0, -1);
    QCOMPARE(AnalysisLibrary::instance().isLoaded(), WithLibrary);
}

CallCounts TestEvaluateDataProcessor::calls()
{
    if (!m_callCount) {
        // The same file as the binding's, so the same loaded module and its counters.
        m_module.setFileName(QCoreApplication::applicationDirPath() + "/" NIANLYS_LIBRARY_NAME);
        m_callCount = reinterpret_cast<NianlysCallCountFunction>(
                m_module.resolve(NIANLYS_CALL_COUNT_EXPORT));
        m_resetCalls = reinterpret_cast<NianlysResetCallCountsFunction>(
                m_module.resolve(NIANLYS_RESET_CALL_COUNTS_EXPORT));
        if (!m_callCount || !m_resetCalls)
            qFatal("analysis module counters: %s", qPrintable(m_module.errorString()));
    }
    return {m_callCount(NIANLYS_PULSE_PARAM_EXPORT), m_callCount(NIANLYS_PULSE_MEAS_EXPORT),
            m_callCount(NIANLYS_CYCLE_RMS_AVERAGE_EXPORT)};
}

void TestEvaluateDataProcessor::resetCalls()
{
    calls();
    m_resetCalls();
}

void TestEvaluateDataProcessor::edgeCases_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<Types>("types");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QVector<double>>("expected");

    QTest::newRow("RMS and mean of ones")
            << Samples {1, 1, 1, 1} << Types {3, 6} << 0 << -1 << QVector<double> {1, 1};
    QTest::newRow("peak-to-peak alone")
            << Samples {2, -1, 5, 0} << Types {4} << 0 << -1 << QVector<double> {6};
    QTest::newRow("none and beyond the last type")
            << Samples {2, -1} << Types {0, 23} << 0 << -1 << QVector<double> {0, 0};
    QTest::newRow("repeated entries")
            << Samples {1, 3} << Types {10, 5, 10} << 0 << -1 << QVector<double> {3, 1, 3};
    // From index 1 to the end: 2, 3, 4.
    for (int last : {-1, 0, 4, 100}) {
        QTest::addRow("last %d means the end", last) << Samples {1, 2, 3, 4} << Types {6, 10, 5}
                                                     << 1 << last << QVector<double> {3, 4, 2};
    }
    QTest::newRow("range inside the data")
            << Samples {9, 2, 3, 4, -9} << Types {6, 4} << 1 << 4 << QVector<double> {3, 2};
    QTest::newRow("one-sample range") << Samples {3, -2.5, 7} << Types {5, 10, 4, 6, 3} << 1 << 2
                                      << QVector<double> {-2.5, -2.5, 0, -2.5, 2.5};
    // A range without a sample: 0 for everything, families included, and no library call.
    const Types some {5, 10, 4, 6, 3, 1, 13, 12};
    const QVector<double> zeros(some.size(), 0.0);
    QTest::newRow("empty range") << Samples {1, 2, 3} << some << 1 << 1 << zeros;
    QTest::newRow("first at the end of the data") << Samples {1, 2} << some << 2 << -1 << zeros;
    QTest::newRow("first beyond the data") << Samples {1, 2} << some << 7 << 9 << zeros;
    QTest::newRow("negative first") << Samples {1, 2} << some << -1 << -1 << zeros;
    QTest::newRow("no data") << Samples {} << some << 0 << -1 << zeros;
}

void TestEvaluateDataProcessor::edgeCases()
{
    QFETCH(Samples, samples);
    QFETCH(Types, types);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QVector<double>, expected);
    if (WithLibrary)
        resetCalls();

    const EvaluationResults results =
            calc(0.0, 1e-3, samples.data(), unsigned(samples.size()), toTypes(types), first, last);

    QCOMPARE(int(results.size()), types.size());
    for (int i = 0; i < types.size(); ++i) {
        QCOMPARE(int(results[size_t(i)].first), types[i]);
        QVERIFY2(std::fabs(results[size_t(i)].second - expected[i]) < 1e-12,
                 qPrintable(QStringLiteral("type %1: %2")
                                    .arg(types[i])
                                    .arg(results[size_t(i)].second)));
    }
    if (WithLibrary)
        QCOMPARE(calls(), CallCounts());
}

// The inline passes work on several samples at a time: the extremes and the odd samples at
// the end of a range must count wherever they fall.
void TestEvaluateDataProcessor::inlineValuesAtEveryPosition()
{
    const std::vector<EvaluationType> types {EvaluationMinimum, EvaluationMaximum,
                                             EvaluationPeakToPeak, EvaluationMean, EvaluationRms};
    for (int length = 1; length <= 13; ++length) {
        for (int low = 0; low < length; ++low) {
            const int high = (low + 1 + (length - 1) / 2) % length; // elsewhere when it can be
            Samples x(size_t(length), 0.5);
            x[size_t(high)] = 4.0;
            x[size_t(low)] = -3.0;
            double sum = 0.0, squares = 0.0;
            for (double v : x) {
                sum += v;
                squares += v * v;
            }
            const EvaluationResults r = calc(0.0, 1.0, x.data(), unsigned(x.size()), types, 0, -1);
            const QByteArray where = QByteArray::number(length) + "/" + QByteArray::number(low);
            QVERIFY2(r[0].second == -3.0, where.constData());
            QVERIFY2(r[1].second == (length > 1 ? 4.0 : -3.0), where.constData());
            QVERIFY2(r[2].second == r[1].second - r[0].second, where.constData());
            QVERIFY2(std::fabs(r[3].second - sum / length) < 1e-12, where.constData());
            QVERIFY2(std::fabs(r[4].second - std::sqrt(squares / length)) < 1e-12,
                     where.constData());
        }
    }
}

void TestEvaluateDataProcessor::meanAndRmsTogetherAsAlone_data()
{
    QTest::addColumn<Samples>("samples");
    for (int length : {1, 3, 4, 5, 13, 1001}) {
        Samples x;
        for (int k = 0; k < length; ++k)
            x.push_back(std::sin(0.7 * k) * 3.3 + 0.1 * k);
        QTest::addRow("%d samples", length) << x;
    }
    QTest::newRow("a NaN") << Samples {1.0, std::nan(""), 2.0, 3.0, 4.0};
    QTest::newRow("an infinity in the tail") << Samples {1.0, 2.0, 3.0, 4.0, -HUGE_VAL};
}

// Asked together, mean and RMS share one pass; each must still be the number it is alone.
void TestEvaluateDataProcessor::meanAndRmsTogetherAsAlone()
{
    QFETCH(Samples, samples);
    const auto one = [&](const std::vector<EvaluationType> &types) {
        return calc(0.0, 1.0, samples.data(), unsigned(samples.size()), types, 0, -1);
    };
    const EvaluationResults both = one({EvaluationRms, EvaluationMean});
    const double mean = one({EvaluationMean})[0].second;
    const double rms = one({EvaluationRms})[0].second;
    QCOMPARE(std::isnan(both[1].second), std::isnan(mean));
    QCOMPARE(std::isnan(both[0].second), std::isnan(rms));
    if (!std::isnan(mean))
        QVERIFY(both[1].second == mean);
    if (!std::isnan(rms))
        QVERIFY(both[0].second == rms);
}

void TestEvaluateDataProcessor::libraryCallsPerFamily_data()
{
    QTest::addColumn<Types>("types");
    QTest::addColumn<int>("pulseParam");
    QTest::addColumn<int>("pulseMeas"); // one call per polarity asked
    QTest::addColumn<int>("cycle");
    QTest::newRow("inline only") << Types {3, 4, 5, 6, 10} << 0 << 0 << 0;
    QTest::newRow("cycle pair with others between") << Types {12, 3, 6, 9, 12} << 0 << 0 << 1;
    QTest::newRow("every pulse parameter")
            << Types {7, 2, 1, 8, 11, 20, 22, 18, 15, 1} << 1 << 0 << 0;
    QTest::newRow("every pulse timing") << Types {13, 16, 21, 17, 19, 14, 16} << 0 << 2 << 0;
    // The negative polarity gives only the negative width and duty cycle.
    QTest::newRow("positive pulse timing") << Types {13, 16, 19, 14, 16} << 0 << 1 << 0;
    QTest::newRow("negative pulse timing") << Types {21, 17} << 0 << 1 << 0;
    QTest::newRow("oscilloscope default") << Types {1, 6, 3, 16} << 1 << 1 << 0;
    Types all;
    for (int t = 22; t >= 0; --t)
        all << t;
    QTest::newRow("every evaluation twice") << all + all << 1 << 2 << 1;
}

void TestEvaluateDataProcessor::libraryCallsPerFamily()
{
    if (!WithLibrary)
        QSKIP("no library to count calls of");
    QFETCH(Types, types);
    QFETCH(int, pulseParam);
    QFETCH(int, pulseMeas);
    QFETCH(int, cycle);
    const Samples x = square(50, 20, 1.0, 0.0, 4);
    resetCalls();
    calc(0.0, 1e-6, x.data(), unsigned(x.size()), toTypes(types), 0, -1);
    QCOMPARE(calls(), (CallCounts {pulseParam, pulseMeas, cycle}));
}

void TestEvaluateDataProcessor::verifyValues(const EvaluationResults &results,
                                             const Values &expected, double scale)
{
    for (const auto &result : results) {
        const EvaluationType type = result.first;
        const double value = result.second;
        const QByteArray label = QByteArray::number(int(type)) + ": " + QByteArray::number(value);
        if (!WithLibrary && inFamily(type)) {
            QVERIFY2(value == 0.0, label.constData());
            continue;
        }
        if (!expected.contains(type))
            continue;
        const double e = expected.value(type);
        const double tolerance = 0.01 * (e != 0.0 ? std::fabs(e) : scale);
        QVERIFY2(std::isfinite(value) && std::fabs(value - e) <= tolerance,
                 QByteArray(label + " expected " + QByteArray::number(e)).constData());
    }
}

void TestEvaluateDataProcessor::waves_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<double>("sampleInterval");
    QTest::addColumn<double>("scale");
    QTest::addColumn<Values>("expected");

    {
        // 1 kHz at 1 MS/s, high 30 % of the period at 2.5 V, else -0.5 V. Its edges are
        // steps, shorter than a sample interval, so rise and fall are left out.
        const double dt = 1e-6, high = 2.5, low = -0.5;
        Values v;
        v[EvaluationAmplitude] = high - low;
        v[EvaluationHigh] = high;
        v[EvaluationLow] = low;
        v[EvaluationMaximum] = high;
        v[EvaluationMinimum] = low;
        v[EvaluationPeakToPeak] = high - low;
        v[EvaluationOvershoot] = 0.0;
        v[EvaluationUndershoot] = 0.0;
        v[EvaluationMean] = v[EvaluationCycleMean] = 0.3 * high + 0.7 * low;
        v[EvaluationRms] = v[EvaluationCycleRms] = std::sqrt(0.3 * high * high + 0.7 * low * low);
        v[EvaluationPeriod] = 1000 * dt;
        v[EvaluationFrequency] = 1.0 / (1000 * dt);
        v[EvaluationPositivePulseWidth] = 300 * dt;
        v[EvaluationNegativePulseWidth] = 700 * dt;
        v[EvaluationPositiveDutyCycle] = 30.0;
        v[EvaluationNegativeDutyCycle] = 70.0;
        QTest::newRow("square") << square(1000, 300, high, low, 20) << dt << high - low << v;
    }
    {
        // Low 600 samples, a 250-sample rise, high 750, a 400-sample fall; 2 µs a sample.
        const Trapezoid shape {600, 250, 750, 400, 0.2, 3.2};
        const double dt = 2e-6, a = shape.high - shape.low;
        const double p = shape.period();
        Values v;
        v[EvaluationAmplitude] = a;
        v[EvaluationHigh] = v[EvaluationMaximum] = shape.high;
        v[EvaluationLow] = v[EvaluationMinimum] = shape.low;
        v[EvaluationPeakToPeak] = a;
        v[EvaluationOvershoot] = v[EvaluationUndershoot] = 0.0;
        const double ramps = shape.riseSamples + shape.fallSamples;
        v[EvaluationMean] = v[EvaluationCycleMean] =
                (shape.lowSamples * shape.low + shape.highSamples * shape.high
                 + ramps * rampMean(shape.low, shape.high))
                / p;
        v[EvaluationRms] = v[EvaluationCycleRms] =
                std::sqrt((shape.lowSamples * shape.low * shape.low
                           + shape.highSamples * shape.high * shape.high
                           + ramps * rampMeanSquare(shape.low, shape.high))
                          / p);
        // 10 % to 90 % of a straight edge is 80 % of it.
        v[EvaluationRiseTime] = 0.8 * shape.riseSamples * dt;
        v[EvaluationFallTime] = 0.8 * shape.fallSamples * dt;
        v[EvaluationRiseRate] = a / (shape.riseSamples * dt);
        v[EvaluationFallRate] = a / (shape.fallSamples * dt);
        v[EvaluationPeriod] = p * dt;
        v[EvaluationFrequency] = 1.0 / (p * dt);
        // Between the 50 % points: half of each edge belongs to the pulse.
        const double positive = shape.highSamples + (shape.riseSamples + shape.fallSamples) / 2.0;
        v[EvaluationPositivePulseWidth] = positive * dt;
        v[EvaluationNegativePulseWidth] = (p - positive) * dt;
        v[EvaluationPositiveDutyCycle] = 100.0 * positive / p;
        v[EvaluationNegativeDutyCycle] = 100.0 * (p - positive) / p;
        QTest::newRow("trapezoid") << periodic(shape.period(), 10, shape) << dt << a << v;
    }
    {
        // 0.5 V + 1.5 V sin, 1000 samples a period at 0.5 µs a sample (2 kHz).
        const double dt = 5e-7, offset = 0.5, peak = 1.5, period = 1000;
        Values v;
        v[EvaluationAmplitude] = v[EvaluationPeakToPeak] = 2 * peak;
        v[EvaluationHigh] = v[EvaluationMaximum] = offset + peak;
        v[EvaluationLow] = v[EvaluationMinimum] = offset - peak;
        // The modal levels lie a histogram bin inside the peaks, so a sine shows an overshoot
        // of a fraction of a per cent; it is not checked here.
        v[EvaluationMean] = v[EvaluationCycleMean] = offset;
        v[EvaluationRms] = v[EvaluationCycleRms] = std::sqrt(offset * offset + peak * peak / 2);
        // From -80 % to +80 % of the peak: asin(0.8) either side of the zero crossing.
        const double edge = 2 * std::asin(0.8) / (2 * Pi) * period * dt;
        v[EvaluationRiseTime] = v[EvaluationFallTime] = edge;
        v[EvaluationRiseRate] = v[EvaluationFallRate] = 0.8 * 2 * peak / edge;
        v[EvaluationPeriod] = period * dt;
        v[EvaluationFrequency] = 1.0 / (period * dt);
        v[EvaluationPositivePulseWidth] = v[EvaluationNegativePulseWidth] = period / 2 * dt;
        v[EvaluationPositiveDutyCycle] = v[EvaluationNegativeDutyCycle] = 50.0;
        QTest::newRow("sine") << periodic(int(period), 12, [=](int k) {
            return offset + peak * std::sin(2 * Pi * k / period);
        }) << dt << 2 * peak << v;
    }
}

void TestEvaluateDataProcessor::waves()
{
    QFETCH(Samples, samples);
    QFETCH(double, sampleInterval);
    QFETCH(double, scale);
    QFETCH(Values, expected);
    const EvaluationResults results =
            calc(0.0, sampleInterval, samples.data(), unsigned(samples.size()), everyType(), 0, -1);
    QCOMPARE(int(results.size()), EvaluationTypeLast);
    verifyValues(results, expected, scale);
}

// A window as short as one or two periods of the wave, as at a short time base: one whole
// cycle in it gives the period. The sine window opens a twentieth of a period before a rising
// crossing, so that 1.2 periods hold a cycle from it to the next one. Opened 0.45 of a period
// before it instead, 1.2 periods hold one rising and one falling crossing, no whole cycle, and
// no period.
void TestEvaluateDataProcessor::periodOfShortWindows_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<double>("sampleInterval");
    QTest::addColumn<double>("scale");
    QTest::addColumn<Values>("expected");
    const double dt = 1e-6, peak = 1.5;
    const int period = 500;
    std::mt19937 engine(20260u);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    const auto sine = [&](double periods, double lead, double noise) {
        Samples x(size_t(std::lround(periods * period)));
        for (size_t k = 0; k < x.size(); ++k)
            x[k] = peak * std::sin(2 * Pi * (double(k) / period - lead)) + noise * uniform(engine);
        return x;
    };
    for (const double noise : {0.0, 0.02}) {
        for (const double periods : {0.8, 1.2, 1.5, 2.0, 2.4, 5.0}) {
            Values v;
            const bool cycle = periods >= 1.0;
            v[EvaluationPeriod] = cycle ? period * dt : 0.0;
            v[EvaluationFrequency] = cycle ? 1.0 / (period * dt) : 0.0;
            // From two periods on both kinds of pulse lie whole in the window.
            if (periods >= 2.0) {
                v[EvaluationPositivePulseWidth] = v[EvaluationNegativePulseWidth] = period / 2 * dt;
                v[EvaluationPositiveDutyCycle] = v[EvaluationNegativeDutyCycle] = 50.0;
            }
            // Scale 0: a value expected to be 0 must be 0.
            QTest::addRow("%s sine, %.1f periods", noise > 0.0 ? "noisy" : "clean", periods)
                    << sine(periods, 0.05, noise) << dt << 0.0 << v;
        }
        Values none;
        none[EvaluationPeriod] = none[EvaluationFrequency] = 0.0;
        QTest::addRow("%s sine, 1.2 periods without a whole cycle", noise > 0.0 ? "noisy" : "clean")
                << sine(1.2, 0.45, noise) << dt << 0.0 << none;
    }
}

void TestEvaluateDataProcessor::periodOfShortWindows()
{
    QFETCH(Samples, samples);
    QFETCH(double, sampleInterval);
    QFETCH(double, scale);
    QFETCH(Values, expected);
    const std::vector<EvaluationType> types(PulseMeasSet.begin(), PulseMeasSet.end());
    const EvaluationResults results =
            calc(0.0, sampleInterval, samples.data(), unsigned(samples.size()), types, 0, -1);
    verifyValues(results, expected, scale);
}

void TestEvaluateDataProcessor::degenerateLibraryResults_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<double>("sampleInterval");
    QTest::addColumn<Values>("expected");
    // One level and no edge: the state levels are equal, there is no period to invert.
    Values flat;
    flat[EvaluationHigh] = flat[EvaluationLow] = 0.7;
    flat[EvaluationAmplitude] = 0.0;
    flat[EvaluationPeriod] = flat[EvaluationFrequency] = 0.0;
    flat[EvaluationRiseRate] = flat[EvaluationFallRate] = 0.0;
    flat[EvaluationMean] = flat[EvaluationMaximum] = 0.7;
    QTest::newRow("flat line") << Samples(500, 0.7) << 1e-3 << flat;
    // Without a sample interval every time is 0, and no rate becomes an infinity.
    Values untimed;
    untimed[EvaluationPeriod] = untimed[EvaluationFrequency] = 0.0;
    untimed[EvaluationRiseTime] = untimed[EvaluationRiseRate] = 0.0;
    untimed[EvaluationFallTime] = untimed[EvaluationFallRate] = 0.0;
    untimed[EvaluationPositiveDutyCycle] = 40.0;
    QTest::newRow("no sample interval") << square(100, 40, 1.0, 0.0, 10) << 0.0 << untimed;
    // A single rising step has no falling edge, so nothing falls at any rate.
    Values step;
    step[EvaluationFallTime] = step[EvaluationFallRate] = 0.0;
    Samples rising(500, 0.0);
    std::fill(rising.begin() + 250, rising.end(), 1.0);
    QTest::newRow("single rising step") << rising << 1e-6 << step;
}

// A quotient of the math channel writes an infinity for x / 0, and the evaluations run on
// that row: the sample is missing, and the pulse timing of the rest holds.
void TestEvaluateDataProcessor::samplesNotFinite_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("value");
    QTest::newRow("+inf at the start") << 0 << HUGE_VAL;
    QTest::newRow("-inf at the start") << 0 << -HUGE_VAL;
    QTest::newRow("+inf inside a pulse") << 525 << HUGE_VAL;
    QTest::newRow("-inf inside a pulse") << 525 << -HUGE_VAL;
    QTest::newRow("+inf at a pulse's first sample") << 500 << HUGE_VAL;
    QTest::newRow("-inf in the last stretch") << 990 << -HUGE_VAL;
    QTest::newRow("+inf as the last sample") << 999 << HUGE_VAL;
    QTest::newRow("NaN inside a pulse") << 525 << std::nan("");
}

void TestEvaluateDataProcessor::samplesNotFinite()
{
    QFETCH(int, position);
    QFETCH(double, value);
    // A ±1 V square of 10 periods of 100 µs at 1 µs a sample, high first.
    Samples samples = square(100, 50, 1.0, -1.0, 10);
    samples[size_t(position)] = value;
    const double dt = 1e-6;
    Values v;
    v[EvaluationAmplitude] = 2.0;
    v[EvaluationHigh] = 1.0;
    v[EvaluationLow] = -1.0;
    v[EvaluationOvershoot] = v[EvaluationUndershoot] = 0.0;
    v[EvaluationPeriod] = 100 * dt;
    v[EvaluationFrequency] = 1.0 / (100 * dt);
    v[EvaluationPositivePulseWidth] = v[EvaluationNegativePulseWidth] = 50 * dt;
    v[EvaluationPositiveDutyCycle] = v[EvaluationNegativeDutyCycle] = 50.0;
    // 10 % to 90 % of a step lies within its one sample interval.
    v[EvaluationRiseTime] = v[EvaluationFallTime] = dt;
    v[EvaluationRiseRate] = 1.6 / 0.8 / dt; // the 10 % to 90 % span over the crossings
    v[EvaluationFallRate] = 1.6 / dt; // the same span over the whole samples of the fall
    v[EvaluationCycleMean] = 0.0;
    v[EvaluationCycleRms] = 1.0;
    const EvaluationResults results =
            calc(0.0, dt, samples.data(), unsigned(samples.size()), everyType(), 0, -1);
    QCOMPARE(int(results.size()), EvaluationTypeLast);
    verifyValues(results, v, 2.0);
}

void TestEvaluateDataProcessor::overshootInPerCent()
{
    // 37 % of a 1 V pulse above its high level, 12 % below its low level.
    Samples samples = square(100, 50, 1.0, 0.0, 10);
    samples[20] = 1.37;
    samples[570] = -0.12;
    Values v;
    v[EvaluationAmplitude] = 1.0;
    v[EvaluationOvershoot] = 37.0;
    v[EvaluationUndershoot] = 12.0;
    const EvaluationResults results =
            calc(0.0, 1e-6, samples.data(), unsigned(samples.size()), everyType(), 0, -1);
    verifyValues(results, v, 1.0);
}

void TestEvaluateDataProcessor::degenerateLibraryResults()
{
    QFETCH(Samples, samples);
    QFETCH(double, sampleInterval);
    QFETCH(Values, expected);
    const EvaluationResults results =
            calc(0.0, sampleInterval, samples.data(), unsigned(samples.size()), everyType(), 0, -1);
    verifyValues(results, expected, 1.0);
}

namespace {

// The rows the oscilloscope's cycle evaluates at its largest read limit: channels A and B of
// one demonstration frame and its math row, as A + B and as A - B (noise).
struct DemonstrationRows
{
    QVector<double> rows[4];
    static const char *name(int row)
    {
        static const char *const names[] = {"A", "B", "A+B", "A-B"};
        return names[row];
    }
};

QVector<QVector<double>> demonstrationFrame(int operation)
{
    OscilloscopeFrame frame(2, 1e-6);
    frame.setChannel(0, true, 0.0);
    frame.setChannel(1, true, 0.0);
    frame.configureMath(true, operation, 0, 1, 0.0);
    frame.setTimeBase(1e-6, 1.024, 0.0);
    frame.generateDemo();
    frame.complete();
    return frame.rows();
}

const DemonstrationRows &demonstrationRows()
{
    static const DemonstrationRows rows = [] {
        const QVector<QVector<double>> sum = demonstrationFrame(MathChannel::Sum);
        const QVector<QVector<double>> difference = demonstrationFrame(MathChannel::Difference);
        return DemonstrationRows {{sum[0], sum[1], sum[2], difference[2]}};
    }();
    return rows;
}

} // namespace

void TestEvaluateDataProcessor::demonstrationFrameAsStraightforward_data()
{
    QTest::addColumn<int>("type");
    for (int t = EvaluationTypeFirst; t <= EvaluationTypeLast; ++t)
        QTest::addRow("type %d", t) << t;
}

// calc() shares passes and library calls between the evaluations of one request; each value
// must still be the one the evaluation gives on its own. Mean and RMS add in another order,
// so they agree to rounding; every other value is the same number.
void TestEvaluateDataProcessor::demonstrationFrameAsStraightforward()
{
    QFETCH(int, type);
    const double dt = 1e-6;
    const DemonstrationRows &frame = demonstrationRows();
    QCOMPARE(frame.rows[0].size(), 1024000);
    const std::vector<EvaluationType> every = everyType();
    const std::vector<EvaluationType> defaults {EvaluationAmplitude, EvaluationMean, EvaluationRms,
                                                EvaluationFrequency};
    // Per row: every type at once, and the default selection.
    static std::vector<EvaluationResults> everyResults, defaultResults;
    if (everyResults.empty()) {
        for (const QVector<double> &x : frame.rows) {
            everyResults.push_back(calc(0.0, dt, x.constData(), unsigned(x.size()), every, 0, -1));
            defaultResults.push_back(
                    calc(0.0, dt, x.constData(), unsigned(x.size()), defaults, 0, -1));
        }
    }
    const bool rounded = type == EvaluationMean || type == EvaluationRms;
    for (int row = 0; row < 4; ++row) {
        const QVector<double> &x = frame.rows[row];
        const double expected =
                straightforward::value(EvaluationType(type), x.constData(), size_t(x.size()), dt);
        std::vector<double> found {everyResults[size_t(row)][size_t(type - 1)].second};
        for (const auto &[t, v] : defaultResults[size_t(row)]) {
            if (t == type)
                found.push_back(v);
        }
        for (double value : found) {
            const QByteArray label = QByteArray(DemonstrationRows::name(row)) + ": "
                    + QByteArray::number(value, 'g', 17) + " expected "
                    + QByteArray::number(expected, 'g', 17);
            QVERIFY2(std::isfinite(value), label.constData());
            if (rounded)
                QVERIFY2(std::fabs(value - expected) <= 1e-12 * std::max(1.0, std::fabs(expected)),
                         label.constData());
            else
                QVERIFY2(value == expected, label.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestEvaluateDataProcessor)
#include "tst_evaluatedataprocessor.moc"
