#include "resources/kw7functiongeneratorresource.h"

#include "hardware/modules/kw7/kw7module.h"
#include "resources/functiongeneratorawgfilescollection.h"
#include "resources/resourcedependence.h"
#include "resources/resourcefactory.h"

#include "simbench/simcontrol.h"
#include "support/standarderror.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <memory>

using F = FunctionGeneratorStandardFunction;
using S = FunctionGeneratorStartType;

// A generator bound to a KW7 module on the demonstration session (handle 0), whose driver
// calls all land in the simulated bench's call log.
class TestFunctionGenerator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void freshResource();
    void factoryTypes();
    void startSequence();
    void squareTable();
    void disabledChannelGetsOnlyItsOutputStage();
    void startTypes();
    void invalidStartTypeTouchesNothing();
    void retry_data();
    void retry();
    void stopFailureKeepsState();
    void tickBatchesWhileRunning();
    void tickRestartsOnModeOrFile();
    void nothingSentWhileStopped();
    void channelIndexOutOfRange();
    void setterWithoutModuleRecords();
    void sampleRateIsCommon();
    void awgBuffer();
    void storeRestoreRoundTrip();
    void restorePartialState();
    void restoreKeepsValuesWithinLimits_data();
    void restoreKeepsValuesWithinLimits();
    void restoreKeepsListedValues_data();
    void restoreKeepsListedValues();
    void restoreJudgesStoredSignals_data();
    void restoreJudgesStoredSignals();

private:
    std::vector<std::string> functions() const
    {
        std::vector<std::string> names;
        for (const simbench::CallRecord &record : simbench::callLog()) {
            if (record.function.rfind("zqkw7_", 0) == 0 && record.function != "zqkw7_error_message")
                names.push_back(record.function);
        }
        return names;
    }
    void tick() { m_resource->onApplyOptions(); }

    KW7Module *m_module = nullptr;
    std::unique_ptr<KW7FunctionGeneratorResource> m_resource;
};

void TestFunctionGenerator::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("corvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("pralune"));
}

void TestFunctionGenerator::init()
{
    simbench::reset();
    m_module = new KW7Module(this);
    m_resource = std::make_unique<KW7FunctionGeneratorResource>();
    QVERIFY(m_resource->getDependencies()->first());
    m_resource->getDependencies()->setModule(m_module);
    QVERIFY(m_resource->create());
    simbench::clearCallLog();
}

void TestFunctionGenerator::cleanup()
{
    m_resource.reset();
    delete m_module;
    m_module = nullptr;
}

void TestFunctionGenerator::freshResource()
{
    KW7FunctionGeneratorResource r;
    QCOMPARE(r.type(), QStringLiteral("KW7 Function Generator"));
    QCOMPARE(r.viewType(), QStringLiteral("Function Generator"));
    QCOMPARE(r.state(), S::Stopped);
    QCOMPARE(r.mode(), FunctionGeneratorMode::StandardFunctions);
    QCOMPARE(r.channelsCount(), 2u);
    QCOMPARE(r.supportedRanges(), (std::set<unsigned> {1, 10}));
    QCOMPARE(r.supportedFunctions().size(), size_t(7));
    QVERIFY(!r.supportedFunctions().count(F::PRBS));
    for (unsigned ch = 0; ch < 2; ++ch) {
        QVERIFY(r.isChannelEnable(ch));
        QCOMPARE(r.standardFunction(ch), F::Sine);
        QCOMPARE(r.standardFunctionOptions(ch).sineOptions.double_amplitude, 2.0);
        QCOMPARE(r.standardFunctionOptions(ch).sineOptions.frequency, 2000.0);
        QCOMPARE(r.standardFunctionOptions(ch).squareOptions.frequency_limits.min, 4.89);
        QCOMPARE(r.outputOptions(ch).impedance, 1000000.0);
        QCOMPARE(r.outputOptions(ch).range, 10u);
        QCOMPARE(r.outputOptions(ch).sampling_frequency, 1200u);
        QCOMPARE(r.modulationOptions(ch).frequency_deviation_limits.step, 5000.0);
    }
    QCOMPARE(r.triggerOptions().type, 0);
    QCOMPARE(r.triggerOptions().delay, 0.0);
    QCOMPARE(r.triggerOptions().delay_limits.max, 30.0);

    // Without a module a created resource refuses to bind.
    KW7FunctionGeneratorResource unbound;
    QVERIFY(!unbound.create());
    unbound.start(S::Immediate);
    unbound.stop();
    unbound.forceTrigger();
    QCOMPARE(unbound.state(), S::Stopped);
}

void TestFunctionGenerator::factoryTypes()
{
    ResourceFactory factory;
    // The other instruments register their own prototypes beside this one.
    QVERIFY(factory.availiableTypes().contains(QStringLiteral("KW7 Function Generator")));
    std::unique_ptr<QObject> made(factory.create(QStringLiteral("KW7 Function Generator")));
    QVERIFY(qobject_cast<KW7FunctionGeneratorResource *>(made.get()));
}

void TestFunctionGenerator::startSequence()
{
    m_resource->start(S::Immediate);
    const std::vector<std::string> channel {"zqkw7_config_chan", "zqkw7_config_afg",
                                            "zqkw7_config_afg_gen", "zqkw7_config_afg_signal",
                                            "zqkw7_config_afg_modul"};
    std::vector<std::string> expected {"zqkw7_config_sample_freq", "zqkw7_config_source_freq",
                                       "zqkw7_config_start", "zqkw7_config_mode"};
    expected.insert(expected.end(), channel.begin(), channel.end());
    expected.insert(expected.end(), channel.begin(), channel.end());
    expected.push_back("zqkw7_start");
    QCOMPARE(functions(), expected);

    const auto args = [](const char *function) { return simbench::callLog(function).front().args; };
    QCOMPARE(args("zqkw7_config_sample_freq"), (std::vector<std::string> {"4", "2"}));
    QCOMPARE(args("zqkw7_config_source_freq"), (std::vector<std::string> {"0", "0"}));
    QCOMPARE(args("zqkw7_config_start").at(0), std::string("0"));
    QCOMPARE(args("zqkw7_config_start").at(1), std::string("0"));
    QCOMPARE(args("zqkw7_config_mode"), std::vector<std::string> {"1"});
    QCOMPARE(args("zqkw7_config_chan").at(0), std::string("1"));
    QCOMPARE(args("zqkw7_config_chan").at(2), std::string("1")); // output on
    QCOMPARE(args("zqkw7_config_chan").at(3), std::string("1")); // 10 V range
    QCOMPARE(QString::fromStdString(args("zqkw7_config_afg").at(1)).toDouble(), 1.0);
    QCOMPARE(args("zqkw7_config_afg_gen").at(1), std::string("0"));
    QCOMPARE(m_resource->state(), S::Immediate);
}

void TestFunctionGenerator::squareTable()
{
    FunctionGeneratorOutputOptions output = m_resource->outputOptions(0);
    output.sampling_frequency = 300;
    m_resource->setOutputOptions(0, output);
    m_resource->setStandardFunction(0, F::Square);
    m_resource->setChannelEnable(1, false);
    FunctionGeneratorStartardFunctionOptions options = m_resource->standardFunctionOptions(0);
    options.squareOptions.double_amplitude = 2.0;
    options.squareOptions.frequency = 2000.0;
    m_resource->setStandardFunctionOptions(0, options);
    m_resource->start(S::Immediate);

    QCOMPARE(simbench::callLog("zqkw7_config_sample_freq").front().args,
             (std::vector<std::string> {"2", "2"}));
    const auto tables = simbench::callLog("zqkw7_afg_setData");
    QCOMPARE(tables.size(), size_t(1));
    QCOMPARE(tables.front().args.at(2), std::string("1020"));
    QCOMPARE(QString::fromStdString(tables.front().args.at(3)).toDouble(), 147 / 300e6);
    QCOMPARE(tables.front().data.size(), size_t(1020));
    QCOMPARE(std::count(tables.front().data.begin(), tables.front().data.end(), 1.0), 510L);
    QCOMPARE(simbench::callLog("zqkw7_config_afg_gen").front().args.at(1), std::string("1"));
}

void TestFunctionGenerator::disabledChannelGetsOnlyItsOutputStage()
{
    m_resource->setChannelEnable(0, false);
    m_resource->start(S::Immediate);
    const auto chans = simbench::callLog("zqkw7_config_chan");
    QCOMPARE(chans.size(), size_t(2));
    QCOMPARE(chans.front().args.at(2), std::string("0"));
    QCOMPARE(simbench::callLog("zqkw7_config_afg").size(), size_t(1));
    QCOMPARE(simbench::callLog("zqkw7_config_afg_modul").size(), size_t(1));
}

void TestFunctionGenerator::startTypes()
{
    FunctionGeneratorTriggerOptions trigger = m_resource->triggerOptions();
    trigger.type = 1;
    trigger.delay = 2.5;
    m_resource->setTriggerOptions(trigger);
    m_resource->start(S::Delayed);
    const auto args = simbench::callLog("zqkw7_config_start").front().args;
    QCOMPARE(args.at(0), std::string("1"));
    QCOMPARE(args.at(1), std::string("1"));
    QCOMPARE(QString::fromStdString(args.at(2)).toDouble(), 2.5);
    QCOMPARE(m_resource->state(), S::Delayed);

    simbench::clearCallLog();
    m_resource->start(S::Trigger); // a running output is stopped first
    QCOMPARE(functions().front(), std::string("zqkw7_stop"));
    QCOMPARE(simbench::callLog("zqkw7_config_start").front().args.at(0), std::string("2"));
    QCOMPARE(m_resource->state(), S::Trigger);

    m_resource->forceTrigger();
    QCOMPARE(simbench::callLog("zqkw7_prog_start").size(), size_t(1));
    m_resource->stop();
    QCOMPARE(m_resource->state(), S::Stopped);
}

void TestFunctionGenerator::invalidStartTypeTouchesNothing()
{
    m_resource->start(S::Stopped);
    m_resource->start(static_cast<S>(42));
    QVERIFY(functions().empty());
    QCOMPARE(m_resource->state(), S::Stopped);
}

void TestFunctionGenerator::retry_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("reported");
    QTest::newRow("once: retried, not reported") << 1 << false;
    QTest::newRow("twice: reported") << 2 << true;
}

void TestFunctionGenerator::retry()
{
    QFETCH(int, failures);
    QFETCH(bool, reported);
    QSignalSpy errors(m_resource.get(), &ResourceInterface::errorOccured);
    simbench::failCall("zqkw7_config_mode", 1, -1074000000, failures);
    m_resource->start(S::Immediate);
    QCOMPARE(simbench::callLog("zqkw7_config_mode").size(), size_t(2));
    QCOMPARE(m_resource->isError(), reported);
    QCOMPARE(errors.size(), reported ? 1 : 0);
    QCOMPARE(m_module->errorString().isEmpty(), !reported);
    // A failed mode ends the apply and the start; a successful retry carries on.
    QCOMPARE(simbench::callLog("zqkw7_config_chan").size(), size_t(reported ? 0 : 2));
    QCOMPARE(m_resource->state(), reported ? S::Stopped : S::Immediate);
}

void TestFunctionGenerator::stopFailureKeepsState()
{
    m_resource->start(S::Immediate);
    simbench::clearCallLog();
    simbench::failCall("zqkw7_stop", 1, 1, 2); // warnings: reported, no error state
    m_resource->stop();
    QCOMPARE(simbench::callLog("zqkw7_stop").size(), size_t(2));
    QCOMPARE(m_resource->state(), S::Immediate);
}

void TestFunctionGenerator::tickBatchesWhileRunning()
{
    m_resource->start(S::Immediate);
    simbench::clearCallLog();
    tick();
    QVERIFY(functions().empty()); // nothing pending

    FunctionGeneratorStartardFunctionOptions options = m_resource->standardFunctionOptions(0);
    options.sineOptions.frequency = 1000.0;
    m_resource->setStandardFunctionOptions(0, options);
    options.sineOptions.frequency = 3000.0;
    m_resource->setStandardFunctionOptions(0, options);
    QVERIFY(functions().empty()); // setters never talk to the device
    tick();
    QCOMPARE(simbench::callLog("zqkw7_stop").size(), size_t(0));
    QCOMPARE(simbench::callLog("zqkw7_config_sample_freq").size(), size_t(1));
    QCOMPARE(QString::fromStdString(simbench::callLog("zqkw7_config_afg").front().args.at(2))
                     .toDouble(),
             3000.0);
    simbench::clearCallLog();
    tick();
    QVERIFY(functions().empty());
}

void TestFunctionGenerator::tickRestartsOnModeOrFile()
{
    m_resource->start(S::Delayed);
    simbench::clearCallLog();
    FunctionGeneratorAWGOptions awg = m_resource->AWGOptiuons(1);
    awg.file = QStringLiteral("/nowhere.csv");
    m_resource->setAWGOptions(1, awg);
    m_resource->setChannelEnable(0, true); // a later edit does not cancel the restart
    tick();
    const std::vector<std::string> names = functions();
    QCOMPARE(names.front(), std::string("zqkw7_stop"));
    QCOMPARE(names.back(), std::string("zqkw7_start"));
    QCOMPARE(m_resource->state(), S::Delayed);

    simbench::clearCallLog();
    m_resource->setMode(FunctionGeneratorMode::ArbitraryWaveform);
    tick();
    QCOMPARE(functions().front(), std::string("zqkw7_stop"));
    QCOMPARE(simbench::callLog("zqkw7_config_mode").front().args, std::vector<std::string> {"0"});
}

void TestFunctionGenerator::nothingSentWhileStopped()
{
    m_resource->setStandardFunction(1, F::Level);
    m_resource->setMode(FunctionGeneratorMode::StandardFunctions);
    tick();
    QVERIFY(functions().empty());
    m_resource->start(S::Immediate);
    QCOMPARE(simbench::callLog("zqkw7_config_sample_freq").size(), size_t(1));
    const auto level = simbench::callLog("zqkw7_afg_setData");
    QCOMPARE(level.size(), size_t(1));
    QCOMPARE(level.front().data, std::vector<double> {0.0});
}

void TestFunctionGenerator::channelIndexOutOfRange()
{
    m_resource->setChannelEnable(2, false);
    m_resource->setStandardFunction(5, F::Square);
    FunctionGeneratorOutputOptions output;
    output.sampling_frequency = 75;
    m_resource->setOutputOptions(9, output);
    m_resource->setAWGOptions(2, {});
    QVERIFY(!m_resource->isChannelEnable(2));
    QCOMPARE(m_resource->standardFunction(2), F::Sine);
    QCOMPARE(m_resource->outputOptions(2).impedance, 50.0);
    QCOMPARE(m_resource->outputOptions(0).sampling_frequency, 1200u);
    QCOMPARE(m_resource->AWGOptiuons(7).channel, 0u);
    m_resource->start(S::Immediate);
    QCOMPARE(simbench::callLog("zqkw7_config_chan").size(), size_t(2));
}

void TestFunctionGenerator::setterWithoutModuleRecords()
{
    KW7FunctionGeneratorResource r;
    r.setStandardFunction(0, F::Triangular);
    r.setMode(FunctionGeneratorMode::ArbitraryWaveform);
    QCOMPARE(r.standardFunction(0), F::Triangular);
    QCOMPARE(r.mode(), FunctionGeneratorMode::ArbitraryWaveform);
}

void TestFunctionGenerator::sampleRateIsCommon()
{
    FunctionGeneratorOutputOptions output = m_resource->outputOptions(1);
    output.sampling_frequency = 150;
    output.offset = 1.5;
    m_resource->setOutputOptions(1, output);
    QCOMPARE(m_resource->outputOptions(0).sampling_frequency, 150u);
    QCOMPARE(m_resource->outputOptions(0).offset, 0.0);
    QCOMPARE(m_resource->outputOptions(1).offset, 1.5);
}

void TestFunctionGenerator::awgBuffer()
{
    QTemporaryDir dir;
    QFile source(dir.filePath(QStringLiteral("two.csv")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write("a;b\n");
    for (int i = 0; i < 100; ++i)
        source.write(QByteArray::number(i) + ';' + QByteArray::number(i < 30 ? 1000 + i : 0)
                     + '\n');
    source.close();
    // Signal b holds 30 samples: a shorter file for it.
    QFile shorter(dir.filePath(QStringLiteral("short.csv")));
    QVERIFY(shorter.open(QIODevice::WriteOnly));
    for (int i = 0; i < 30; ++i)
        shorter.write(QByteArray::number(1000 + i) + '\n');
    shorter.close();

    FunctionGeneratorAwgFilesCollection &files = FunctionGeneratorAwgFilesCollection::instance();
    const int a = files.addCopy(source.fileName());
    const int b = files.addCopy(shorter.fileName());
    QVERIFY(a >= 0 && b >= 0);
    m_resource->setAWGOptions(0, {files.file(a), 0});
    m_resource->setAWGOptions(1, {files.file(b), 0});
    m_resource->setMode(FunctionGeneratorMode::ArbitraryWaveform);
    m_resource->start(S::Immediate);

    QCOMPARE(simbench::callLog("zqkw7_config_awg").front().args.back(), std::string("104"));
    const auto written = simbench::callLog("zqkw7_writeAWG");
    QCOMPARE(written.size(), size_t(1));
    QCOMPARE(written.front().args.at(1), std::string("208"));
    const std::vector<double> &buffer = written.front().data;
    QCOMPARE(buffer.size(), size_t(208));
    QCOMPARE(buffer.at(2 * 31 + 1), 1001.0);
    QCOMPARE(buffer.at(2 * 100), 0.0);

    // A signal index beyond the file switches that channel off.
    simbench::clearCallLog();
    m_resource->setAWGOptions(1, {files.file(b), 3});
    m_resource->start(S::Immediate);
    QCOMPARE(simbench::callLog("zqkw7_config_chan").at(1).args.at(2), std::string("0"));
    QCOMPARE(simbench::callLog("zqkw7_writeAWG").front().data.at(1), 0.0);
    files.remove(b);
    files.remove(a);
}

void TestFunctionGenerator::storeRestoreRoundTrip()
{
    // Imported waveform files with a third and fourth signal, so that the restore plays them.
    QTemporaryDir sources;
    FunctionGeneratorAwgFilesCollection &files = FunctionGeneratorAwgFilesCollection::instance();
    QStringList waves;
    for (int ch = 0; ch < 2; ++ch) {
        QFile source(sources.filePath(QStringLiteral("wave %1.csv").arg(ch)));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(QByteArray::number(ch) + ";2;3;4\n5;6;7;8\n");
        source.close();
        const int row = files.addCopy(source.fileName());
        QVERIFY(row >= 0);
        waves << files.file(row);
    }
    KW7FunctionGeneratorResource r;
    for (unsigned ch = 0; ch < 2; ++ch) {
        const double k = ch + 1;
        r.setStandardFunction(ch, F(2 + ch));
        FunctionGeneratorOutputOptions o = r.outputOptions(ch);
        o.sampling_frequency = 600;
        o.impedance = 50 * k;
        o.range = 1;
        o.offset = -0.25 * k;
        r.setOutputOptions(ch, o);
        FunctionGeneratorModulationOptions m = r.modulationOptions(ch);
        m.type = FunctionGeneratorModulationType(3 + ch);
        m.frequency = 11 * k;
        m.modulation_index = 12 * k;
        m.frequency_deviation = 13 * k;
        m.phase_deviation = 14 * k;
        r.setModulationOptions(ch, m);
        FunctionGeneratorStartardFunctionOptions f = r.standardFunctionOptions(ch);
        // Values only, each within its limits: the limits are the resource's and stay as it
        // reports them.
        f.sineOptions.double_amplitude = 1.1 * k;
        f.sineOptions.frequency = 2.2 * k;
        f.sineOptions.phase = 3.3 * k;
        f.squareOptions.double_amplitude = 1.4 * k;
        f.squareOptions.frequency = 5.5 * k;
        f.rectangularOptions.double_amplitude = 1.6 * k;
        f.rectangularOptions.frequency = 7.7 * k;
        f.rectangularOptions.duty_cycle = 8.8 * k;
        f.triangluarOptions.double_amplitude = 1.9 * k;
        f.triangluarOptions.frequency = 10.1 * k;
        f.triangluarOptions.symmetry = 11.1 * k;
        f.positiveRampOptions.double_amplitude = 2.2 * k;
        f.positiveRampOptions.frequency = 13.3 * k;
        f.negativeRampOptions.double_amplitude = 2.4 * k;
        f.negativeRampOptions.frequency = 15.5 * k;
        r.setStandardFunctionOptions(ch, f);
        r.setChannelEnable(ch, ch == 1);
        r.setAWGOptions(ch, {waves.at(int(ch)), ch + 2});
    }
    FunctionGeneratorTriggerOptions trigger = r.triggerOptions();
    trigger.type = 1;
    trigger.delay = 7.5;
    r.setTriggerOptions(trigger);
    r.setMode(FunctionGeneratorMode::ArbitraryWaveform);

    const ResourceState stored = r.storeState();
    int keys = 0;
    for (auto it = stored.begin(); it != stored.end(); ++it)
        ++keys;
    QCOMPARE(keys, 59);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fg.ini"));
    saveStateToFile(stored, path);
    QFile ini(path);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    QVERIFY(text.contains("modulation_options.phase_deviation_1="));
    QVERIFY(text.contains("standardFunctionOptions.triangluarOptions.symmetry_0="));

    for (const ResourceState &state : {stored, loadStateFromFile(path)}) {
        KW7FunctionGeneratorResource back;
        back.restoreState(state);
        QCOMPARE(back.mode(), FunctionGeneratorMode::ArbitraryWaveform);
        for (unsigned ch = 0; ch < 2; ++ch) {
            const double k = ch + 1;
            QCOMPARE(back.standardFunction(ch), F(2 + ch));
            // The records as the source holds them, limits included (they stay the resource's)...
            QCOMPARE(back.outputOptions(ch), r.outputOptions(ch));
            QCOMPARE(back.modulationOptions(ch), r.modulationOptions(ch));
            QCOMPARE(back.standardFunctionOptions(ch), r.standardFunctionOptions(ch));
            QCOMPARE(back.AWGOptiuons(ch), r.AWGOptiuons(ch));
            QCOMPARE(back.isChannelEnable(ch), ch == 1);
            // ...and what was set, so a setter that dropped a value cannot hide behind the source.
            QCOMPARE(back.outputOptions(ch).sampling_frequency, 600u);
            QCOMPARE(back.outputOptions(ch).offset, -0.25 * k);
            QCOMPARE(back.modulationOptions(ch).phase_deviation, 14 * k);
            QCOMPARE(back.standardFunctionOptions(ch).triangluarOptions.symmetry, 11.1 * k);
            QCOMPARE(back.standardFunctionOptions(ch).negativeRampOptions.frequency, 15.5 * k);
            QCOMPARE(back.standardFunctionOptions(ch).sineOptions.phase_limits.max, 360.0);
            QCOMPARE(back.AWGOptiuons(ch).file, waves.at(int(ch)));
            QCOMPARE(back.AWGOptiuons(ch).channel, ch + 2);
        }
        QCOMPARE(back.triggerOptions(), r.triggerOptions());
        QCOMPARE(back.triggerOptions().delay, 7.5);
        QCOMPARE(back.triggerOptions().delay_limits.max, 30.0);
    }
    while (files.count() > 0)
        files.remove(0);
}

void TestFunctionGenerator::restorePartialState()
{
    KW7FunctionGeneratorResource r;
    r.setMode(FunctionGeneratorMode::ArbitraryWaveform);
    ResourceState state;
    state[QStringLiteral("outputOptions.sampling_frequency_0")] = 75;
    state[QStringLiteral("outputOptions.sampling_frequency_1")] = QStringLiteral("300");
    state[QStringLiteral("channelsEnable_0")] = QStringLiteral("true");
    state[QStringLiteral("channelsEnable_1")] = QStringLiteral("false");
    state[QStringLiteral("standardFunction_1")] = QStringLiteral("not a number");
    r.restoreState(state);
    QCOMPARE(r.mode(), FunctionGeneratorMode::ArbitraryWaveform); // no "mode": unchanged
    QCOMPARE(r.outputOptions(0).sampling_frequency, 300u);
    QCOMPARE(r.outputOptions(1).sampling_frequency, 300u);
    // An absent range reads as 0, which the module lacks: the fresh range stands.
    QCOMPARE(r.outputOptions(0).range, 10u);
    // An absent impedance reads as 0, below the module's limits: the fresh value stands.
    QCOMPARE(r.outputOptions(0).impedance, 1000000.0);
    QCOMPARE(r.outputOptions(0).impedance_limits.min, 25.0);
    QCOMPARE(r.outputOptions(0).offset, 0.0);
    QCOMPARE(r.standardFunction(0), F::Level);
    QCOMPARE(r.standardFunction(1), F::Level);
    QVERIFY(r.isChannelEnable(0));
    QVERIFY(!r.isChannelEnable(1));
    QCOMPARE(r.triggerOptions().delay, 0.0);
    QVERIFY(r.AWGOptiuons(0).file.isEmpty());

    r.restoreState(ResourceState());
    QCOMPARE(r.mode(), FunctionGeneratorMode::ArbitraryWaveform);
    QCOMPARE(r.standardFunctionOptions(1).sineOptions.frequency, 2000.0);
    QCOMPARE(r.standardFunctionOptions(1).sineOptions.phase, 0.0);
}

// A stored file can hold any text: a value is restored only when it is a finite number within
// the module's limits, otherwise the fresh resource's value is, and the key is named.
void TestFunctionGenerator::restoreKeepsValuesWithinLimits_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<double>("restored"); // NaN: the stored value itself, or fresh's
    auto row = [](const char *name, const char *key, const char *stored, bool kept,
                  double restored = qQNaN()) {
        QTest::newRow(name) << QString::fromLatin1(key) << QString::fromLatin1(stored) << kept
                            << restored;
    };
    const char *sine0 = "standardFunctionOptions.sineOptions.frequency_0";
    const char *sine1 = "standardFunctionOptions.sineOptions.frequency_1";
    row("NaN frequency, channel 1", sine0, "nan", false);
    row("infinite frequency, channel 2", sine1, "inf", false);
    row("negative frequency", sine0, "-1000", false);
    row("frequency in its limits", sine1, "1000", true);
    row("square below its table's limit", "standardFunctionOptions.squareOptions.frequency_1", "1",
        false);
    row("NaN impedance", "outputOptions.impedance_0", "nan", false);
    row("negative impedance", "outputOptions.impedance_1", "-600", false);
    row("impedance in its limits", "outputOptions.impedance_1", "600", true);
    row("offset at its limit", "outputOptions.offset_0", "-10", true);
    row("infinite offset", "outputOptions.offset_0", "-inf", false);
    row("amplitude beyond its limit",
        "standardFunctionOptions.rectangularOptions.double_amplitude_0", "11", false);
    row("negative duty cycle", "standardFunctionOptions.rectangularOptions.duty_cycle_1", "-5",
        false);
    row("NaN modulating frequency", "modulationOptions.frequency_1", "nan", false);
    row("phase deviation beyond its limit", "modulation_options.phase_deviation_0", "720", false);
    row("NaN trigger delay", "triggerOptions.delay", "nan", false);
    row("trigger delay in its limits", "triggerOptions.delay", "2.5", true);
    // Text is no number: it reads as a missing key, not as an accepted 0.
    row("text amplitude", "standardFunctionOptions.sineOptions.double_amplitude_0", "two volts",
        false);
    row("text offset", "outputOptions.offset_1", "zero", false);
    row("missing amplitude", "standardFunctionOptions.squareOptions.double_amplitude_1", "", false);
    // Loads are kept in whole ohms, as the list of loads shows them.
    row("fractional load", "outputOptions.impedance_1", "75.5", true, 76.0);
}

void TestFunctionGenerator::restoreKeepsValuesWithinLimits()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(bool, kept);
    QFETCH(double, restored);
    const ResourceState fresh = KW7FunctionGeneratorResource().storeState();
    // As an INI file gives it back: every value as text; an empty one stands for no key.
    ResourceState state;
    for (const auto &[name, value] : fresh)
        if (name != key || !stored.isEmpty())
            state[name] = name == key ? stored : value.toString();

    KW7FunctionGeneratorResource r;
    const QByteArray errors = standardErrorOf([&] { r.restoreState(state); });
    const ResourceState back = r.storeState();
    const double expected = !qIsNaN(restored) ? restored
            : kept                            ? stored.toDouble()
                                              : fresh.value(key).toDouble();
    QCOMPARE(back.value(key).toDouble(), expected);
    QCOMPARE(errors.contains(key.toUtf8()), !kept);
    QCOMPARE(errors.count('\n'), kept ? 0 : 1);
    // The other values are those stored.
    for (const auto &[name, value] : fresh)
        if (name != key)
            QCOMPARE(back.value(name).toString(), value.toString());
}

// Whole numbers and choices: only a value of the key's list is restored; any other number
// gives the fresh resource's value and a line naming the key. Text is no number and reads as
// a missing key: as 0 where 0 is listed, the mode as it is.
void TestFunctionGenerator::restoreKeepsListedValues_data()
{
    QTest::addColumn<QString>("key"); // %1: every channel's key
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("restored");
    QTest::addColumn<bool>("named");
    const struct
    {
        const char *key;
        const char *fresh; // what a refused number gives
        const char *text; // what text gives
        const char *listed;
    } keys[] = {
            {"standardFunction_0", "1", "0", "3"},
            {"modulationOptions.type_1", "0", "0", "4"},
            {"triggerOptions.type", "0", "0", "1"},
            {"mode", "0", "1", "1"}, // the resource holds the waveform mode before
            {"outputOptions.sampling_frequency_%1", "1200", "1200", "600"},
            {"outputOptions.range_0", "10", "10", "1"},
            {"awgOptions.channel_1", "0", "0", "3"},
    };
    for (const auto &k : keys) {
        const QString key = QString::fromLatin1(k.key);
        for (const char *refused : {"-1000", "nan", "1e308", "2.5"})
            QTest::addRow("%s = %s", k.key, refused) << key << refused << k.fresh << true;
        QTest::addRow("%s = text", k.key) << key << "text" << k.text << true;
        QTest::addRow("%s listed", k.key) << key << k.listed << k.listed << false;
    }
    QTest::newRow("function the module lacks") << "standardFunction_1"
                                               << "7"
                                               << "1" << true;
    QTest::newRow("modulation beyond the list") << "modulationOptions.type_0"
                                                << "6"
                                                << "0" << true;
    QTest::newRow("rate not in the module's list") << "outputOptions.sampling_frequency_%1"
                                                   << "1000"
                                                   << "1200" << true;
    QTest::newRow("unsupported range") << "outputOptions.range_1"
                                       << "5"
                                       << "10" << true;
    QTest::newRow("written as a decimal") << "outputOptions.range_1"
                                          << "1.0"
                                          << "1" << false;
}

void TestFunctionGenerator::restoreKeepsListedValues()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, restored);
    QFETCH(bool, named);
    const ResourceState fresh = KW7FunctionGeneratorResource().storeState();
    const QStringList keys = key.contains(QLatin1String("%1"))
            ? QStringList {key.arg(0), key.arg(1)}
            : QStringList {key};
    ResourceState state;
    for (const auto &[name, value] : fresh)
        state[name] = keys.contains(name) ? stored : value.toString();

    KW7FunctionGeneratorResource r;
    r.setMode(FunctionGeneratorMode::ArbitraryWaveform);
    const QByteArray errors = standardErrorOf([&] { r.restoreState(state); });
    const ResourceState back = r.storeState();
    for (const QString &name : keys) {
        QCOMPARE(back.value(name).toString(), restored);
        QCOMPARE(errors.contains(name.toUtf8()), named);
    }
    QCOMPARE(int(errors.count('\n')), named ? int(keys.size()) : 0);
    for (const auto &[name, value] : fresh)
        if (!keys.contains(name))
            QCOMPARE(back.value(name).toString(), value.toString());
}

// A stored signal is played only when the panel would play it: its file in the list of imported
// files, the signal one of the file's, and a column of finite numbers. What is refused is not
// played, the resource's record shows no file for it, and the close does not write it back.
void TestFunctionGenerator::restoreJudgesStoredSignals_data()
{
    QTest::addColumn<QByteArray>("content"); // channel 1's file; empty: a path outside the list
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("played");
    QTest::addColumn<double>("sample"); // the first played sample
    QTest::newRow("one NaN in the played column")
            << QByteArray("a;b\n1;5\nnan;6\n3;7\n") << 0 << false << 0.0;
    QTest::newRow("infinity in the played column")
            << QByteArray("1;5\n-inf;6\n") << 0 << false << 0.0;
    QTest::newRow("text column") << QByteArray("name;value\nfoo;1.0\nbar;2.0\n") << 0 << false
                                 << 0.0;
    QTest::newRow("signal beyond the file") << QByteArray("1;5\n2;6\n") << 2 << false << 0.0;
    QTest::newRow("file outside the list") << QByteArray() << 0 << false << 0.0;
    QTest::newRow("NaN only in another column")
            << QByteArray("a;b\n1;5\nnan;6\n3;7\n") << 1 << true << 5.0;
    QTest::newRow("text column, its number column chosen")
            << QByteArray("name;value\nfoo;1.0\nbar;2.0\n") << 1 << true << 1.0;
}

void TestFunctionGenerator::restoreJudgesStoredSignals()
{
    QFETCH(QByteArray, content);
    QFETCH(int, signal);
    QFETCH(bool, played);
    QFETCH(double, sample);
    QTemporaryDir dir;
    auto source = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
        return file.fileName();
    };
    FunctionGeneratorAwgFilesCollection &files = FunctionGeneratorAwgFilesCollection::instance();
    // Channel 2 holds what an earlier version chose by default: the first, text, column.
    const int textFile = files.addCopy(source("text.csv", "name;value\nfoo;1.0\nbar;2.0\n"));
    QVERIFY(textFile >= 0);
    const QString second = files.file(textFile);
    QString first = source("outside.csv", "1;2\n");
    if (!content.isEmpty()) {
        const int row = files.addCopy(source("first.csv", content));
        QVERIFY(row >= 0);
        first = files.file(row);
    }

    ResourceState state;
    for (const auto &[name, value] : KW7FunctionGeneratorResource().storeState())
        state[name] = value.toString();
    state[QStringLiteral("mode")] = QStringLiteral("1");
    state[QStringLiteral("channelsEnable_0")] = QStringLiteral("true");
    state[QStringLiteral("channelsEnable_1")] = QStringLiteral("true");
    state[QStringLiteral("awgOptions.file_0")] = first;
    state[QStringLiteral("awgOptions.channel_0")] = QString::number(signal);
    state[QStringLiteral("awgOptions.file_1")] = second;
    state[QStringLiteral("awgOptions.channel_1")] = QStringLiteral("0");
    const QByteArray errors = standardErrorOf([&] { m_resource->restoreState(state); });

    const FunctionGeneratorAWGOptions kept = {first, unsigned(signal)};
    QCOMPARE(m_resource->AWGOptiuons(0), played ? kept : FunctionGeneratorAWGOptions());
    QCOMPARE(m_resource->AWGOptiuons(1), FunctionGeneratorAWGOptions());
    QCOMPARE(int(errors.count('\n')), played ? 1 : 2);
    QVERIFY(errors.contains("awgOptions.file_1"));
    QCOMPARE(errors.contains("awgOptions.file_0"), !played);

    m_resource->start(S::Immediate);
    const auto channels = simbench::callLog("zqkw7_config_chan");
    QCOMPARE(channels.size(), size_t(2));
    QCOMPARE(channels.at(0).args.at(2), std::string(played ? "1" : "0"));
    QCOMPARE(channels.at(1).args.at(2), std::string("0"));
    const auto table = simbench::callLog("zqkw7_writeAWG");
    QCOMPARE(table.size(), size_t(1));
    for (double sample : table.front().data)
        QVERIFY(std::isfinite(sample));
    // Only channel 1's signal sets the table's length; channel 2 is silent.
    const int rows = played ? files.data(files.indexOf(first), signal).size() : 0;
    QCOMPARE(simbench::callLog("zqkw7_config_awg").front().args.back(),
             std::to_string(rows + rows % 16));
    if (played) {
        QCOMPARE(table.front().data.at(0), sample);
        QCOMPARE(table.front().data.at(1), 0.0);
    }

    // The close writes back what the resource plays, not the refused pairs.
    const ResourceState back = m_resource->storeState();
    QCOMPARE(back.value(QStringLiteral("awgOptions.file_0")).toString(),
             played ? first : QString());
    QCOMPARE(back.value(QStringLiteral("awgOptions.file_1")).toString(), QString());
    QCOMPARE(back.value(QStringLiteral("awgOptions.channel_1")).toInt(), 0);

    // Handed to the resource past the restore, a refused pair is not played either.
    if (!played) {
        simbench::clearCallLog();
        m_resource->setAWGOptions(0, kept);
        m_resource->setAWGOptions(1, {second, 0});
        m_resource->start(S::Immediate);
        for (const simbench::CallRecord &channel : simbench::callLog("zqkw7_config_chan"))
            QCOMPARE(channel.args.at(2), std::string("0"));
        const std::vector<simbench::CallRecord> written = simbench::callLog("zqkw7_writeAWG");
        QVERIFY(!written.empty());
        for (double sample : written.front().data)
            QCOMPARE(sample, 0.0);
    }
    while (files.count() > 0)
        files.remove(0);
}

QTEST_GUILESS_MAIN(TestFunctionGenerator)
#include "tst_functiongenerator.moc"
