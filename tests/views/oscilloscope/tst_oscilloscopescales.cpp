// The oscilloscope panel's scale rules: sample period and scan time per time base and point
// limit, the time-per-division buttons, prehistory quantization and correction, volts-per-division
// steps, scale texts, wheel and pinch steps.
#include "views/oscilloscope/oscilloscopescales.h"

#include <QtTest>

#include <limits>

using namespace OscilloscopeScales;

Q_DECLARE_METATYPE(OscilloscopeScales::RoundPeriodFunction)
Q_DECLARE_METATYPE(OscilloscopeScales::TimeStep)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

RoundPeriodFunction constantRule(double period)
{
    return [period](double, double) { return period; };
}

} // namespace

class TestOscilloscopeScales : public QObject
{
    Q_OBJECT
private slots:
    void pointCount_data()
    {
        QTest::addColumn<quint64>("limit");
        QTest::addColumn<quint64>("count");
        QTest::newRow("10000") << quint64(10000) << quint64(10240);
        QTest::newRow("100000") << quint64(100000) << quint64(102400);
        QTest::newRow("500000") << quint64(500000) << quint64(512000);
        QTest::newRow("1000000") << quint64(1000000) << quint64(1024000);
        QTest::newRow("truncated") << quint64(999) << quint64(1022);
        QTest::newRow("zero") << quint64(0) << quint64(0);
        QTest::newRow("limit times 1024 past 64 bits")
                << quint64(std::numeric_limits<quint64>::max() / 1000)
                << std::numeric_limits<quint64>::max() / 1000 / 1000 * 1024
                        + std::numeric_limits<quint64>::max() / 1000 % 1000 * 1024 / 1000;
        QTest::newRow("saturates")
                << std::numeric_limits<quint64>::max() << std::numeric_limits<quint64>::max();
    }
    void pointCount()
    {
        QFETCH(quint64, limit);
        QFETCH(quint64, count);
        QCOMPARE(maximumPointCount(limit), count);
    }

    void timeBase_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<quint64>("points");
        QTest::addColumn<RoundPeriodFunction>("rule");
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("scanTime");
        const double span = 1.6;
        const quint64 m = 10240;
        QTest::newRow("default: 0.2 s/div, 10240 points")
                << 25 << m << RoundPeriodFunction() << 0.003125 << 32.0;
        QTest::newRow("rule fits the span into M")
                << 25 << m << constantRule(span / m) << span / m << span;
        QTest::newRow("rule gives half of span / M")
                << 25 << m << constantRule(span / m / 2) << span / m / 2 << 1.25 * m * span / m / 2;
        QTest::newRow("rule gives 0") << 25 << m << constantRule(0.0) << 0.003125 << 32.0;
        QTest::newRow("rule gives NaN") << 25 << m << constantRule(notANumber) << 0.003125 << 32.0;
        QTest::newRow("rule gives -1") << 25 << m << constantRule(-1.0) << 0.003125 << 32.0;
        QTest::newRow("rule gives infinity")
                << 25 << m << constantRule(infinity) << 0.003125 << 32.0;
        QTest::newRow("rule receives wanted, then coarsest")
                << 25 << m << RoundPeriodFunction([](double wanted, double coarsest) {
                       return wanted < coarsest ? wanted : -1.0;
                   })
                << span / m << span;
        QTest::newRow("fewer than 512 points")
                << 25 << quint64(100) << constantRule(span / 100) << span / 100 << 512 * span / 100;
        QTest::newRow("1 ns/div") << 0 << m << RoundPeriodFunction() << 8e-9 / 512 << 20 * 8e-9;
        QTest::newRow("count beyond 64 bits")
                << 25 << m << constantRule(1e-300) << 1e-300 << 1.25 * m * 1e-300;
        QTest::newRow("no points") << 25 << quint64(0) << RoundPeriodFunction() << 0.003125 << 0.0;
        QTest::newRow("index past the table") << 28 << m << RoundPeriodFunction() << 0.0 << 0.0;
        QTest::newRow("negative index") << -1 << m << RoundPeriodFunction() << 0.0 << 0.0;
    }
    void timeBase()
    {
        QFETCH(int, index);
        QFETCH(quint64, points);
        QFETCH(RoundPeriodFunction, rule);
        QFETCH(double, period);
        QFETCH(double, scanTime);
        QCOMPARE(periodValue(index, points, rule), period);
        QCOMPARE(scanTimeValue(index, points, rule), scanTime);
    }

    void timeButtons_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<quint64>("points");
        QTest::addColumn<RoundPeriodFunction>("rule");
        QTest::addColumn<bool>("increase");
        QTest::addColumn<bool>("decrease");
        const quint64 m = 10240;
        QTest::newRow("first entry") << 0 << m << RoundPeriodFunction() << true << false;
        QTest::newRow("default") << 25 << m << RoundPeriodFunction() << true << true;
        QTest::newRow("last entry") << 27 << m << RoundPeriodFunction() << false << true;
        // A scan of 1.25 × 100 periods is too short to offer a faster time base.
        QTest::newRow("scan shorter than 512 periods")
                << 25 << quint64(100) << constantRule(1.6 / 100 / 2) << true << false;
    }
    void timeButtons()
    {
        QFETCH(int, index);
        QFETCH(quint64, points);
        QFETCH(RoundPeriodFunction, rule);
        QFETCH(bool, increase);
        QFETCH(bool, decrease);
        const double period = periodValue(index, points, rule);
        QCOMPARE(timeIncreaseEnabled(index), increase);
        QCOMPARE(timeDecreaseEnabled(index, scanTimeValue(index, points, rule), period), decrease);
    }

    void storedIndex()
    {
        QCOMPARE(storedTimeIndex(-1), std::nullopt);
        QCOMPARE(storedTimeIndex(0), std::optional<int>(0));
        QCOMPARE(storedTimeIndex(27), std::optional<int>(27));
        QCOMPARE(storedTimeIndex(28), std::optional<int>(27));
        QCOMPARE(storedTimeIndex(30), std::optional<int>(27));
    }

    void quantized_data()
    {
        QTest::addColumn<double>("current");
        QTest::addColumn<double>("requested");
        QTest::addColumn<std::optional<double>>("result");
        const double step = 0.25;
        QTest::newRow("2.5 steps growing") << step << 2.5 * step << std::optional(2 * step);
        QTest::newRow("2.5 steps shrinking") << 5 * step << 2.5 * step << std::optional(3 * step);
        QTest::newRow("one step shrinking") << 3 * step << step << std::optional(step);
        QTest::newRow("whole steps shrinking") << 5 * step << 2 * step << std::optional(2 * step);
        // A request computed in other units lands a hair off its blocks.
        QTest::newRow("a hair under three steps growing")
                << step << 3 * step * (1.0 - 1e-12) << std::optional(3 * step);
        QTest::newRow("a hair over two steps shrinking")
                << 5 * step << 2 * step * (1.0 + 1e-12) << std::optional(2 * step);
        QTest::newRow("below one step") << 3 * step << 0.1 * step << std::optional(step);
        QTest::newRow("negative") << 3 * step << -2 * step << std::optional(step);
        QTest::newRow("unchanged") << 2 * step << 2 * step << std::optional<double>();
        QTest::newRow("NaN request") << 2 * step << notANumber << std::optional<double>();
    }
    void quantized()
    {
        QFETCH(double, current);
        QFETCH(double, requested);
        QFETCH(std::optional<double>, result);
        QCOMPARE(quantizedPrehistory(current, requested, 0.25), result);
        QCOMPARE(quantizedPrehistory(current, requested, 0.0), std::optional<double>());
    }

    void corrected_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<std::optional<double>>("result");
        QTest::newRow("below the maximum") << 5.0 << 10.0 << std::optional<double>();
        QTest::newRow("at the maximum") << 10.0 << 10.0 << std::optional<double>();
        QTest::newRow("up to 10 % above stays") << 10.5 << 10.0 << std::optional(10.5);
        QTest::newRow("more than 10 % above") << 12.0 << 10.0 << std::optional(10.0);
        QTest::newRow("maximum below one step") << 2.0 << 0.5 << std::optional(0.5);
        QTest::newRow("maximum just below one step") << 2.0 << 0.95 << std::optional(1.0);
    }
    void corrected()
    {
        QFETCH(double, value);
        QFETCH(double, maximum);
        QFETCH(std::optional<double>, result);
        QCOMPARE(correctedPrehistory(value, maximum, 1.0), result);
    }

    void prehistoryLimits()
    {
        // The default time base: blocks of 32 periods, the scan less one block.
        QCOMPARE(prehistoryStep(0.003125), 0.1);
        QCOMPARE(prehistoryMaximum(32.0, 0.003125), 31.9);
    }

    void voltSteps_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("raised");
        QTest::addColumn<std::optional<double>>("ratio");
        QTest::newRow("6 to 7") << 7 << true << std::optional(0.5);
        QTest::newRow("7 back to 6") << 6 << false << std::optional(2.0);
        QTest::newRow("8 to 9") << 9 << true << std::optional(0.4);
        QTest::newRow("9 back to 8") << 8 << false << std::optional(2.5);
        QTest::newRow("raised at the first entry") << 0 << true << std::optional<double>();
        QTest::newRow("lowered at the last entry") << 9 << false << std::optional<double>();
        QTest::newRow("past the table") << 10 << true << std::optional<double>();
        QTest::newRow("negative") << -1 << false << std::optional<double>();
    }
    void voltSteps()
    {
        QFETCH(int, index);
        QFETCH(bool, raised);
        QFETCH(std::optional<double>, ratio);
        QCOMPARE(voltStepRatio(index, raised), ratio);
    }

    void voltButtons()
    {
        QVERIFY(!voltDecreaseEnabled(0));
        QVERIFY(voltIncreaseEnabled(0));
        QVERIFY(voltDecreaseEnabled(9));
        QVERIFY(!voltIncreaseEnabled(9));
        QCOMPARE(clampedVoltIndex(-3), 0);
        QCOMPARE(clampedVoltIndex(12), 9);
        QCOMPARE(clampedVoltIndex(6), 6);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("0.2 s") << timeDivisionText(25) << "200ms";
        QTest::newRow("1 ns") << timeDivisionText(0) << "1ns";
        QTest::newRow("1 s") << timeDivisionText(27) << "1s";
        QTest::newRow("5 mV") << voltDivisionText(0) << "5mV";
        QTest::newRow("0.5 V") << voltDivisionText(6) << "500mV";
        QTest::newRow("5 V") << voltDivisionText(9) << "5V";
        QTest::newRow("no time text past the table") << timeDivisionText(28) << "";
        QTest::newRow("no volt text past the table") << voltDivisionText(10) << "";
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QCOMPARE(text.simplified().remove(' '), plain);
    }

    void wheel_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<bool>("increase");
        QTest::addColumn<bool>("decrease");
        QTest::addColumn<TimeStep>("step");
        QTest::newRow("towards the user") << -120 << true << true << TimeStep::Increase;
        QTest::newRow("away") << 120 << true << true << TimeStep::Decrease;
        QTest::newRow("zero delta") << 0 << true << true << TimeStep::None;
        QTest::newRow("at the last entry") << -120 << false << true << TimeStep::None;
        QTest::newRow("at the first entry") << 120 << true << false << TimeStep::None;
    }
    void wheel()
    {
        QFETCH(int, delta);
        QFETCH(bool, increase);
        QFETCH(bool, decrease);
        QFETCH(TimeStep, step);
        QCOMPARE(wheelStep(delta, increase, decrease), step);
    }

    void pinch_data()
    {
        QTest::addColumn<double>("last");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("current");
        QTest::addColumn<TimeStep>("step");
        QTest::newRow("within 1.5") << 1.0 << 1.4 << 1.1 << TimeStep::None;
        QTest::newRow("exactly 1.5") << 1.0 << 1.5 << 1.1 << TimeStep::None;
        QTest::newRow("spread past 1.5") << 1.0 << 1.6 << 1.1 << TimeStep::Decrease;
        QTest::newRow("pinched past 1.5") << 1.0 << 0.6 << 0.9 << TimeStep::Increase;
        QTest::newRow("next step from the last") << 1.6 << 2.3 << 1.1 << TimeStep::None;
        QTest::newRow("current scale 1") << 1.0 << 2.0 << 1.0 << TimeStep::None;
        QTest::newRow("zero last scale") << 0.0 << 2.0 << 1.1 << TimeStep::None;
        QTest::newRow("zero total scale") << 1.0 << 0.0 << 0.9 << TimeStep::None;
        QTest::newRow("NaN total scale") << 1.0 << notANumber << 0.9 << TimeStep::None;
    }
    void pinch()
    {
        QFETCH(double, last);
        QFETCH(double, total);
        QFETCH(double, current);
        QFETCH(TimeStep, step);
        QCOMPARE(pinchStep(last, total, current, true, true), step);
        QCOMPARE(pinchStep(last, total, current, false, false), TimeStep::None);
    }
};

QTEST_MAIN(TestOscilloscopeScales)
#include "tst_oscilloscopescales.moc"
