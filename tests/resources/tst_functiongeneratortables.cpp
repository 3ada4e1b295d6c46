#include "resources/kw7signaltables.h"

#include <QtTest>

#include <limits>

using F = FunctionGeneratorStandardFunction;

// Stored states and the driver hold these as 32-bit numbers.
static_assert(sizeof(F) == 4, "a standard function is stored as a 32-bit number");
static_assert(int(FunctionGeneratorStartType::Stopped) == 3, "stored start types never change");
static_assert(int(F::GaussianNoise) == 12, "stored standard functions never change");

class TestFunctionGeneratorTables : public QObject
{
    Q_OBJECT
private slots:
    void defaultRecords();
    void rates_data();
    void rates();
    void params_data();
    void params();
    void square();
    void rectangularAndTriangle_data();
    void rectangularAndTriangle();
    void ramps();
    void phase_data();
    void phase();
    void awgBuffer();
    void awgLength_data();
    void awgLength();
};

void TestFunctionGeneratorTables::defaultRecords()
{
    const FunctionGeneratorChannelOptions channel;
    QCOMPARE(channel.standardFunction, F::Sine);
    QCOMPARE(channel.outputOptions.sampling_frequency, 1200u);
    QCOMPARE(channel.outputOptions.impedance, 50.0);
    QCOMPARE(channel.outputOptions.range, 10u);
    QCOMPARE(channel.outputOptions.offset, 0.0);
    QCOMPARE(channel.outputOptions.impedance_limits.max, 0.0);
    QVERIFY(!channel.enable);
    QCOMPARE(channel.standardFunctionOptions.triangluarOptions.symmetry_limits.step, 0.0);
    QCOMPARE(channel.modulationOptions.type, FunctionGeneratorModulationType::Off);
    QVERIFY(channel.awgOptions.file.isEmpty());
    QCOMPARE(channel.awgOptions.channel, 0u);

    const FunctionGeneratorTriggerOptions trigger;
    QCOMPARE(trigger.type, 0);
    QCOMPARE(trigger.delay, 0.0);
    QCOMPARE(trigger.delay_limits, FunctionGeneratorValueLimits());
}

void TestFunctionGeneratorTables::rates_data()
{
    QTest::addColumn<unsigned>("mhz");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("speed");
    QTest::addColumn<unsigned>("dataSpeed");
    QTest::newRow("75") << 75u << 0 << 0 << 75000000u;
    QTest::newRow("150") << 150u << 1 << 1 << 150000000u;
    QTest::newRow("300") << 300u << 2 << 2 << 300000000u;
    QTest::newRow("600") << 600u << 3 << 2 << 300000000u;
    QTest::newRow("1200") << 1200u << 4 << 2 << 300000000u;
    QTest::newRow("other") << 7u << 4 << 2 << 300000000u;
}

void TestFunctionGeneratorTables::rates()
{
    QFETCH(unsigned, mhz);
    QFETCH(int, rate);
    QFETCH(int, speed);
    QFETCH(unsigned, dataSpeed);
    QCOMPARE(kw7::sampleRateCodes(mhz), std::make_pair(rate, speed));
    QCOMPARE(kw7::getDataSpeed(mhz), dataSpeed);
}

void TestFunctionGeneratorTables::params_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<unsigned>("dataSpeed");
    QTest::addColumn<unsigned>("count");
    QTest::addColumn<double>("step");
    QTest::newRow("2 kHz at 300 MS/s") << 2000.0 << 300000000u << 1020u << 147 / 300e6;
    QTest::newRow("exactly 1024") << 300e6 / 1024 << 300000000u << 1024u << 1 / 300e6;
    QTest::newRow("10 samples") << 7500000.0 << 75000000u << 10u << 1 / 75e6;
    QTest::newRow("9 samples") << 7600000.0 << 75000000u << 0u << 0.0;
    QTest::newRow("zero") << 0.0 << 300000000u << 0u << 0.0;
    QTest::newRow("negative") << -5.0 << 300000000u << 0u << 0.0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 300000000u << 0u << 0.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 300000000u << 0u << 0.0;
    // Periods beyond 2^32 samples get the longest table there is: 1023 samples 4194304 apart.
    QTest::newRow("0.1 Hz") << 0.1 << 300000000u << 1023u << 2929688 / 300e6;
    QTest::newRow("0.06 Hz") << 0.06 << 300000000u << 1023u << 4194304 / 300e6;
    QTest::newRow("tiny") << 1e-300 << 300000000u << 1023u << 4194304 / 300e6;
}

void TestFunctionGeneratorTables::params()
{
    QFETCH(double, frequency);
    QFETCH(unsigned, dataSpeed);
    QFETCH(unsigned, count);
    QFETCH(double, step);
    const kw7::AfgDataParams p = kw7::calculateAFGDataParams(frequency, dataSpeed);
    QCOMPARE(p.count, count);
    QCOMPARE(p.step, step);
}

void TestFunctionGeneratorTables::square()
{
    FunctionGeneratorStartardFunctionOptions o;
    o.squareOptions = {2.0, 2000.0, {}, {}};
    const kw7::FunctionTable t = kw7::functionTable(F::Square, o, 300000000);
    QCOMPARE(t.samples.size(), 1020);
    QCOMPARE(t.step, 147 / 300e6);
    QCOMPARE(t.samples.count(1.0), 510);
    QCOMPARE(t.samples.count(-1.0), 510);
    QCOMPARE(t.samples.at(509), 1.0);
    QCOMPARE(t.samples.at(510), -1.0);

    o.squareOptions.frequency = 300e6 / 1023; // odd count 1023 becomes 1022
    QCOMPARE(kw7::functionTable(F::Square, o, 300000000).samples.size(), 1022);
    QVERIFY(kw7::functionTable(F::Sine, o, 300000000).samples.isEmpty());
    QVERIFY(kw7::functionTable(F::Level, o, 300000000).samples.isEmpty());
}

void TestFunctionGeneratorTables::rectangularAndTriangle_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("firstPart"); // high samples, or rising samples
    QTest::newRow("duty 25") << int(F::Rectangular) << 25.0 << 25;
    QTest::newRow("duty 0") << int(F::Rectangular) << 0.0 << 0;
    QTest::newRow("duty above 100 is clamped") << int(F::Rectangular) << 250.0 << 100;
    QTest::newRow("duty negative is clamped") << int(F::Rectangular) << -5.0 << 0;
    QTest::newRow("symmetry 50") << int(F::Triangular) << 50.0 << 50;
    QTest::newRow("symmetry 0 falls") << int(F::Triangular) << 0.0 << 0;
    QTest::newRow("symmetry 100 rises") << int(F::Triangular) << 100.0 << 100;
    QTest::newRow("symmetry nan") << int(F::Triangular) << qQNaN() << 0;
    QTest::newRow("symmetry huge") << int(F::Triangular) << 1e30 << 100;
}

void TestFunctionGeneratorTables::rectangularAndTriangle()
{
    QFETCH(int, function);
    QFETCH(double, percent);
    QFETCH(int, firstPart);
    FunctionGeneratorStartardFunctionOptions o;
    o.rectangularOptions = {4.0, 3e6, percent, {}, {}, {}}; // 100 samples at 300 MS/s
    o.triangluarOptions = {4.0, 3e6, percent, {}, {}, {}};
    const kw7::FunctionTable t = kw7::functionTable(F(function), o, 300000000);
    QCOMPARE(t.samples.size(), 100);
    if (F(function) == F::Rectangular) {
        QCOMPARE(t.samples.count(2.0), firstPart);
        QCOMPARE(t.samples.count(-2.0), 100 - firstPart);
        return;
    }
    if (firstPart > 0) {
        QCOMPARE(t.samples.first(), -2.0);
        QVERIFY(t.samples.at(firstPart - 1) < 2.0); // the top itself is never produced
        QCOMPARE(t.samples.at(1) - t.samples.at(0), 4.0 / firstPart);
    }
    if (firstPart < 100) {
        QCOMPARE(t.samples.at(firstPart), 2.0);
        QVERIFY(t.samples.last() > -2.0);
    }
}

void TestFunctionGeneratorTables::ramps()
{
    FunctionGeneratorStartardFunctionOptions o;
    o.positiveRampOptions = {2.0, 7500000.0, {}, {}};
    o.negativeRampOptions = {2.0, 7500000.0, {}, {}};
    const kw7::FunctionTable up = kw7::functionTable(F::PositiveRamp, o, 75000000);
    QCOMPARE(up.samples.size(), 10);
    QCOMPARE(up.samples.first(), -1.0);
    QVERIFY(qAbs(up.samples.last() - 1.0) < 1e-12);
    const kw7::FunctionTable down = kw7::functionTable(F::NegativeRamp, o, 75000000);
    QCOMPARE(down.samples.first(), 1.0);
    QVERIFY(qAbs(down.samples.last() + 1.0) < 1e-12);

    o.positiveRampOptions.frequency = 7600000.0;
    QVERIFY(kw7::functionTable(F::PositiveRamp, o, 75000000).samples.isEmpty());
}

void TestFunctionGeneratorTables::phase_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<double>("sent");
    QTest::newRow("370") << 370.0 << 10.0;
    QTest::newRow("45") << 45.0 << 45.0;
    QTest::newRow("12.34") << 12.34 << 12.3;
    QTest::newRow("360") << 360.0 << 0.0;
    QTest::newRow("-370 keeps its sign") << -370.0 << -10.0;
    QTest::newRow("huge") << 1e300 << -1.0;
    QTest::newRow("nan") << qQNaN() << 0.0;
}

void TestFunctionGeneratorTables::phase()
{
    QFETCH(double, phase);
    QFETCH(double, sent);
    const double reduced = kw7::reducedPhase(phase);
    if (sent < 0 && phase > 0) {
        QVERIFY(reduced >= 0.0 && reduced < 360.0);
        return;
    }
    QVERIFY(qAbs(reduced - sent) < 1e-9);
}

void TestFunctionGeneratorTables::awgBuffer()
{
    QVector<double> a(100), b(30);
    for (int i = 0; i < 100; ++i)
        a[i] = i;
    for (int i = 0; i < 30; ++i)
        b[i] = 1000 + i;
    unsigned length = 0;
    const QVector<double> buffer = kw7::interleaveAwgSignals({a, b}, &length);
    QCOMPARE(length, 104u);
    QCOMPARE(buffer.size(), 208);
    QCOMPARE(buffer.at(0), 0.0);
    QCOMPARE(buffer.at(1), 1000.0);
    QCOMPARE(buffer.at(2 * 30 + 1), 1000.0); // the shorter signal starts again
    QCOMPARE(buffer.at(2 * 101), 1.0); // and so does the longer one beyond its end
    QCOMPARE(buffer.at(2 * 103 + 1), 1000.0 + 103 % 30);

    const QVector<double> silent = kw7::interleaveAwgSignals({a.mid(0, 16), {}}, &length);
    QCOMPARE(length, 16u);
    QCOMPARE(silent.at(1), 0.0);
}

void TestFunctionGeneratorTables::awgLength_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<unsigned>("length");
    QTest::newRow("16") << 16 << 16u;
    QTest::newRow("17") << 17 << 18u;
    QTest::newRow("15") << 15 << 30u;
    QTest::newRow("none") << 0 << 0u;
}

void TestFunctionGeneratorTables::awgLength()
{
    QFETCH(int, n);
    QFETCH(unsigned, length);
    unsigned l = 99;
    const QVector<double> buffer = kw7::interleaveAwgSignals({QVector<double>(n, 1.0), {}}, &l);
    QCOMPARE(l, length);
    QCOMPARE(buffer.size(), int(2 * length));
}

QTEST_GUILESS_MAIN(TestFunctionGeneratorTables)
#include "tst_functiongeneratortables.moc"
