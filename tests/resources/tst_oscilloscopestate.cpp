#include "resources/resourcehx2.h"
#include "resources/resourcehx9.h"

#include "resources/resourcestate.h"
#include "support/standarderror.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <set>

using Lists = std::vector<std::vector<EvaluationType>>;

namespace {

std::unique_ptr<MezzanineOscilloscopeResource> make(const QString &model)
{
    if (model == "HX2")
        return std::make_unique<ResourceHX2>();
    return std::make_unique<ResourceHX9>();
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList keysOf(const ResourceState &state)
{
    QStringList keys;
    for (const auto &entry : state)
        keys << entry.first;
    return keys;
}

// Every key a default state holds, built from the documented key tables.
QStringList defaultKeys(bool withImpedance)
{
    QStringList keys;
    for (int i = 0; i < 2; ++i) {
        for (const char *name : {"state_%1", "range_%1", "filter_%1", "offset_%1", "coupling_%1"})
            keys << QString::fromLatin1(name).arg(i);
        if (withImpedance)
            keys << QStringLiteral("impedance_%1").arg(i);
    }
    keys << "math_state"
         << "math_type"
         << "math_offset"
         << "math_sourceA"
         << "math_sourceB";
    keys << "trigger_channel"
         << "trigger_prehistory"
         << "trigger_mode"
         << "trigger_polarity"
         << "trigger_level1"
         << "trigger_level2"
         << "trigger_time1"
         << "trigger_time2";
    keys << "period"
         << "time";
    for (int i = 0; i < 3; ++i) {
        keys << QStringLiteral("evaluation_size_%1").arg(i);
        for (int j = 0; j < 4; ++j)
            keys << QStringLiteral("evaluation_%1_%2").arg(i).arg(j);
        keys << QStringLiteral("channel%1_zoom").arg(i);
    }
    keys << "horizontal_index";
    return keys;
}

void compareRecords(const DigitalOscilloscopeResource &a, const DigitalOscilloscopeResource &b)
{
    QCOMPARE(a.channelParameters(), b.channelParameters());
    QCOMPARE(a.mathChannelParameters(), b.mathChannelParameters());
    QCOMPARE(a.triggerParameters(), b.triggerParameters());
    QCOMPARE(a.timeParameters(), b.timeParameters());
    QCOMPARE(a.evaluationTypes(), b.evaluationTypes());
    QCOMPARE(a.channelYZooms(), b.channelYZooms());
    QCOMPARE(a.channelXIndex(), b.channelXIndex());
}

// Records the order in which a restore reaches the setters.
class SetterOrderHX2 : public ResourceHX2
{
public:
    QStringList calls;
    void configureChannelParameters(DigitalOscilloscopeChannelParameters p) override
    {
        calls << QStringLiteral("channel %1").arg(p.channel);
        ResourceHX2::configureChannelParameters(p);
    }
    void configureMathChannelParameters(DigitalOscilloscopeMathChannelParameters p) override
    {
        calls << "math";
        ResourceHX2::configureMathChannelParameters(p);
    }
    void configureTriggerParameters(DigitalOscilloscopeTriggerParameters p) override
    {
        calls << "trigger";
        ResourceHX2::configureTriggerParameters(p);
    }
    void configureTimeParameters(DigitalOscilloscopeTimeParameters p) override
    {
        calls << "time";
        ResourceHX2::configureTimeParameters(p);
    }
    void configureEvaluationTypes(const Lists &lists) override
    {
        calls << "evaluations";
        ResourceHX2::configureEvaluationTypes(lists);
    }
    void configureChannelYZooms(std::vector<int> zooms) override
    {
        calls << "zooms";
        ResourceHX2::configureChannelYZooms(zooms);
    }
    void configureChannelXIndex(int index) override
    {
        calls << "x index";
        ResourceHX2::configureChannelXIndex(index);
    }
};

} // namespace

// The oscilloscope resources' settings as a stored state and back, also through INI files.
class TestOscilloscopeState : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void models_data();

    void defaultStateKeys_data() { models_data(); }
    void defaultStateKeys();
    void roundTripThroughIniFile_data() { models_data(); }
    void roundTripThroughIniFile();
    void hostileStateFile_data() { models_data(); }
    void hostileStateFile();
    void emptyStateZeroesEverything_data() { models_data(); }
    void emptyStateZeroesEverything();
    void zoomsAreExactlyThree_data();
    void zoomsAreExactlyThree();
    void restoreGoesThroughTheSetters();
    void restoreKeepsListedValues_data();
    void restoreKeepsListedValues();
};

void TestOscilloscopeState::models_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keys");
    QTest::newRow("HX2") << "HX2" << 44;
    QTest::newRow("HX9") << "HX9" << 46;
}

void TestOscilloscopeState::defaultStateKeys()
{
    QFETCH(QString, model);
    QFETCH(int, keys);
    const auto resource = make(model);
    const ResourceState state = resource->storeState();
    QCOMPARE(state.size(), keys);
    QCOMPARE(keysOf(state), sorted(defaultKeys(model == "HX9")));
    QCOMPARE(state["range_0"].userType(), int(QMetaType::Int));
    QCOMPARE(state["coupling_1"].userType(), int(QMetaType::Bool));
    QCOMPARE(state["offset_0"].userType(), int(QMetaType::Double));
    QCOMPARE(state["evaluation_size_2"].userType(), int(QMetaType::ULongLong));
    QCOMPARE(state["evaluation_size_2"].toULongLong(), 4ull);
    QCOMPARE(state["evaluation_1_3"], QVariant(int(EvaluationFrequency)));
    QCOMPARE(state["channel2_zoom"], QVariant(6));
    QCOMPARE(state["horizontal_index"], QVariant(25));
}

void TestOscilloscopeState::roundTripThroughIniFile()
{
    QFETCH(QString, model);
    const auto source = make(model);
    const bool hx9 = model == "HX9";
    // The HX2 stores no impedance: it has only the first one.
    source->configureChannelParameters({1, 0, quint8(hx9 ? 9 : 0), 1, !hx9, -0.125, true});
    source->configureChannelParameters({0, 1, 1, 0, true, 2.5e-3, false});
    source->configureMathChannelParameters({3, 1, 1.5, 1, 0});
    source->configureTriggerParameters({1, 3.2e-7, 2, true, 0.25, -0.75, 1e-8, 2.5e-8});
    source->configureTimeParameters({7.68e-8, 7.68e-8 * 16384});
    source->configureEvaluationTypes(
            {{EvaluationPeriod, EvaluationFallTime}, {}, {EvaluationCycleRms}});
    source->configureChannelYZooms({1, 12, 3});
    source->configureChannelXIndex(7);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(model + "_0123.ini");
    saveStateToFile(source->storeState(), file);
    const auto restored = make(model);
    restored->restoreState(loadStateFromFile(file));
    compareRecords(*source, *restored);
}

void TestOscilloscopeState::hostileStateFile()
{
    QFETCH(QString, model);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("hostile.ini");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("[General]\n"
              "range_0=200\n"
              "range_1=-3\n"
              "state_0=1\n"
              "evaluation_size_0=-1\n"
              "evaluation_size_1=2147483648\n"
              "evaluation_size_2=4294967297\n"
              "evaluation_1_0=16\n"
              "evaluation_2_0=not a number\n"
              "time=1e-3\n"
              "trigger_prehistory=inf\n");
    out.close();

    const auto resource = make(model);
    resource->restoreState(loadStateFromFile(file));
    const auto channels = resource->channelParameters();
    QCOMPARE(int(channels[0].range), 200); // kept as read; clamped only when programming
    QCOMPARE(int(channels[1].range), 0);
    QCOMPARE(channels[0].state, 1);
    QCOMPARE(resource->timeParameters().period, 0.0);
    const Lists lists = resource->evaluationTypes();
    QCOMPARE(int(lists.size()), 3);
    QVERIFY(lists[0].empty());
    QCOMPARE(int(lists[1].size()), MezzanineOscilloscopeResource::MaximumEvaluationCount);
    QCOMPARE(lists[1].front(), EvaluationFrequency);
    QCOMPARE(lists[1].back(), EvaluationNone);
    QCOMPARE(int(lists[2].size()), MezzanineOscilloscopeResource::MaximumEvaluationCount);
    QCOMPARE(lists[2].front(), EvaluationNone);

    // What was restored stores and restores again without growing.
    const auto again = make(model);
    again->restoreState(resource->storeState());
    compareRecords(*resource, *again);
}

void TestOscilloscopeState::emptyStateZeroesEverything()
{
    QFETCH(QString, model);
    const auto resource = make(model);
    const ResourceState empty;
    resource->restoreState(empty);
    QCOMPARE(empty.size(), 0); // reading absent keys adds none
    const auto channels = resource->channelParameters();
    for (int i = 0; i < 2; ++i) {
        const DigitalOscilloscopeChannelParameters &c = channels[size_t(i)];
        QCOMPARE(c.channel, i);
        QCOMPARE(c.state, 0);
        QCOMPARE(int(c.range), 0);
        QCOMPARE(c.filter, 0);
        QCOMPARE(c.impedance, model == "HX2"); // HX2 stores none and takes the only one
        QCOMPARE(c.offset, 0.0);
        QCOMPARE(c.coupling, false);
    }
    QCOMPARE(resource->mathChannelParameters().state, 0);
    QCOMPARE(resource->mathChannelParameters().sourceB, 0);
    QCOMPARE(resource->triggerParameters().prehistory, 0.0);
    QCOMPARE(resource->triggerParameters().polarity, false);
    QCOMPARE(resource->timeParameters().period, 0.0);
    QCOMPARE(resource->timeParameters().time, 0.0);
    QCOMPARE(resource->evaluationTypes(), Lists(3));
    QCOMPARE(resource->channelYZooms(), std::vector<int>({0, 0, 0}));
    QCOMPARE(resource->channelXIndex(), 0);
}

void TestOscilloscopeState::zoomsAreExactlyThree_data()
{
    QTest::addColumn<QVector<int>>("stored");
    QTest::addColumn<QVector<int>>("restored");
    QTest::newRow("two") << QVector<int> {4, 5} << QVector<int> {4, 5, 0};
    QTest::newRow("four") << QVector<int> {4, 5, 6, 7} << QVector<int> {4, 5, 6};
}

void TestOscilloscopeState::zoomsAreExactlyThree()
{
    QFETCH(QVector<int>, stored);
    QFETCH(QVector<int>, restored);
    ResourceHX9 source;
    source.configureChannelYZooms(std::vector<int>(stored.begin(), stored.end()));
    const ResourceState state = source.storeState();
    QCOMPARE(state.contains("channel3_zoom"), stored.size() == 4);
    ResourceHX9 target;
    target.restoreState(state);
    QCOMPARE(target.channelYZooms(), std::vector<int>(restored.begin(), restored.end()));
}

void TestOscilloscopeState::restoreGoesThroughTheSetters()
{
    SetterOrderHX2 resource;
    resource.restoreState(ResourceState());
    QCOMPARE(resource.calls,
             QStringList({"channel 0", "channel 1", "math", "trigger", "time", "evaluations",
                          "x index", "zooms"}));
}

// Channel states, filters, math operations, trigger modes and evaluations: only a value of the
// key's list is restored; any other number gives the fresh resource's value and a line naming
// the key. Text is no number and reads as a missing key, as 0.
void TestOscilloscopeState::restoreKeepsListedValues_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("restored");
    QTest::addColumn<bool>("named");
    const struct
    {
        const char *model;
        const char *key;
        const char *fresh; // what a refused number gives
        const char *listed; // a value of the model's list besides 0
        const char *unlisted; // a whole number beyond it
    } keys[] = {
            {"HX2", "state_0", "1", "1", "2"},          {"HX9", "state_1", "1", "1", "2"},
            {"HX2", "filter_1", "0", "1", "2"},         {"HX9", "filter_0", "0", "4", "5"},
            {"HX2", "math_type", "0", "3", "4"},        {"HX9", "trigger_mode", "0", "5", "6"},
            {"HX2", "trigger_mode", "0", "2", "3"}, // the HX2 has three event modes
            {"HX9", "evaluation_2_1", "0", "22", "23"}, {"HX2", "evaluation_0_3", "0", "1", "23"},
    };
    for (const auto &k : keys) {
        const auto row = [&](const char *what, const char *stored, const char *restored,
                             bool named) {
            QTest::addRow("%s %s %s", k.model, k.key, what)
                    << k.model << k.key << stored << restored << named;
        };
        row("listed", k.listed, k.listed, false);
        row("0", "0", "0", false);
        row("unlisted", k.unlisted, k.fresh, true);
        row("negative", "-1", k.fresh, true);
        row("fraction", "0.5", k.fresh, true);
        row("NaN", "nan", k.fresh, true);
        row("infinite", "inf", k.fresh, true);
        row("text", "three", "0", true);
    }
}

void TestOscilloscopeState::restoreKeepsListedValues()
{
    QFETCH(QString, model);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, restored);
    QFETCH(bool, named);
    // As an INI file gives it back: every value as text.
    const ResourceState fresh = make(model)->storeState();
    ResourceState state;
    for (const auto &[name, value] : fresh)
        state[name] = name == key ? stored : value.toString();

    const auto resource = make(model);
    const QByteArray errors = standardErrorOf([&] { resource->restoreState(state); });
    const ResourceState back = resource->storeState();
    QCOMPARE(back.value(key).toString(), restored);
    QCOMPARE(errors.contains(key.toUtf8()), named);
    QCOMPARE(int(errors.count('\n')), named ? 1 : 0);
    // The other values are those stored.
    for (const auto &[name, value] : fresh)
        if (name != key)
            QCOMPARE(back.value(name).toString(), value.toString());
}

QTEST_GUILESS_MAIN(TestOscilloscopeState)
#include "tst_oscilloscopestate.moc"
