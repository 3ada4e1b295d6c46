#include "resources/resourcehx2.h"
#include "resources/resourcehx9.h"

#include "hardware/modules/hx2/hx2module.h"
#include "hardware/modules/hx9/hx9module.h"
#include "resources/resourcedependence.h"
#include "resources/resourcefactory.h"

#include "simbench/simcontrol.h"
#include "support/simulatedcalls.h"
#include "visatype.h"
#include "zqtavrin.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

using Rows = QVector<QVector<double>>;

namespace {

const char *const Carrier = "VXI0::3::INSTR";
// A carrier with an HX2 in slot 1 and an HX9 in slot 2; the inputs see a 0.8 V sine.
const char *const Bench = "[VXI0::3::INSTR]\n"
                          "manufacturer = 0xE76\n"
                          "model = 0x155\n"
                          "slot = 3\n"
                          "slot1 = 0x39\n"
                          "slot2 = 0x2D\n";

using namespace simulatedcalls;

} // namespace

// Both oscilloscope resources over modules opened on the simulated bench. The data timer is
// ticked by emitting its timeout, so every tick reaches exactly the connections that exist.
class TestOscilloscopeResource : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void roundPeriod_data();
    void roundPeriod();
    void factoryListsAndDefaults_data();
    void factoryListsAndDefaults();
    void createNeedsTheModelsModule();
    void singleFrameStopsEverything_data();
    void singleFrameStopsEverything();
    void forcedFrameStartsAtZero_data();
    void forcedFrameStartsAtZero();
    void forceTriggerIgnored_data();
    void forceTriggerIgnored();
    void restartKeepsOneConnectionEach_data();
    void restartKeepsOneConnectionEach();
    void settersBatchedIntoOneReprogramming_data();
    void settersBatchedIntoOneReprogramming();
    void programmingHX2_data();
    void programmingHX2();
    void programmingHX9_data();
    void programmingHX9();
    void untrustedRecordsAreSafe_data();
    void untrustedRecordsAreSafe();
    void overdriveIsPassedOn();
    void driverFailureSetsErrorAndKeepsAcquiring();
    void unboundResourceDoesNothing();
    void evaluationListsKeepOnePerRow_data();
    void evaluationListsKeepOnePerRow();

private:
    // The resource of the model ("HX2" or "HX9") bound to its opened module.
    MezzanineOscilloscopeResource *bind(const QString &model);
    void tick() { QVERIFY(QMetaObject::invokeMethod(&m_resource->m_dataTimer, "timeout")); }
    void configureTick() { m_resource->configureTimer(); }
    bool running() const { return m_resource->m_dataTimer.isActive(); }
    // True when the data timer still drives something; cuts the connections it finds.
    bool timerConnected()
    {
        return QObject::disconnect(&m_resource->m_dataTimer, &QTimer::timeout, nullptr, nullptr);
    }
    const char *call(const char *hx2, const char *hx9) const
    {
        return m_model == "HX2" ? hx2 : hx9;
    }

    std::unique_ptr<HX2Module> m_hx2;
    std::unique_ptr<HX9Module> m_hx9;
    std::unique_ptr<MezzanineOscilloscopeResource> m_resource;
    ModuleInterface *m_module = nullptr;
    QString m_model;
    QList<double> m_startTimes;
};

void TestOscilloscopeResource::init()
{
    std::string error;
    QVERIFY2(simbench::loadBenchText(Bench, &error), error.c_str());
    ViSession carrier = 0;
    QCOMPARE(zqtavrin_init(Carrier, 1, 1, &carrier), VI_SUCCESS);
    m_hx2 = std::make_unique<HX2Module>();
    m_hx9 = std::make_unique<HX9Module>();
    int slot = 1;
    for (ModuleInterface *module : {static_cast<ModuleInterface *>(m_hx2.get()),
                                    static_cast<ModuleInterface *>(m_hx9.get())}) {
        module->setMainHandle(carrier);
        module->setPath(QString::fromLatin1(Carrier));
        module->setPosition(slot++);
        QCOMPARE(module->init(), 0);
    }
    m_startTimes.clear();
}

void TestOscilloscopeResource::cleanup()
{
    m_resource.reset();
    m_hx2.reset();
    m_hx9.reset();
    m_module = nullptr;
}

MezzanineOscilloscopeResource *TestOscilloscopeResource::bind(const QString &model)
{
    m_model = model;
    if (model == "HX2") {
        m_resource = std::make_unique<ResourceHX2>();
        m_module = m_hx2.get();
    } else {
        m_resource = std::make_unique<ResourceHX9>();
        m_module = m_hx9.get();
    }
    m_resource->getDependencies()->first();
    m_resource->getDependencies()->setModule(m_module);
    if (!m_resource->create())
        return nullptr;
    connect(m_resource.get(), &DigitalOscilloscopeResource::dataChanged, this,
            [this](double start, Rows &) { m_startTimes << start; });
    simbench::clearCallLog();
    return m_resource.get();
}

void TestOscilloscopeResource::roundPeriod_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("coarse");
    QTest::addColumn<double>("period");
    QTest::newRow("HX2 short table") << "HX2" << 7.8125e-10 << 1.5625e-8 << 8e-10;
    QTest::newRow("HX2 one quantum, below a") << "HX2" << 7.8125e-9 << 1.5625e-7 << 6.4e-9;
    QTest::newRow("HX2 12 quanta") << "HX2" << 7.8125e-8 << 1.5625e-6 << 7.68e-8;
    QTest::newRow("HX2 122 quanta") << "HX2" << 7.8125e-7 << 1.5625e-5 << 7.808e-7;
    QTest::newRow("HX2 both above the longest") << "HX2" << 7.8125e-4 << 1.5625e-2 << 0.000419392;
    QTest::newRow("HX2 shortest entry") << "HX2" << 7.8125e-13 << 1.5625e-11 << 4e-10;
    QTest::newRow("HX2 bound is one quantum") << "HX2" << 3e-9 << 4e-9 << 3.2e-9;
    QTest::newRow("HX9 table") << "HX9" << 7.8125e-10 << 1.5625e-8 << 8e-10;
    QTest::newRow("HX9 10 ns") << "HX9" << 7.8125e-9 << 1.5625e-7 << 1e-8;
    QTest::newRow("HX9 b above the longest") << "HX9" << 7.8125e-7 << 1.5625e-5 << 1e-6;
    QTest::newRow("HX9 bound below the table") << "HX9" << 7.8125e-13 << 1.5625e-11 << 2e-10;
    QTest::newRow("HX9 the bound itself") << "HX9" << 3e-9 << 4e-9 << 4e-9;
    QTest::newRow("HX9 both above the longest") << "HX9" << 2e-6 << 3e-6 << 1e-6;
}

void TestOscilloscopeResource::roundPeriod()
{
    QFETCH(QString, model);
    QFETCH(double, shortest);
    QFETCH(double, coarse);
    QFETCH(double, period);
    std::unique_ptr<DigitalOscilloscopeResource> resource;
    if (model == "HX2")
        resource = std::make_unique<ResourceHX2>();
    else
        resource = std::make_unique<ResourceHX9>();
    const double rounded = resource->roundPeriodFunction()(shortest, coarse);
    QVERIFY2(std::fabs(rounded - period) <= 1e-9 * period,
             qPrintable(QString::number(rounded, 'g', 17)));
}

void TestOscilloscopeResource::factoryListsAndDefaults_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("ranges");
    QTest::addColumn<int>("impedances");
    QTest::addColumn<int>("eventModes");
    QTest::addColumn<QString>("firstFilter");
    QTest::addColumn<int>("filters");
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("period");
    QTest::newRow("HX2") << "HX2" << 2 << 1 << 3 << "1 GHz" << 2 << 1 << 4e-10;
    QTest::newRow("HX9") << "HX9" << 10 << 2 << 6 << "2 GHz" << 5 << 6 << 2e-10;
}

void TestOscilloscopeResource::factoryListsAndDefaults()
{
    QFETCH(QString, model);
    QFETCH(int, ranges);
    QFETCH(int, impedances);
    QFETCH(int, eventModes);
    QFETCH(QString, firstFilter);
    QFETCH(int, filters);
    QFETCH(int, range);
    QFETCH(double, period);

    ResourceFactory factory;
    QVERIFY(factory.availiableTypes().contains(model));
    std::unique_ptr<QObject> made(factory.create(model));
    auto *resource = qobject_cast<DigitalOscilloscopeResource *>(made.get());
    QVERIFY(resource);
    QCOMPARE(resource->type(), model);
    QCOMPARE(resource->viewType(), QStringLiteral("Digital Oscilloscope"));
    QCOMPARE(resource->channelCount(), 2);
    QCOMPARE(int(resource->supportedRanges().size()), ranges);
    QCOMPARE(int(resource->supportedImpedances().size()), impedances);
    QCOMPARE(int(resource->supportedEventModes().size()), eventModes);
    QCOMPARE(int(resource->supportedFilters().size()), filters);
    QCOMPARE(resource->supportedFilters().front().second, firstFilter);
    QCOMPARE(resource->supportedFilters().back().first, double(filters - 1));

    const auto channels = resource->channelParameters();
    QCOMPARE(int(channels.size()), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(channels[size_t(i)].channel, i);
        QCOMPARE(channels[size_t(i)].state, 1);
        QCOMPARE(int(channels[size_t(i)].range), range);
        QVERIFY(channels[size_t(i)].impedance);
        QVERIFY(!channels[size_t(i)].coupling);
    }
    QCOMPARE(resource->timeParameters().period, period);
    QCOMPARE(resource->timeParameters().time, period * 16 * 1024);
    QCOMPARE(resource->triggerParameters().prehistory, period * 32);
    QCOMPARE(resource->triggerParameters().mode, 0);
    QCOMPARE(resource->mathChannelParameters().state, 0);
    const std::vector<EvaluationType> defaults {EvaluationAmplitude, EvaluationMean, EvaluationRms,
                                                EvaluationFrequency};
    QCOMPARE(resource->evaluationTypes(), std::vector<std::vector<EvaluationType>>(3, defaults));
    QCOMPARE(resource->channelYZooms(), std::vector<int>({6, 6, 6}));
    QCOMPARE(resource->channelXIndex(), 25);
}

void TestOscilloscopeResource::createNeedsTheModelsModule()
{
    ResourceHX2 hx2;
    QVERIFY(!hx2.create()); // no module in the dependence
    hx2.getDependencies()->first();
    hx2.getDependencies()->setModule(m_hx9.get());
    QVERIFY(!hx2.create());
    hx2.getDependencies()->setModule(m_hx2.get());
    QVERIFY(hx2.create());

    ResourceHX9 hx9;
    QCOMPARE(hx9.getDependencies()->first(), true);
    QCOMPARE(hx9.getDependencies()->moduleType(), ModuleTypeHX9);
    hx9.getDependencies()->setModule(m_hx2.get());
    QVERIFY(!hx9.create());
}

void TestOscilloscopeResource::singleFrameStopsEverything_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("HX2") << "HX2";
    QTest::newRow("HX9") << "HX9";
}

void TestOscilloscopeResource::singleFrameStopsEverything()
{
    QFETCH(QString, model);
    QVERIFY(bind(model));
    m_resource->start(DigitalOscilloscopeSingle);
    QCOMPARE(m_module->state(), ModuleInterface::Started);
    QVERIFY(running());
    tick();
    QCOMPARE(m_startTimes.size(), 1);
    QCOMPARE(m_module->state(), ModuleInterface::Initialized);
    QVERIFY(!running());
    tick(); // a late tick reaches nothing
    QCOMPARE(m_startTimes.size(), 1);
    QVERIFY(!timerConnected());
    if (model == "HX2")
        QVERIFY(!disconnect(m_hx2.get(), &HX2Module::dataChanged, m_resource.get(), nullptr));
    else
        QVERIFY(!disconnect(m_hx9.get(), &HX9Module::dataChanged, m_resource.get(), nullptr));
}

void TestOscilloscopeResource::forcedFrameStartsAtZero_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("startType");
    QTest::newRow("HX2 automatic") << "HX2" << 2;
    QTest::newRow("HX9 cyclic") << "HX9" << 3;
}

void TestOscilloscopeResource::forcedFrameStartsAtZero()
{
    QFETCH(QString, model);
    QFETCH(int, startType);
    QVERIFY(bind(model));
    const double prehistory = m_resource->triggerParameters().prehistory;
    m_resource->start(DigitalOscilloscopeStartType(startType));
    tick();
    m_resource->forceTrigger();
    tick();
    tick();
    QCOMPARE(m_startTimes, QList<double>({prehistory, 0.0, prehistory}));
    QVERIFY(running());
    // The frame after the forced one came from a fresh start with the stored start type.
    if (model == "HX2") {
        // Automatic and program start both trigger from source 0, without events.
        QCOMPARE(count("zqhx2_configTrigger"), 3);
        QCOMPARE(count("zqhx2_configEvents"), 0);
    } else {
        const auto triggers = simbench::callLog("zqhx9_configTrigger");
        QCOMPARE(int(triggers.size()), 3);
        QCOMPARE(triggers[1].args.at(0), std::string("0")); // program start
        QCOMPARE(triggers[2].args.at(0), std::string("1"));
    }
}

void TestOscilloscopeResource::forceTriggerIgnored_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("startType"); // 0: never started
    QTest::addColumn<bool>("stopped");
    QTest::newRow("HX2 cyclic") << "HX2" << 3 << false;
    QTest::newRow("HX9 automatic") << "HX9" << 2 << false;
    QTest::newRow("HX2 never started") << "HX2" << 0 << false;
    QTest::newRow("HX9 stopped") << "HX9" << 1 << true;
}

void TestOscilloscopeResource::forceTriggerIgnored()
{
    QFETCH(QString, model);
    QFETCH(int, startType);
    QFETCH(bool, stopped);
    QVERIFY(bind(model));
    if (startType != 0)
        m_resource->start(DigitalOscilloscopeStartType(startType));
    if (stopped)
        m_resource->stop();
    simbench::clearCallLog();
    m_resource->forceTrigger();
    QVERIFY(simbench::callLog().empty());
    QCOMPARE(running(), startType != 0 && !stopped);
}

void TestOscilloscopeResource::restartKeepsOneConnectionEach_data()
{
    singleFrameStopsEverything_data();
}

void TestOscilloscopeResource::restartKeepsOneConnectionEach()
{
    QFETCH(QString, model);
    QVERIFY(bind(model));
    m_resource->start(DigitalOscilloscopeAutomatic);
    m_resource->start(DigitalOscilloscopeCyclic);
    m_resource->start(DigitalOscilloscopeAutomatic);
    tick(); // two timer connections would read twice, two frame connections report twice
    QCOMPARE(m_startTimes.size(), 1);
    m_resource->stop();
    QCOMPARE(m_module->state(), ModuleInterface::Initialized);
    QVERIFY(!running());
}

void TestOscilloscopeResource::settersBatchedIntoOneReprogramming_data()
{
    singleFrameStopsEverything_data();
}

void TestOscilloscopeResource::settersBatchedIntoOneReprogramming()
{
    QFETCH(QString, model);
    QVERIFY(bind(model));
    const char *config = call("zqhx2_config", "zqhx9_config");
    const auto changeFive = [this] {
        DigitalOscilloscopeChannelParameters channel = m_resource->channelParameters()[1];
        channel.offset = 0.25;
        m_resource->configureChannelParameters(channel);
        channel.state = 0;
        m_resource->configureChannelParameters(channel);
        m_resource->configureMathChannelParameters({1, 1, 0.0, 0, 1});
        DigitalOscilloscopeTriggerParameters trigger = m_resource->triggerParameters();
        trigger.level1 = 0.1;
        m_resource->configureTriggerParameters(trigger);
        DigitalOscilloscopeTimeParameters time = m_resource->timeParameters();
        time.time *= 2;
        m_resource->configureTimeParameters(time);
    };

    m_resource->start(DigitalOscilloscopeAutomatic);
    configureTick(); // start took every setting along
    simbench::clearCallLog();
    changeFive();
    QVERIFY(simbench::callLog().empty());
    configureTick();
    QCOMPARE(count(config), 1);
    QCOMPARE(count(call("zqhx2_configInput", "zqhx9_configInput")), 2);
    QCOMPARE(lastArgs(call("zqhx2_configInput", "zqhx9_configInput")).at(1), std::string("0"));
    QCOMPARE(m_module->state(), ModuleInterface::Started);
    QVERIFY(running());
    configureTick();
    QCOMPARE(count(config), 1);

    m_resource->stop();
    simbench::clearCallLog();
    changeFive();
    configureTick();
    QVERIFY(simbench::callLog().empty());
    QVERIFY(!running());
    m_resource->start(DigitalOscilloscopeAutomatic);
    QCOMPARE(count(config), 1);
}

void TestOscilloscopeResource::programmingHX2_data()
{
    QTest::addColumn<int>("startType");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("triggerMode");
    QTest::addColumn<QString>("rangeCodeText");
    QTest::addColumn<QString>("sourceText");
    QTest::addColumn<bool>("prehistorySent");
    QTest::newRow("single, 0.3 V") << 1 << 0 << 0 << "1"
                                   << "1" << true;
    QTest::newRow("automatic, 1 V") << 2 << 1 << 1 << "0"
                                    << "0" << true;
    QTest::newRow("cyclic, rate mode") << 3 << 1 << 3 << "0"
                                       << "2" << false;
}

void TestOscilloscopeResource::programmingHX2()
{
    QFETCH(int, startType);
    QFETCH(int, range);
    QFETCH(int, triggerMode);
    QFETCH(QString, rangeCodeText);
    const std::string rangeCode = rangeCodeText.toStdString();
    QFETCH(QString, sourceText);
    const std::string source = sourceText.toStdString();
    QFETCH(bool, prehistorySent);
    QVERIFY(bind("HX2"));
    DigitalOscilloscopeChannelParameters channel = m_resource->channelParameters()[0];
    channel.range = quint8(range);
    channel.coupling = true;
    channel.filter = 1;
    m_resource->configureChannelParameters(channel);
    DigitalOscilloscopeTriggerParameters trigger = m_resource->triggerParameters();
    trigger.mode = triggerMode;
    trigger.level1 = 0.5;
    trigger.level2 = -0.5;
    trigger.time1 = 1e-6;
    trigger.time2 = 2e-6;
    m_resource->configureTriggerParameters(trigger);

    m_resource->start(DigitalOscilloscopeStartType(startType));
    const auto inputs = simbench::callLog("zqhx2_configInput");
    QCOMPARE(int(inputs.size()), 2);
    QCOMPARE(inputs[0].args, (std::vector<std::string> {"0", "1", "1", rangeCode, "1", "0"}));
    QCOMPARE(inputs[1].args, (std::vector<std::string> {"1", "1", "0", "0", "0", "0"}));
    QCOMPARE(lastArgs("zqhx2_configTrigger"), std::vector<std::string> {source});
    if (source != "0") {
        const auto events = lastArgs("zqhx2_configEvents");
        QCOMPARE(events.at(1), std::to_string(triggerMode));
        QCOMPARE(number(events.at(5)), 1e-6);
        QCOMPARE(number(events.at(6)), 2e-6);
        QCOMPARE(number(events.at(7)), 0.5);
        QCOMPARE(number(events.at(8)), -0.5);
    }
    const auto time = lastArgs("zqhx2_configTime");
    QCOMPARE(number(time.at(0)), 4e-10);
    QCOMPARE(number(time.at(2)), prehistorySent ? trigger.prehistory : 0.0);
    QCOMPARE(m_resource->triggerParameters().prehistory, trigger.prehistory);
    QCOMPARE(count("zqhx2_config"), 1);
    QCOMPARE(m_module->state(), ModuleInterface::Started);
}

void TestOscilloscopeResource::programmingHX9_data()
{
    QTest::addColumn<int>("startType");
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("volts");
    QTest::addColumn<bool>("programStart");
    QTest::newRow("single, range 6") << 1 << 6 << 5.0 << false;
    QTest::newRow("automatic, range 0") << 2 << 0 << 0.05 << true;
    QTest::newRow("cyclic, range 9") << 3 << 9 << 50.0 << false;
}

void TestOscilloscopeResource::programmingHX9()
{
    QFETCH(int, startType);
    QFETCH(int, range);
    QFETCH(double, volts);
    QFETCH(bool, programStart);
    QVERIFY(bind("HX9"));
    DigitalOscilloscopeChannelParameters channel = m_resource->channelParameters()[1];
    channel.range = quint8(range);
    channel.impedance = false;
    channel.filter = 4;
    m_resource->configureChannelParameters(channel);

    m_resource->start(DigitalOscilloscopeStartType(startType));
    const auto inputs = simbench::callLog("zqhx9_configInput");
    QCOMPARE(int(inputs.size()), 2);
    QCOMPARE(inputs[0].args.at(3), std::string("1")); // impedance true
    QCOMPARE(number(inputs[0].args.at(5)), 5.0);
    QCOMPARE(inputs[1].args.at(3), std::string("0"));
    QCOMPARE(inputs[1].args.at(4), std::string("4"));
    QCOMPARE(number(inputs[1].args.at(5)), volts);
    QCOMPARE(count("zqhx9_configEvents"), programStart ? 0 : 1);
    QCOMPARE(lastArgs("zqhx9_configTrigger").at(0), std::string(programStart ? "0" : "1"));
    const double prehistory = m_resource->triggerParameters().prehistory;
    QCOMPARE(number(lastArgs("zqhx9_configTime").at(2)), programStart ? 0.0 : prehistory);
    QCOMPARE(count("zqhx9_config"), 1);
}

void TestOscilloscopeResource::untrustedRecordsAreSafe_data()
{
    singleFrameStopsEverything_data();
}

void TestOscilloscopeResource::untrustedRecordsAreSafe()
{
    QFETCH(QString, model);
    QVERIFY(bind(model));
    QSignalSpy errors(m_resource.get(), &ResourceInterface::errorOccured);
    const auto before = m_resource->channelParameters();
    DigitalOscilloscopeChannelParameters stray = before[0];
    stray.state = 0;
    for (int channel : {-1, 2, 1000}) {
        stray.channel = channel;
        m_resource->configureChannelParameters(stray);
    }
    QCOMPARE(m_resource->channelParameters()[0].state, before[0].state);
    QCOMPARE(m_resource->channelParameters()[1].state, before[1].state);

    DigitalOscilloscopeChannelParameters channel = before[0];
    channel.range = 200;
    m_resource->configureChannelParameters(channel);
    m_resource->configureTimeParameters({0.0, 0.0}); // as restored without a period
    m_resource->start(DigitalOscilloscopeAutomatic);
    tick();

    QCOMPARE(int(m_resource->channelParameters()[0].range), 200);
    const auto input = simbench::callLog(call("zqhx2_configInput", "zqhx9_configInput")).front();
    if (model == "HX2")
        QCOMPARE(input.args.at(3), std::string("0")); // the upper of the two ranges
    else
        QCOMPARE(number(input.args.at(5)), 50.0);
    QCOMPARE(count(call("zqhx2_configTime", "zqhx9_configTime")), 0);
    QCOMPARE(errors.count(), 0);
    QVERIFY(!m_resource->isError());
}

void TestOscilloscopeResource::overdriveIsPassedOn()
{
    QVERIFY(bind("HX2"));
    QSignalSpy overdrive(m_resource.get(), &DigitalOscilloscopeResource::overDriveWarning);
    DigitalOscilloscopeChannelParameters channel = m_resource->channelParameters()[0];
    channel.range = 0; // 0.3 V against the 0.8 V input
    m_resource->configureChannelParameters(channel);
    m_resource->configureTimeParameters({1e-6, 1e-3}); // a whole period of the 1 kHz input
    m_resource->start(DigitalOscilloscopeAutomatic);
    tick();
    tick();
    QCOMPARE(overdrive.count(), 2);
    QCOMPARE(m_startTimes.size(), 0);
    QVERIFY(running());
    m_resource->stop();
    // The overdrive connection outlives a halt; the module still reports through it.
    emit m_hx2->overDriveWarning();
    QCOMPARE(overdrive.count(), 3);
}

void TestOscilloscopeResource::driverFailureSetsErrorAndKeepsAcquiring()
{
    QVERIFY(bind("HX2"));
    QSignalSpy errors(m_resource.get(), &ResourceInterface::errorOccured);
    simbench::failCall("zqhx2_configInput", 1, VI_ERROR_INV_PARAMETER);
    m_resource->start(DigitalOscilloscopeAutomatic);
    QCOMPARE(errors.count(), 1);
    QVERIFY(m_resource->isError());
    // The sequence went on past the failure and the cycle runs.
    QCOMPARE(count("zqhx2_configInput"), 2);
    QCOMPARE(count("zqhx2_config"), 1);
    QVERIFY(running());
}

void TestOscilloscopeResource::unboundResourceDoesNothing()
{
    simbench::clearCallLog();
    ResourceHX9 resource;
    resource.start(DigitalOscilloscopeSingle);
    resource.forceTrigger();
    resource.stop();
    QVERIFY(simbench::callLog().empty());
    QVERIFY(!resource.isError());
}

void TestOscilloscopeResource::evaluationListsKeepOnePerRow_data()
{
    QTest::addColumn<int>("given");
    QTest::newRow("two lists") << 2;
    QTest::newRow("four lists") << 4;
    QTest::newRow("none") << 0;
}

void TestOscilloscopeResource::evaluationListsKeepOnePerRow()
{
    QFETCH(int, given);
    ResourceHX2 resource;
    std::vector<std::vector<EvaluationType>> lists;
    for (int i = 0; i < given; ++i)
        lists.push_back(std::vector<EvaluationType>(size_t(i + 1), EvaluationType(i + 1)));
    resource.configureEvaluationTypes(lists);
    const auto kept = resource.evaluationTypes();
    QCOMPARE(int(kept.size()), 3);
    for (int i = 0; i < 3; ++i) {
        if (i < given)
            QCOMPARE(kept[size_t(i)], lists[size_t(i)]);
        else
            QVERIFY(kept[size_t(i)].empty());
    }
}

QTEST_GUILESS_MAIN(TestOscilloscopeResource)
#include "tst_oscilloscoperesource.moc"
