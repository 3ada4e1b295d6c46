#include "views/functiongenerator/functiongeneratorpanelrules.h"

#include <QtTest>

#include <limits>

class TestFunctionGeneratorPanelRules : public QObject
{
    Q_OBJECT
private slots:
    void commonValues_data()
    {
        QTest::addColumn<int>("checkedId");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<unsigned>("decimals");
        QTest::newRow("none checked") << -1 << 1.0 << 10.0 << 1u;
        QTest::newRow("level") << 0 << 1.0 << 10.0 << 1u;
        QTest::newRow("sine") << 1 << 1.0 << 10.0 << 1u;
        QTest::newRow("square") << 2 << 2.0 << 20.0 << 2u;
        QTest::newRow("rectangular") << 3 << 3.0 << 30.0 << 3u;
        QTest::newRow("triangular") << 4 << 4.0 << 40.0 << 4u;
        QTest::newRow("positive ramp") << 5 << 5.0 << 50.0 << 5u;
        QTest::newRow("negative ramp") << 6 << 6.0 << 60.0 << 6u;
        QTest::newRow("noise") << 12 << 1.0 << 10.0 << 1u;
        QTest::newRow("no function") << 13 << 1.0 << 10.0 << 1u;
    }

    void commonValues()
    {
        QFETCH(int, checkedId);
        QFETCH(double, amplitude);
        QFETCH(double, frequency);
        QFETCH(unsigned, decimals);
        // Each block carries its own number, so the block read is the one that shows.
        FunctionGeneratorStartardFunctionOptions options;
        auto mark = [](auto &block, double n) {
            block.double_amplitude = n;
            block.frequency = 10 * n;
            block.double_amplitude_limits.decimals = unsigned(n);
            block.frequency_limits.max = 100 * n;
        };
        mark(options.sineOptions, 1);
        mark(options.squareOptions, 2);
        mark(options.rectangularOptions, 3);
        mark(options.triangluarOptions, 4);
        mark(options.positiveRampOptions, 5);
        mark(options.negativeRampOptions, 6);
        const FunctionGeneratorCommonValues values =
                functionGeneratorCommonValues(options, checkedId);
        QCOMPARE(values.amplitude.value, amplitude);
        QCOMPARE(values.amplitude.limits.decimals, decimals);
        QCOMPARE(values.frequency.value, frequency);
        QCOMPARE(values.frequency.limits.max, 10 * frequency);
    }

    void clamp_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("result");
        QTest::newRow("inside") << 5.0 << 5.0;
        QTest::newRow("above") << 12.0 << 10.0;
        QTest::newRow("at the maximum") << 10.0 << 10.0;
        QTest::newRow("at the minimum") << 1.0 << 1.0;
        QTest::newRow("below") << -3.0 << 1.0;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1.0;
    }

    void clamp()
    {
        QFETCH(double, value);
        QFETCH(double, result);
        FunctionGeneratorValueLimits limits;
        limits.min = 1;
        limits.max = 10;
        QCOMPARE(functionGeneratorClamp(limits, value), result);
    }

    void modulationPage_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("page");
        QTest::newRow("none checked") << -1 << -1;
        QTest::newRow("off") << 0 << -1;
        QTest::newRow("linear frequency") << 1 << 0;
        QTest::newRow("amplitude") << 2 << 2;
        QTest::newRow("frequency") << 3 << 0;
        QTest::newRow("phase") << 4 << 1;
        QTest::newRow("frequency-shift keying") << 5 << 0;
    }

    void modulationPage()
    {
        QFETCH(int, type);
        QFETCH(int, page);
        QCOMPARE(functionGeneratorModulationPage(type), page);
    }

    void modulationShown_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<FunctionGeneratorMode>("mode");
        QTest::addColumn<bool>("shown");
        QTest::newRow("sine") << 1 << FunctionGeneratorMode::StandardFunctions << true;
        QTest::newRow("square") << 2 << FunctionGeneratorMode::StandardFunctions << false;
        QTest::newRow("none checked") << -1 << FunctionGeneratorMode::StandardFunctions << false;
        QTest::newRow("sine, waveform mode")
                << 1 << FunctionGeneratorMode::ArbitraryWaveform << false;
    }

    void modulationShown()
    {
        QFETCH(int, function);
        QFETCH(FunctionGeneratorMode, mode);
        QFETCH(bool, shown);
        QCOMPARE(functionGeneratorModulationShown(function, mode), shown);
    }

    void triggerEdge_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("index");
        QTest::newRow("rising") << 1 << 0;
        QTest::newRow("falling") << 0 << 1;
    }

    // The list and the record number the edges the opposite way round; the mapping must go
    // there and back.
    void triggerEdge()
    {
        QFETCH(int, type);
        QFETCH(int, index);
        QCOMPARE(functionGeneratorTriggerIndex(type), index);
        QCOMPARE(functionGeneratorTriggerType(index), type);
        QCOMPARE(functionGeneratorTriggerType(-1), -1);
    }

    void handleTarget_data()
    {
        QTest::addColumn<double>("present");
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("result");
        QTest::newRow("within 0.01 stays") << 0.005 << 0.0 << 0.005;
        QTest::newRow("on target") << 2.0 << 2.0 << 2.0;
        QTest::newRow("far below moves") << 0.2 << 0.0 << 0.0;
        QTest::newRow("far above moves") << -3.0 << 2.0 << 2.0;
    }

    void handleTarget()
    {
        QFETCH(double, present);
        QFETCH(double, target);
        QFETCH(double, result);
        QCOMPARE(functionGeneratorHandleTarget(present, target), result);
    }

    void sliderPrecision()
    {
        QCOMPARE(functionGeneratorSliderPrecision(0), 1.0);
        QCOMPARE(functionGeneratorSliderPrecision(2), 0.01);
    }

    void rangeReach_data()
    {
        QTest::addColumn<QList<unsigned>>("ranges");
        QTest::addColumn<unsigned>("reach");
        QTest::newRow("largest") << QList<unsigned>({1, 5, 10}) << 10u;
        QTest::newRow("small") << QList<unsigned>({1, 2}) << 2u;
        QTest::newRow("none") << QList<unsigned>() << 10u;
        QTest::newRow("only zero") << QList<unsigned>({0}) << 10u;
    }

    void rangeReach()
    {
        QFETCH(QList<unsigned>, ranges);
        QFETCH(unsigned, reach);
        QCOMPARE(functionGeneratorRangeReach(std::set<unsigned>(ranges.begin(), ranges.end())),
                 reach);
    }

    // Where a waveform file stops being samples: the line between playing and refusing.
    void playableFields_data()
    {
        QTest::addColumn<qint64>("numbers");
        QTest::addColumn<qint64>("texts");
        QTest::addColumn<qint64>("nonFinite");
        QTest::addColumn<bool>("playable");
        QTest::newRow("numbers only") << qint64(4) << qint64(0) << qint64(0) << true;
        QTest::newRow("no field converted") << qint64(0) << qint64(0) << qint64(0) << false;
        QTest::newRow("half text still plays") << qint64(2) << qint64(2) << qint64(0) << true;
        QTest::newRow("mostly text") << qint64(2) << qint64(3) << qint64(0) << false;
        QTest::newRow("one NaN or infinity") << qint64(1000) << qint64(0) << qint64(1) << false;
    }

    void playableFields()
    {
        QFETCH(qint64, numbers);
        QFETCH(qint64, texts);
        QFETCH(qint64, nonFinite);
        QFETCH(bool, playable);
        ChannelsDataFieldCounts fields;
        fields.numbers = numbers;
        fields.texts = texts;
        fields.nonFinite = nonFinite;
        QCOMPARE(functionGeneratorPlayableFields(fields), playable);
    }
};

QTEST_MAIN(TestFunctionGeneratorPanelRules)
#include "tst_functiongeneratorpanelrules.moc"
