#include "resources/digitalmultimeterparameters.h"
#include "resources/digitaloscilloscopeparameters.h"
#include "resources/evaluationtype.h"
#include "resources/functiongeneratoroptions.h"
#include "resources/kt220resource.h"

#include <QSignalSpy>
#include <QtTest>

#include <vector>

namespace {

// Carries one value of each type through a queued connection, the way a resource's worker
// hands results to a view; QSignalSpy on it needs the types registered by name.
class Carrier : public QObject
{
    Q_OBJECT
signals:
    void evaluations(const std::vector<EvaluationType> &types);
    void values(const QMap<EvaluationType, double> &values);
    void channel(const DigitalOscilloscopeChannelParameters &parameters);
    void main(const DigitalGeneratorMainParameters &parameters);
    void generator(const FunctionGeneratorChannelOptions &options);
};

template<class T>
T throughVariant(const T &value)
{
    return QVariant::fromValue(value).template value<T>();
}

} // namespace

// The records and evaluation containers are meta-types registered by the resources themselves,
// and compare by every field.
class TestResourceMetaTypes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void registeredByName_data();
    void registeredByName();
    void queued();
    void recordsCompareEveryField();
};

void TestResourceMetaTypes::initTestCase()
{
    // Any resource registers them all; nothing here registers a type itself.
    KT220Resource resource;
}

void TestResourceMetaTypes::registeredByName_data()
{
    QTest::addColumn<QByteArray>("name");
    for (const char *name :
         {"EvaluationType", "std::vector<EvaluationType>", "QMap<EvaluationType,double>",
          "DigitalGeneratorMainParameters", "DigitalGeneratorAdditionalParameters",
          "DigitalGeneratorUIParameters", "DigitalOscilloscopeChannelParameters",
          "DigitalOscilloscopeMathChannelParameters", "DigitalOscilloscopeTriggerParameters",
          "DigitalOscilloscopeTimeParameters", "FunctionGeneratorOutputOptions",
          "FunctionGeneratorStartardFunctionOptions", "FunctionGeneratorModulationOptions",
          "FunctionGeneratorAWGOptions", "FunctionGeneratorTriggerOptions",
          "FunctionGeneratorChannelOptions", "PowerSupplyOutputOptions"})
        QTest::newRow(name) << QByteArray(name);
}

void TestResourceMetaTypes::registeredByName()
{
    QFETCH(QByteArray, name);
    QVERIFY(QMetaType::type(name.constData()) != QMetaType::UnknownType);
}

void TestResourceMetaTypes::queued()
{
    // A queued connection copies each argument through its meta-type; an unregistered type
    // would be dropped with a warning and nothing delivered.
    Carrier sender;
    QObject receiver;
    std::vector<EvaluationType> gotTypes;
    QMap<EvaluationType, double> gotValues;
    DigitalOscilloscopeChannelParameters gotChannel;
    connect(
            &sender, &Carrier::evaluations, &receiver,
            [&](const std::vector<EvaluationType> &t) { gotTypes = t; }, Qt::QueuedConnection);
    connect(
            &sender, &Carrier::values, &receiver,
            [&](const QMap<EvaluationType, double> &v) { gotValues = v; }, Qt::QueuedConnection);
    connect(
            &sender, &Carrier::channel, &receiver,
            [&](const DigitalOscilloscopeChannelParameters &c) { gotChannel = c; },
            Qt::QueuedConnection);
    QSignalSpy spy(&sender, &Carrier::generator);
    QVERIFY(spy.isValid());

    const std::vector<EvaluationType> types {EvaluationPeriod, EvaluationRms};
    const QMap<EvaluationType, double> values {{EvaluationRms, 1.5}, {EvaluationPeriod, 2e-3}};
    DigitalOscilloscopeChannelParameters channel;
    channel.channel = 1;
    channel.offset = -0.25;
    FunctionGeneratorChannelOptions options;
    options.awgOptions.file = QStringLiteral("wave.csv");
    emit sender.evaluations(types);
    emit sender.values(values);
    emit sender.channel(channel);
    emit sender.generator(options);
    QVERIFY(gotTypes.empty()); // nothing delivered before the event loop runs
    QCoreApplication::processEvents();
    QCOMPARE(gotTypes, types);
    QCOMPARE(gotValues, values);
    QCOMPARE(gotChannel, channel);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<FunctionGeneratorChannelOptions>(), options);
}

void TestResourceMetaTypes::recordsCompareEveryField()
{
    // A change deep inside a record (a limit of one waveform) makes it another record.
    FunctionGeneratorChannelOptions a;
    FunctionGeneratorChannelOptions b = a;
    QCOMPARE(a, b);
    b.standardFunctionOptions.triangluarOptions.symmetry_limits.step = 0.5;
    QVERIFY(a != b);
    QCOMPARE(throughVariant(b), b);

    DigitalGeneratorMainParameters main;
    DigitalGeneratorMainParameters other = main;
    other.ranges << 1.0;
    QVERIFY(main != other);
    QCOMPARE(throughVariant(other), other);

    DigitalOscilloscopeTriggerParameters trigger;
    DigitalOscilloscopeTriggerParameters moved = trigger;
    moved.time2 = 1e-9;
    QVERIFY(trigger != moved);
    QCOMPARE(throughVariant(moved), moved);

    const std::vector<EvaluationType> list {EvaluationHigh};
    QCOMPARE(throughVariant(list), list);
}

QTEST_GUILESS_MAIN(TestResourceMetaTypes)
#include "tst_resourcemetatypes.moc"
