#include "resources/resourcerv38.h"

#include "resources/resourcestate.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

using Evaluations = std::vector<EvaluationType>;

namespace {

QStringList keysOf(const ResourceState &state)
{
    QStringList keys;
    for (const auto &entry : state)
        keys << entry.first;
    return keys;
}

void compareRecords(const ResourceRV38 &a, const ResourceRV38 &b)
{
    QCOMPARE(a.mainParameters(), b.mainParameters());
    QCOMPARE(a.additionalParameters(), b.additionalParameters());
    QCOMPARE(a.uiParameters(), b.uiParameters());
    QCOMPARE(a.evaluationTypes(), b.evaluationTypes());
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString file = dir.filePath(QStringLiteral("RV31_hostile.ini"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return QString();
    out.write(content);
    return file;
}

} // namespace

// The multimeter resource's settings as a stored state and back, also through INI files.
class TestMultimeterState : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void defaultStateKeys();
    void roundTripThroughIniFile_data();
    void roundTripThroughIniFile();
    void hostileStateFile_data();
    void hostileStateFile();
    void emptyStateZeroesEverything();
};

void TestMultimeterState::defaultStateKeys()
{
    ResourceRV38 resource;
    const ResourceState state = resource.storeState();
    QStringList expected {"function",        "range",       "filter_index",     "impedance",
                          "power_frequency", "point_count", "integration_time", "delay_time",
                          "rise_fall",       "auto_zero",   "evaluation_size",  "scanTime"};
    for (int i = 0; i < 8; ++i)
        expected << QStringLiteral("evaluation_%1").arg(i);
    expected.sort();
    QCOMPARE(keysOf(state), expected);

    QCOMPARE(state["function"], QVariant(int(FunctionDcVoltage)));
    QCOMPARE(state["function"].userType(), int(QMetaType::Int));
    QCOMPARE(state["range"], QVariant(-1.0));
    QCOMPARE(state["impedance"].userType(), int(QMetaType::Bool));
    QCOMPARE(state["integration_time"].userType(), int(QMetaType::Double));
    QCOMPARE(state["point_count"], QVariant(256));
    QCOMPARE(state["evaluation_size"], QVariant(8));
    QCOMPARE(state["evaluation_0"], QVariant(int(EvaluationAmplitude)));
    QCOMPARE(state["evaluation_7"], QVariant(int(EvaluationFrequency)));
    QCOMPARE(state["scanTime"], QVariant(1.0));
}

void TestMultimeterState::roundTripThroughIniFile_data()
{
    QTest::addColumn<QVector<int>>("evaluations");
    QTest::newRow("two evaluations") << QVector<int> {EvaluationPeriod, EvaluationFallTime};
    QTest::newRow("no evaluations") << QVector<int>();
}

void TestMultimeterState::roundTripThroughIniFile()
{
    QFETCH(QVector<int>, evaluations);
    ResourceRV38 source;
    DigitalGeneratorMainParameters p = source.mainParameters();
    p.function = FunctionFourWireResistance;
    p.range = 10000;
    p.ranges = wireResistanceRanges;
    p.filter_index = 2;
    p.impedance = true;
    p.power_frequency = 60;
    p.point_count = 100;
    p.integration_time = 0.0167;
    p.delay_time = 0.25;
    p.rise_fall = true;
    source.configureMainParameters(p);
    source.configureAdditionalParameters({1});
    source.configureUIParameters({30.0});
    Evaluations list;
    for (int e : evaluations)
        list.push_back(EvaluationType(e));
    source.configureEvaluationTypes(list);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("RV31_0123.ini"));
    saveStateToFile(source.storeState(), file);
    ResourceRV38 restored;
    restored.restoreState(loadStateFromFile(file));
    compareRecords(source, restored);
}

void TestMultimeterState::hostileStateFile_data()
{
    QTest::addColumn<QByteArray>("size");
    QTest::addColumn<int>("restored");
    QTest::newRow("size -1") << QByteArray("-1") << 0;
    QTest::newRow("size 2^31") << QByteArray("2147483648") << ResourceRV38::MaximumEvaluationCount;
    QTest::newRow("size 2^32 + 1")
            << QByteArray("4294967297") << ResourceRV38::MaximumEvaluationCount;
    QTest::newRow("size not a number") << QByteArray("many") << 0;
    QTest::newRow("size infinite") << QByteArray("inf") << ResourceRV38::MaximumEvaluationCount;
}

void TestMultimeterState::hostileStateFile()
{
    QFETCH(QByteArray, size);
    QFETCH(int, restored);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray content = "[General]\n"
                               "function=200\n"
                               "range=200\n"
                               "filter_index=99\n"
                               "power_frequency=12345\n"
                               "point_count=-7\n"
                               "integration_time=nan\n"
                               "delay_time=inf\n"
                               "auto_zero=40000\n"
                               "evaluation_0=16\n"
                               "evaluation_1=not a number\n"
                               "scanTime=2\n"
                               "evaluation_size="
            + size + "\n";
    const QString file = writeFile(dir, content);
    QVERIFY(!file.isEmpty());

    ResourceRV38 resource;
    resource.restoreState(loadStateFromFile(file));
    // Kept as read; only what programs the module is clamped.
    const DigitalGeneratorMainParameters p = resource.mainParameters();
    QCOMPARE(int(p.function), 200);
    QCOMPARE(p.range, 200.0);
    QCOMPARE(p.filter_index, 99);
    QCOMPARE(p.power_frequency, 12345);
    QCOMPARE(p.point_count, 0); // a negative count is none
    QVERIFY(std::isnan(p.integration_time));
    QCOMPARE(p.ranges, wireResistanceRanges); // of the function the module gets, continuity
    QCOMPARE(resource.additionalParameters().auto_zero, 40000);
    QCOMPARE(resource.uiParameters().scanTime, 2.0);
    const Evaluations evaluations = resource.evaluationTypes();
    QCOMPARE(int(evaluations.size()), restored);
    if (restored > 1) {
        QCOMPARE(evaluations[0], EvaluationFrequency);
        QCOMPARE(evaluations[1], EvaluationNone);
        QCOMPARE(evaluations.back(), EvaluationNone);
    }

    // What was restored stores and restores again without growing.
    ResourceRV38 again;
    again.restoreState(resource.storeState());
    QCOMPARE(again.evaluationTypes(), evaluations);
    QCOMPARE(again.mainParameters().function, p.function);
    QCOMPARE(again.mainParameters().point_count, 0);
}

void TestMultimeterState::emptyStateZeroesEverything()
{
    ResourceRV38 resource;
    const ResourceState empty;
    resource.restoreState(empty);
    QCOMPARE(empty.size(), 0); // reading absent keys adds none
    const DigitalGeneratorMainParameters p = resource.mainParameters();
    QCOMPARE(p.function, FunctionFrequency);
    QCOMPARE(p.range, 0.0);
    QCOMPARE(p.ranges, periodFrequencyRanges);
    QCOMPARE(p.filter_index, 0);
    QCOMPARE(p.impedance, false);
    QCOMPARE(p.power_frequency, 0);
    QCOMPARE(p.point_count, 0);
    QCOMPARE(p.integration_time, 0.0);
    QCOMPARE(p.delay_time, 0.0);
    QCOMPARE(p.rise_fall, false);
    QCOMPARE(resource.additionalParameters().auto_zero, 0);
    QCOMPARE(resource.uiParameters().scanTime, 0.0);
    QVERIFY(resource.evaluationTypes().empty());
}

QTEST_GUILESS_MAIN(TestMultimeterState)
#include "tst_multimeterstate.moc"
