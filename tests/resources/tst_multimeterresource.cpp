#include "resources/resourcerv38.h"

#include "hardware/modules/rv31/rv31module.h"
#include "resources/resourcedependence.h"
#include "resources/resourcefactory.h"
#include "support/frameworktestmodule.h"

#include "simbench/simcontrol.h"
#include "support/simulatedcalls.h"
#include "visatype.h"
#include "zqtavrin.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const char *const Carrier = "VXI0::3::INSTR";
// A carrier with an RV31 in slot 1; the probes see 1.0 V DC.
const char *const Bench = "[VXI0::3::INSTR]\n"
                          "manufacturer = 0xE76\n"
                          "model = 0x155\n"
                          "slot = 3\n"
                          "slot1 = 0x20\n";

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Infinity = std::numeric_limits<double>::infinity();

using namespace simulatedcalls;

// Start options as the trigger call receives them: count, first flag, time, option, second flag.
void compareTrigger(const std::vector<std::string> &args, unsigned option, double time,
                    bool secondFlag)
{
    QCOMPARE(int(args.size()), 5);
    QCOMPARE(args[0], std::string("1"));
    QCOMPARE(args[1], std::string("0"));
    QCOMPARE(number(args[2]), time);
    QCOMPARE(args[3], std::to_string(option));
    QCOMPARE(args[4], std::string(secondFlag ? "1" : "0"));
}

// Sets one field of the records by its state key.
void setField(DigitalGeneratorMainParameters &p, DigitalGeneratorAdditionalParameters &a,
              const QString &field, double value)
{
    if (field == "function")
        p.function = FunctionsMode(int(value));
    else if (field == "range")
        p.range = value;
    else if (field == "filter_index")
        p.filter_index = int(value);
    else if (field == "power_frequency")
        p.power_frequency = int(value);
    else if (field == "point_count")
        p.point_count = int(value);
    else if (field == "integration_time")
        p.integration_time = value;
    else if (field == "delay_time")
        p.delay_time = value;
    else if (field == "auto_zero")
        a.auto_zero = int(value);
    else
        QFAIL(qPrintable(field));
}

double field(const DigitalGeneratorMainParameters &p, const DigitalGeneratorAdditionalParameters &a,
             const QString &field)
{
    if (field == "function")
        return p.function;
    if (field == "range")
        return p.range;
    if (field == "filter_index")
        return p.filter_index;
    if (field == "power_frequency")
        return p.power_frequency;
    if (field == "point_count")
        return p.point_count;
    if (field == "integration_time")
        return p.integration_time;
    if (field == "delay_time")
        return p.delay_time;
    return a.auto_zero;
}

} // namespace

// The multimeter resource over a module opened on the simulated bench. The data timer is
// ticked by emitting its timeout, so every tick reaches exactly the connections that exist.
class TestMultimeterResource : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void factoryDefaults();
    void createNeedsAMultimeterModule();
    void intervals_data();
    void intervals();
    void programming_data();
    void programming();
    void untrustedRecordsAreClamped_data();
    void untrustedRecordsAreClamped();
    void onePackageStops_data();
    void onePackageStops();
    void singleRunsStartAtZero();
    void continuousKeepsGoing();
    void recordChangeWhileRunningRestarts();
    void forcedTriggerReturnsToTriggered();
    void forceTriggersIgnored_data();
    void forceTriggersIgnored();
    void forcedTriggerEndsWithItsRun_data();
    void forcedTriggerEndsWithItsRun();
    void autoZero();
    void restoreWhileRunningReprograms();
    void driverFailureSetsErrorAndKeepsAcquiring();
    void unboundResourceDoesNothing();

private:
    ResourceRV38 *bind();
    void tick() { QVERIFY(QMetaObject::invokeMethod(&m_resource->m_dataTimer, "timeout")); }
    bool running() const { return m_resource->m_dataTimer.isActive(); }
    int interval() const { return m_resource->m_dataTimer.interval(); }
    // True when the data timer still drives something; cuts the connections it finds.
    bool timerConnected()
    {
        return QObject::disconnect(&m_resource->m_dataTimer, &QTimer::timeout, nullptr, nullptr);
    }

    std::unique_ptr<RV31Module> m_module;
    std::unique_ptr<ResourceRV38> m_resource;
    QList<int> m_packages; // readings per package
    QList<int> m_overRange; // readings per over-range report
    QList<double> m_stamps; // time stamp of every package
};

void TestMultimeterResource::init()
{
    std::string error;
    QVERIFY2(simbench::loadBenchText(Bench, &error), error.c_str());
    ViSession carrier = 0;
    QCOMPARE(zqtavrin_init(Carrier, 1, 1, &carrier), VI_SUCCESS);
    m_module = std::make_unique<RV31Module>();
    m_module->setMainHandle(carrier);
    m_module->setPath(QString::fromLatin1(Carrier));
    m_module->setPosition(1);
    QCOMPARE(m_module->init(), 0);
    m_packages.clear();
    m_overRange.clear();
    m_stamps.clear();
}

void TestMultimeterResource::cleanup()
{
    m_resource.reset();
    m_module.reset();
}

ResourceRV38 *TestMultimeterResource::bind()
{
    m_resource = std::make_unique<ResourceRV38>();
    m_resource->getDependencies()->first();
    m_resource->getDependencies()->setModule(m_module.get());
    if (!m_resource->create())
        return nullptr;
    connect(m_resource.get(), &ResourceRV38::dataChanged, this,
            [this](double stamp, const QVector<double> &values) {
                m_packages << values.size();
                m_stamps << stamp;
            });
    connect(m_resource.get(), &ResourceRV38::overMeasurement, this,
            [this](double, int points) { m_overRange << points; });
    simbench::clearCallLog();
    return m_resource.get();
}

void TestMultimeterResource::factoryDefaults()
{
    ResourceFactory factory;
    std::unique_ptr<QObject> made(factory.create(QStringLiteral("RV31")));
    auto *resource = qobject_cast<ResourceRV38 *>(made.get());
    QVERIFY(resource);
    QCOMPARE(resource->viewType(), QStringLiteral("Digital Multimeter"));
    QVERIFY(resource->getDependencies()->first());
    QCOMPARE(resource->getDependencies()->moduleType(), ModuleTypeRV31);

    const DigitalGeneratorMainParameters main = resource->mainParameters();
    QCOMPARE(main.function, FunctionDcVoltage);
    QCOMPARE(main.range, -1.0);
    QCOMPARE(main.ranges, voltageRanges);
    QCOMPARE(main.filter_index, 0);
    QCOMPARE(main.impedance, false);
    QCOMPARE(main.power_frequency, 50);
    QCOMPARE(main.point_count, 256);
    QCOMPARE(main.integration_time, 0.001);
    QCOMPARE(main.delay_time, 0.002);
    QCOMPARE(main.rise_fall, false);
    QCOMPARE(resource->additionalParameters().auto_zero, 0);
    QCOMPARE(resource->uiParameters().scanTime, 1.0);
    QCOMPARE(resource->evaluationTypes(),
             std::vector<EvaluationType>({EvaluationAmplitude, EvaluationMaximum, EvaluationPeriod,
                                          EvaluationMinimum, EvaluationPeakToPeak, EvaluationMean,
                                          EvaluationRms, EvaluationFrequency}));

    // Every function has its range list; continuity is measured as a resistance.
    QCOMPARE(rangeSettings.size(), FunctionsModeLast + 1);
    QCOMPARE(rangeSettings.value(FunctionContinuity), wireResistanceRanges);
    QCOMPARE(rangeSettings.value(FunctionPeriod), periodFrequencyRanges);
    QCOMPARE(rangeSettings.value(FunctionAcCurrent), alternatingCurrentRanges);
    QCOMPARE(rangeSettings.value(FunctionDcCurrent), directCurrentRanges);
}

void TestMultimeterResource::createNeedsAMultimeterModule()
{
    ResourceRV38 resource;
    QVERIFY(!resource.create()); // no module in the dependence
    // A module of the multimeter's type that is not the multimeter's class.
    FrameworkTestModule impostor(ModuleTypeRV31, QStringLiteral("RV31"),
                                 QString::fromLatin1(Carrier));
    resource.getDependencies()->first();
    resource.getDependencies()->setModule(&impostor);
    QVERIFY(!resource.create());
    resource.getDependencies()->setModule(m_module.get());
    QVERIFY(resource.create());

    QSignalSpy errors(&resource, &ResourceInterface::errorOccured);
    emit m_module->errorOccured();
    QCOMPARE(errors.count(), 1);
    QVERIFY(resource.isError());
}

void TestMultimeterResource::intervals_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<double>("time");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("256 x 1 ms") << 256 << 0.001 << 256;
    QTest::newRow("1 x 1 ms is below the floor") << 1 << 0.001 << 5;
    QTest::newRow("3 x 0.5 ms is below the floor") << 3 << 0.0005 << 5;
    QTest::newRow("3 x 16.7 ms is cut, not rounded") << 3 << 0.0167 << 50;
    QTest::newRow("5.5 ms is cut to 5") << 11 << 0.0005 << 5;
    QTest::newRow("10 x 2 s") << 10 << 2.0 << 20000;
    QTest::newRow("no points") << 0 << 0.001 << 5;
    QTest::newRow("negative points") << -5 << 0.001 << 5;
    QTest::newRow("no integration time") << 256 << 0.0 << 5;
    QTest::newRow("negative integration time") << 256 << -0.001 << 5;
    QTest::newRow("integration time NaN") << 256 << NaN << 5;
    QTest::newRow("points beyond the driver's count") << 100000 << 0.001 << 65535;
    QTest::newRow("time beyond the longest") << 10 << 30.0 << 20000;
    QTest::newRow("infinite time") << 10 << Infinity << 20000;
}

void TestMultimeterResource::intervals()
{
    QFETCH(int, points);
    QFETCH(double, time);
    QFETCH(int, milliseconds);
    QVERIFY(bind());
    DigitalGeneratorMainParameters p = m_resource->mainParameters();
    p.point_count = points;
    p.integration_time = time;
    m_resource->configureMainParameters(p);
    QCOMPARE(interval(), milliseconds);
    QVERIFY(simbench::callLog().empty()); // stopped: the record waits for the next start
    QCOMPARE(m_resource->mainParameters().point_count, std::max(points, 0));

    m_resource->start(MeasurementContinuous);
    QCOMPARE(interval(), milliseconds);
    QVERIFY(running());
}

void TestMultimeterResource::programming_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("function");
    QTest::addColumn<double>("range");
    QTest::addColumn<QString>("wireFunction");
    QTest::addColumn<QString>("autoRange");
    QTest::newRow("one package, DC voltage automatic") << 0 << 5 << -1.0 << "5"
                                                       << "1";
    QTest::newRow("continuous, continuity fixed") << 1 << 8 << 1000.0 << "3"
                                                  << "0";
    QTest::newRow("triggered, range 0 is automatic") << 2 << 2 << 0.0 << "2"
                                                     << "1";
}

void TestMultimeterResource::programming()
{
    QFETCH(int, mode);
    QFETCH(int, function);
    QFETCH(double, range);
    QFETCH(QString, wireFunction);
    QFETCH(QString, autoRange);
    QVERIFY(bind());
    DigitalGeneratorMainParameters p = m_resource->mainParameters();
    p.function = FunctionsMode(function);
    p.range = range;
    p.filter_index = 2;
    p.impedance = true;
    p.power_frequency = 60;
    p.point_count = 100;
    p.integration_time = 0.0167;
    p.delay_time = 0.005;
    p.rise_fall = true;
    m_resource->configureMainParameters(p);
    m_resource->configureAdditionalParameters({1});

    m_resource->start(MeasurementType(mode));
    QCOMPARE(callNames(),
             QStringList({"zqrv31_conf_func", "zqrv31_systLfr", "zqrv31_sampCoun",
                          "zqrv31_mode_readData", "zqrv31_trigger", "zqrv31_calZeroAuto",
                          "zqrv31_confInstr", "zqrv31_initImm"}));
    const auto func = lastArgs("zqrv31_conf_func");
    QCOMPARE(func.at(0), wireFunction.toStdString());
    QCOMPARE(func.at(1), autoRange.toStdString());
    QCOMPARE(number(func.at(2)), range); // passed also when ranging automatically
    QCOMPARE(number(func.at(3)), 0.0167);
    QCOMPARE(func.at(4), std::string("2"));
    QCOMPARE(func.at(5), std::string("1"));
    QCOMPARE(lastArgs("zqrv31_systLfr"), std::vector<std::string> {"60"});
    QCOMPARE(lastArgs("zqrv31_sampCoun"), std::vector<std::string> {"100"});
    QCOMPARE(lastArgs("zqrv31_mode_readData"), (std::vector<std::string> {"2", "100"}));
    QCOMPARE(lastArgs("zqrv31_calZeroAuto"), std::vector<std::string> {"1"});
    if (mode == MeasurementTriggered)
        compareTrigger(lastArgs("zqrv31_trigger"), 1, 0.005, true);
    else
        compareTrigger(lastArgs("zqrv31_trigger"), 0, 0.002, false);
    QCOMPARE(interval(), 1670);
    QCOMPARE(m_module->state(), ModuleInterface::Started);
    QVERIFY(running());
    QVERIFY(!m_resource->isError());
}

void TestMultimeterResource::untrustedRecordsAreClamped_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("argument");
    QTest::addColumn<double>("programmed");
    const QString func = QStringLiteral("zqrv31_conf_func");
    QTest::newRow("function beyond the table") << "function" << 200.0 << 1 << func << 0 << 3.0;
    QTest::newRow("negative function") << "function" << -4.0 << 1 << func << 0 << 0.0;
    QTest::newRow("range above the list") << "range" << 1e9 << 1 << func << 2 << 400.0;
    QTest::newRow("infinite range") << "range" << Infinity << 1 << func << 2 << 400.0;
    QTest::newRow("range NaN ranges automatically") << "range" << NaN << 1 << func << 1 << 1.0;
    QTest::newRow("filter beyond the table") << "filter_index" << 7.0 << 1 << func << 4 << 2.0;
    QTest::newRow("negative filter") << "filter_index" << -1.0 << 1 << func << 4 << 0.0;
    QTest::newRow("integration time NaN") << "integration_time" << NaN << 1 << func << 3 << 0.0;
    QTest::newRow("integration time beyond the tables")
            << "integration_time" << 30.0 << 1 << func << 3 << 2.0;
    QTest::newRow("power frequency 0")
            << "power_frequency" << 0.0 << 1 << "zqrv31_systLfr" << 0 << 50.0;
    QTest::newRow("power frequency 56")
            << "power_frequency" << 56.0 << 1 << "zqrv31_systLfr" << 0 << 60.0;
    QTest::newRow("power frequency beyond 16 bits")
            << "power_frequency" << 100000.0 << 1 << "zqrv31_systLfr" << 0 << 60.0;
    QTest::newRow("lowest power frequency")
            << "power_frequency" << double(std::numeric_limits<int>::min()) << 1 << "zqrv31_systLfr"
            << 0 << 50.0;
    QTest::newRow("points beyond 16 bits")
            << "point_count" << 100000.0 << 1 << "zqrv31_sampCoun" << 0 << 65535.0;
    QTest::newRow("infinite delay")
            << "delay_time" << Infinity << 2 << "zqrv31_trigger" << 2 << 0.0;
    QTest::newRow("negative delay") << "delay_time" << -1.0 << 2 << "zqrv31_trigger" << 2 << 0.0;
    QTest::newRow("auto zero beyond the modes")
            << "auto_zero" << 40000.0 << 1 << "zqrv31_calZeroAuto" << 0 << 2.0;
    QTest::newRow("negative auto zero")
            << "auto_zero" << -3.0 << 1 << "zqrv31_calZeroAuto" << 0 << 0.0;
}

void TestMultimeterResource::untrustedRecordsAreClamped()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(int, mode);
    QFETCH(QString, call);
    QFETCH(int, argument);
    QFETCH(double, programmed);
    QVERIFY(bind());
    DigitalGeneratorMainParameters p = m_resource->mainParameters();
    DigitalGeneratorAdditionalParameters a = m_resource->additionalParameters();
    setField(p, a, field, value);
    m_resource->configureMainParameters(p);
    m_resource->configureAdditionalParameters(a);
    m_resource->start(MeasurementType(mode));
    tick();

    const auto args = lastArgs(call.toLatin1().constData());
    QVERIFY2(args.size() > size_t(argument), qPrintable(call));
    QCOMPARE(number(args.at(size_t(argument))), programmed);
    // The record keeps what it was given.
    const double kept =
            ::field(m_resource->mainParameters(), m_resource->additionalParameters(), field);
    if (std::isnan(value))
        QVERIFY(std::isnan(kept));
    else
        QCOMPARE(kept, value);
    QVERIFY(running());
    QVERIFY(!m_resource->isError());
}

void TestMultimeterResource::onePackageStops_data()
{
    QTest::addColumn<double>("range");
    QTest::addColumn<bool>("overRange");
    QTest::newRow("readings") << -1.0 << false;
    QTest::newRow("over range") << 0.1 << true; // 1.0 V on the 0.1 V range
}

void TestMultimeterResource::onePackageStops()
{
    QFETCH(double, range);
    QFETCH(bool, overRange);
    QVERIFY(bind());
    DigitalGeneratorMainParameters p = m_resource->mainParameters();
    p.range = range;
    m_resource->configureMainParameters(p);
    m_resource->start(MeasurementOnePackage);
    QCOMPARE(m_module->state(), ModuleInterface::Started);
    QVERIFY(running());
    simbench::clearCallLog();
    tick();
    QCOMPARE(m_packages, overRange ? QList<int>() : QList<int>({256}));
    QCOMPARE(m_overRange, overRange ? QList<int>({256}) : QList<int>());
    QVERIFY(!running());
    QCOMPARE(m_module->state(), ModuleInterface::Initialized);
    QCOMPARE(count("zqrv31_abor"), 1);
    tick(); // a late tick reaches nothing
    QCOMPARE(m_packages.size() + m_overRange.size(), 1);
    QVERIFY(!timerConnected());
    QVERIFY(!disconnect(m_module.get(), &RV31Module::dataChanged, m_resource.get(), nullptr));
    QVERIFY(!disconnect(m_module.get(), &RV31Module::overMeasurement, m_resource.get(), nullptr));
}

// The run stops inside the package's emission; its reset of the time must not be overwritten.
void TestMultimeterResource::singleRunsStartAtZero()
{
    QVERIFY(bind());
    for (int run = 0; run < 3; ++run) {
        m_resource->start(MeasurementOnePackage);
        tick();
        QVERIFY(!running());
    }
    QCOMPARE(m_packages, QList<int>({256, 256, 256}));
    QCOMPARE(m_stamps, QList<double>({0.0, 0.0, 0.0}));
}

void TestMultimeterResource::continuousKeepsGoing()
{
    QVERIFY(bind());
    m_resource->start(MeasurementContinuous);
    m_resource->start(MeasurementContinuous); // connected once each, all the same
    for (int i = 0; i < 3; ++i)
        tick();
    QCOMPARE(m_packages, QList<int>({256, 256, 256}));
    QVERIFY(running());
    QCOMPARE(m_module->state(), ModuleInterface::Started);

    m_resource->stop();
    QVERIFY(!running());
    QCOMPARE(m_module->state(), ModuleInterface::Initialized);
    tick();
    QCOMPARE(m_packages.size(), 3);
}

void TestMultimeterResource::recordChangeWhileRunningRestarts()
{
    QVERIFY(bind());
    m_resource->start(MeasurementContinuous);
    simbench::clearCallLog();
    DigitalGeneratorMainParameters p = m_resource->mainParameters();
    p.point_count = 10;
    m_resource->configureMainParameters(p);
    QCOMPARE(count("zqrv31_abor"), 1);
    QCOMPARE(lastArgs("zqrv31_sampCoun"), std::vector<std::string> {"10"});
    QCOMPARE(count("zqrv31_initImm"), 1);
    QVERIFY(running());
    tick();
    QCOMPARE(m_packages, QList<int>({10}));

    // The view's settings of its own reach no module.
    simbench::clearCallLog();
    m_resource->configureUIParameters({30.0});
    m_resource->configureEvaluationTypes({EvaluationRms});
    QVERIFY(simbench::callLog().empty());
    QCOMPARE(m_resource->uiParameters().scanTime, 30.0);
}

void TestMultimeterResource::forcedTriggerReturnsToTriggered()
{
    QVERIFY(bind());
    DigitalGeneratorMainParameters p = m_resource->mainParameters();
    p.delay_time = 0.005;
    p.rise_fall = true;
    m_resource->configureMainParameters(p);
    m_resource->start(MeasurementTriggered);
    compareTrigger(lastArgs("zqrv31_trigger"), 1, 0.005, true);
    tick();

    simbench::clearCallLog();
    m_resource->forceTriggers();
    compareTrigger(lastArgs("zqrv31_trigger"), 0, 0.002, false);
    QVERIFY(running());
    simbench::clearCallLog();
    tick(); // the forced package, then the triggered mode again
    QCOMPARE(count("zqrv31_trigger"), 1);
    compareTrigger(lastArgs("zqrv31_trigger"), 1, 0.005, true);
    QCOMPARE(m_module->state(), ModuleInterface::Started);
    QVERIFY(running());
    simbench::clearCallLog();
    tick();
    QCOMPARE(count("zqrv31_trigger"), 0);
    QCOMPARE(m_packages.size(), 3);
    QVERIFY(running());

    // Back in the triggered mode, a trigger can be forced again.
    m_resource->forceTriggers();
    compareTrigger(lastArgs("zqrv31_trigger"), 0, 0.002, false);
}

void TestMultimeterResource::forceTriggersIgnored_data()
{
    QTest::addColumn<int>("mode"); // -1: never started
    QTest::addColumn<bool>("stopped");
    QTest::newRow("one package") << 0 << false;
    QTest::newRow("continuous") << 1 << false;
    QTest::newRow("triggered, stopped") << 2 << true;
    QTest::newRow("never started") << -1 << false;
}

void TestMultimeterResource::forceTriggersIgnored()
{
    QFETCH(int, mode);
    QFETCH(bool, stopped);
    QVERIFY(bind());
    if (mode >= 0)
        m_resource->start(MeasurementType(mode));
    if (stopped)
        m_resource->stop();
    simbench::clearCallLog();
    m_resource->forceTriggers();
    QVERIFY(simbench::callLog().empty());
    QCOMPARE(running(), mode >= 0 && !stopped);
    if (!running())
        return;
    // The mode is the one started: a single package still stops, continuous runs on.
    tick();
    tick();
    QCOMPARE(m_packages.size(), mode == MeasurementOnePackage ? 1 : 2);
    QCOMPARE(count("zqrv31_trigger"), 0);
}

void TestMultimeterResource::forcedTriggerEndsWithItsRun_data()
{
    QTest::addColumn<bool>("receiverStops");
    QTest::newRow("stopped, then continuous") << false;
    QTest::newRow("the receiver of the package stops") << true;
}

void TestMultimeterResource::forcedTriggerEndsWithItsRun()
{
    QFETCH(bool, receiverStops);
    QVERIFY(bind());
    m_resource->start(MeasurementTriggered);
    m_resource->forceTriggers();
    if (receiverStops) {
        connect(m_resource.get(), &ResourceRV38::dataChanged, m_resource.get(),
                &ResourceRV38::stop);
        simbench::clearCallLog();
        tick();
        QCOMPARE(m_packages.size(), 1);
        QCOMPARE(count("zqrv31_initImm"), 0); // not restarted behind the receiver's back
        QVERIFY(!running());
        QCOMPARE(m_module->state(), ModuleInterface::Initialized);
        return;
    }
    m_resource->stop();
    m_resource->start(MeasurementContinuous);
    simbench::clearCallLog();
    tick();
    tick();
    QCOMPARE(m_packages.size(), 2);
    QCOMPARE(count("zqrv31_trigger"), 0); // still continuous, never triggered
    QVERIFY(running());
}

void TestMultimeterResource::autoZero()
{
    QVERIFY(bind());
    m_resource->configureAdditionalParameters({2});
    QVERIFY(simbench::callLog().empty());
    QCOMPARE(m_resource->additionalParameters().auto_zero, 2);
    m_resource->start(MeasurementContinuous);
    QCOMPARE(lastArgs("zqrv31_calZeroAuto"), std::vector<std::string> {"2"});

    simbench::clearCallLog();
    m_resource->configureAdditionalParameters({1}); // while running: programmed at once
    QCOMPARE(callNames().first(), QStringLiteral("zqrv31_abor"));
    QCOMPARE(lastArgs("zqrv31_calZeroAuto"), std::vector<std::string> {"1"});
    QCOMPARE(count("zqrv31_initImm"), 1);
    QVERIFY(running());

    simbench::clearCallLog();
    m_resource->startAutoZero(); // running: stopped, calibrated, started without programming
    QCOMPARE(callNames(), QStringList({"zqrv31_abor", "zqrv31_calZeroAutoExe", "zqrv31_initImm"}));
    QVERIFY(running());

    m_resource->stop();
    simbench::clearCallLog();
    m_resource->startAutoZero(); // stopped: acquires afterwards all the same
    QCOMPARE(callNames(), QStringList({"zqrv31_calZeroAutoExe", "zqrv31_initImm"}));
    QVERIFY(running());
    tick();
    QCOMPARE(m_packages.size(), 1);
    QVERIFY(running());
}

void TestMultimeterResource::restoreWhileRunningReprograms()
{
    QVERIFY(bind());
    m_resource->start(MeasurementContinuous);
    ResourceState state;
    state["function"] = 4;
    state["integration_time"] = 0.001;
    state["power_frequency"] = 60;
    state["evaluation_size"] = 0;
    simbench::clearCallLog();
    m_resource->restoreState(state);
    // No point count: zero readings, and the shortest interval.
    QCOMPARE(m_resource->mainParameters().point_count, 0);
    QCOMPARE(interval(), 5);
    QCOMPARE(lastArgs("zqrv31_conf_func").at(0), std::string("4"));
    QCOMPARE(lastArgs("zqrv31_systLfr"), std::vector<std::string> {"60"});
    QCOMPARE(m_resource->mainParameters().ranges, voltageRanges);
    QVERIFY(m_resource->evaluationTypes().empty());
    QVERIFY(running());
}

void TestMultimeterResource::driverFailureSetsErrorAndKeepsAcquiring()
{
    QVERIFY(bind());
    QSignalSpy errors(m_resource.get(), &ResourceInterface::errorOccured);
    simbench::failCall("zqrv31_conf_func", 1, VI_ERROR_INV_PARAMETER);
    m_resource->start(MeasurementContinuous);
    QCOMPARE(errors.count(), 1);
    QVERIFY(m_resource->isError());
    QCOMPARE(count("zqrv31_sampCoun"), 0); // the module's sequence ended at the failure
    QCOMPARE(count("zqrv31_initImm"), 1); // the resource's went on
    QVERIFY(running());
    tick();
    QVERIFY(running());
}

void TestMultimeterResource::unboundResourceDoesNothing()
{
    simbench::clearCallLog();
    ResourceRV38 resource;
    resource.start(MeasurementContinuous);
    resource.forceTriggers();
    resource.startAutoZero();
    DigitalGeneratorMainParameters p = resource.mainParameters();
    p.point_count = 10;
    resource.configureMainParameters(p);
    resource.configureAdditionalParameters({1});
    resource.stop();
    QVERIFY(simbench::callLog().empty());
    QVERIFY(!resource.m_dataTimer.isActive());
    QVERIFY(!resource.isError());
    QCOMPARE(resource.mainParameters().point_count, 10);
}

QTEST_GUILESS_MAIN(TestMultimeterResource)
#include "tst_multimeterresource.moc"
