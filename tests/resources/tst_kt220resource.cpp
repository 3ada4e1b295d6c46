#include "hardware/modules/kt220/kt220module.h"
#include "resources/kt220resource.h"
#include "resources/resourcedependence.h"
#include "support/frameworktestmodule.h"
#include "support/standarderror.h"

#include "simbench/simcontrol.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
const char *const Resource = "TCPIP0::10.0.0.5::INSTR";
const char *const Bench = "[TCPIP0::10.0.0.5::INSTR]\n"
                          "interface = TCPIP\n"
                          "manufacturer = 0xE76\n"
                          "model = 0x10D\n"
                          "idn = ZQVOLTA,KT220,1,1.0\n"
                          "lock = grant\n"
                          "kind = powersupply\n"
                          "load = 10\n";

// The set points written since the log was cleared, as (kind, value) pairs: kind 1 voltage,
// kind 2 current limit.
QList<QPair<int, double>> rangeWrites()
{
    QList<QPair<int, double>> writes;
    for (const auto &call : simbench::callLog("zqvolta_ConfigureOutputRange"))
        writes.append({std::stoi(call.args.at(1)), std::stod(call.args.at(2))});
    return writes;
}

// The output switchings since the log was cleared.
QList<int> enableWrites()
{
    QList<int> writes;
    for (const auto &call : simbench::callLog("zqvolta_ConfigureOutputEnabled"))
        writes.append(std::stoi(call.args.at(1)));
    return writes;
}

QTimer *timerOf(QObject *resource, int interval)
{
    for (QTimer *timer : resource->findChildren<QTimer *>()) {
        if (timer->interval() == interval)
            return timer;
    }
    return nullptr;
}
} // namespace

// The power-supply resource over the simulated instrument. Timer slots are driven directly.
class TestKT220Resource : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        simbench::reset();
        std::string error;
        QVERIFY2(simbench::loadBenchText(Bench, &error), error.c_str());
        m_module = std::make_unique<KT220Module>(nullptr);
        m_module->setPath(QString::fromLatin1(Resource));
        QCOMPARE(m_module->init(), 0);
        QVERIFY(m_module->handle() != 0);
        m_resource = std::make_unique<KT220Resource>(nullptr);
        const auto tree = m_resource->getDependencies();
        QVERIFY(tree->first());
        tree->setModule(m_module.get());
        QVERIFY(m_resource->create());
        simbench::clearCallLog();
    }

    void cleanup()
    {
        m_resource.reset();
        if (m_module)
            m_module->close();
        m_module.reset();
        simbench::reset();
    }

    void identityAndDefaults()
    {
        QCOMPARE(m_resource->type(), QStringLiteral("KT220 Power Supply"));
        QCOMPARE(m_resource->viewType(), QStringLiteral("Power Supply"));
        QCOMPARE(m_resource->channelsCount(), 1);
        const PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        QCOMPARE(options.voltage, 0.1);
        QCOMPARE(options.current, 0.0);
        QCOMPARE(options.enabled, false);
        QCOMPARE(options.voltageMaximum, 40.0);
        QCOMPARE(options.currentMaximum, 10.0);
    }

    void createNeedsAPowerSupplyModule()
    {
        KT220Resource unbound;
        QVERIFY(!unbound.create());
        FrameworkTestModule other(ModuleTypeKT220, QStringLiteral("KT220"),
                                  QString::fromLatin1(Resource));
        KT220Resource wrongClass;
        QVERIFY(wrongClass.getDependencies()->first());
        wrongClass.getDependencies()->setModule(&other);
        QVERIFY(!wrongClass.create());
        // Nothing polls for a resource that create() refused.
        QVERIFY(!timerOf(&wrongClass, KT220Resource::ReadingIntervalMs)->isActive());
    }

    void pollingRunsFromCreate()
    {
        QTimer *reading = timerOf(m_resource.get(), KT220Resource::ReadingIntervalMs);
        QVERIFY(reading);
        QVERIFY(reading->isActive());
        QCOMPARE(reading->timerType(), Qt::PreciseTimer);
        QVERIFY(!timerOf(m_resource.get(), KT220Resource::ApplyIntervalMs)->isActive());
    }

    void readingsReachOutputChanged()
    {
        QSignalSpy output(m_resource.get(), &PowerSupplyResource::outputChanged);
        QSignalSpy mode(m_resource.get(), &PowerSupplyResource::modeChanged);
        simbench::scriptOutValues("zqvolta_GetTelemetry", {12.5, 0.75});
        simbench::scriptOutValues("zqvolta_GetState", {2});
        m_resource->read();
        QCOMPARE(output.count(), 1);
        QCOMPARE(output.at(0).at(0).toInt(), 0);
        QCOMPARE(output.at(0).at(1).toDouble(), 12.5);
        QCOMPARE(output.at(0).at(2).toDouble(), 0.75);
        QCOMPARE(mode.count(), 1);
        QCOMPARE(mode.at(0).at(0).toInt(), 0);
        QCOMPARE(mode.at(0).at(1).value<PowerSupplyModeType>(), PowerSupplyConstantVoltage);
    }

    void simulatedOutputFollowsTheSetPoints()
    {
        PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        options.voltage = 5.0;
        options.current = 2.0;
        options.enabled = true;
        m_resource->setOutputOptions(0, options);
        double voltage = -1.0;
        double current = -1.0;
        QCOMPARE(m_resource->output(0, voltage, current), 0);
        // Into 10 ohm, 5 V stays below the 2 A limit.
        QCOMPARE(voltage, 5.0);
        QCOMPARE(current, 0.5);
    }

    void stateWordGivesTheMode_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("mode");
        QTest::newRow("4 and 1") << 5 << int(PowerSupplyOverRegulation);
        QTest::newRow("1 and 2") << 3 << int(PowerSupplyConstantCurrent);
        QTest::newRow("2") << 2 << int(PowerSupplyConstantVoltage);
        QTest::newRow("1") << 1 << int(PowerSupplyConstantCurrent);
        QTest::newRow("4") << 4 << int(PowerSupplyOverRegulation);
        QTest::newRow("0") << 0 << int(PowerSupplyNoMode);
        QTest::newRow("8") << 8 << int(PowerSupplyNoMode);
    }

    void stateWordGivesTheMode()
    {
        QFETCH(int, word);
        QFETCH(int, mode);
        simbench::scriptOutValues("zqvolta_GetState", {double(word)});
        QCOMPARE(int(m_resource->mode(0)), mode);
    }

    void failedStateReadGivesNoMode()
    {
        QSignalSpy error(m_resource.get(), &ResourceInterface::errorOccured);
        simbench::failCall("zqvolta_GetState", 1, -1073807339); // VI_ERROR_TMO
        simbench::scriptOutValues("zqvolta_GetState", {2});
        QCOMPARE(m_resource->mode(0), PowerSupplyNoMode);
        // The module's error reaches the resource.
        QCOMPARE(error.count(), 1);
        QVERIFY(m_resource->isError());
    }

    void switchingOnWritesAtOnce()
    {
        PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        options.voltage = 12.0;
        options.current = 1.5;
        m_resource->setOutputOptions(0, options);
        // Stopped: only stored.
        QVERIFY(rangeWrites().isEmpty());
        QVERIFY(enableWrites().isEmpty());

        options.enabled = true;
        m_resource->setOutputOptions(0, options);
        QCOMPARE(rangeWrites(), (QList<QPair<int, double>> {{1, 12.0}, {2, 1.5}}));
        QCOMPARE(enableWrites(), QList<int> {1});
        QVERIFY(timerOf(m_resource.get(), KT220Resource::ApplyIntervalMs)->isActive());
    }

    void changesWhileOnAreBatched()
    {
        PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        options.enabled = true;
        m_resource->setOutputOptions(0, options);
        simbench::clearCallLog();

        options.voltage = 3.0;
        m_resource->setOutputOptions(0, options);
        options.voltage = 4.5;
        m_resource->setOutputOptions(0, options);
        QVERIFY(rangeWrites().isEmpty());

        m_resource->apply();
        QCOMPARE(rangeWrites(), (QList<QPair<int, double>> {{1, 4.5}, {2, 0.0}}));
        QCOMPARE(enableWrites(), QList<int> {1});

        // Nothing changed since: the next tick writes nothing.
        simbench::clearCallLog();
        m_resource->apply();
        QVERIFY(rangeWrites().isEmpty());
        QVERIFY(enableWrites().isEmpty());
    }

    void switchingOffStopsTheBatches()
    {
        PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        options.enabled = true;
        m_resource->setOutputOptions(0, options);
        simbench::clearCallLog();

        options.enabled = false;
        m_resource->setOutputOptions(0, options);
        QCOMPARE(enableWrites(), QList<int> {0});
        QVERIFY(!timerOf(m_resource.get(), KT220Resource::ApplyIntervalMs)->isActive());

        simbench::clearCallLog();
        options.voltage = 9.0;
        m_resource->setOutputOptions(0, options);
        QVERIFY(rangeWrites().isEmpty());
        QVERIFY(enableWrites().isEmpty());

        // The stored change reaches the instrument with the next switch-on.
        options.enabled = true;
        m_resource->setOutputOptions(0, options);
        QCOMPARE(rangeWrites(), (QList<QPair<int, double>> {{1, 9.0}, {2, 0.0}}));
    }

    void startAndStopDirectly()
    {
        PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        options.voltage = 2.0;
        m_resource->setOutputOptions(0, options);
        m_resource->start();
        QCOMPARE(rangeWrites(), (QList<QPair<int, double>> {{1, 2.0}, {2, 0.0}}));
        QCOMPARE(enableWrites(), QList<int> {0});
        QVERIFY(timerOf(m_resource.get(), KT220Resource::ApplyIntervalMs)->isActive());

        simbench::clearCallLog();
        QCOMPARE(m_resource->stop(), 0);
        QCOMPARE(enableWrites(), QList<int> {0});
        QVERIFY(!timerOf(m_resource.get(), KT220Resource::ApplyIntervalMs)->isActive());
    }

    void storedState()
    {
        PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        options.voltage = 24.0;
        options.current = 3.5;
        m_resource->setOutputOptions(0, options);
        const ResourceState state = m_resource->storeState();
        QCOMPARE(state.size(), 2);
        QCOMPARE(state[QStringLiteral("voltage")].toDouble(), 24.0);
        QCOMPARE(state[QStringLiteral("current")].toDouble(), 3.5);
    }

    void restoringTurnsTheOutputOff()
    {
        PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        options.current = 2.0;
        options.enabled = true;
        m_resource->setOutputOptions(0, options);
        simbench::clearCallLog();

        // As read back from the INI file: text, and no "current".
        ResourceState state;
        state[QStringLiteral("voltage")] = QStringLiteral("15.5");
        m_resource->restoreState(state);

        const PowerSupplyOutputOptions restored = m_resource->outputOptions(0);
        QCOMPARE(restored.voltage, 15.5);
        QCOMPARE(restored.current, 0.0);
        QCOMPARE(restored.enabled, false);
        QCOMPARE(enableWrites(), QList<int> {0});
        QVERIFY(rangeWrites().isEmpty());
        QVERIFY(!timerOf(m_resource.get(), KT220Resource::ApplyIntervalMs)->isActive());

        PowerSupplyOutputOptions on = restored;
        on.enabled = true;
        m_resource->setOutputOptions(0, on);
        QCOMPARE(rangeWrites(), (QList<QPair<int, double>> {{1, 15.5}, {2, 0.0}}));
    }

    // A stored file can hold any text: a set point is restored only as a finite number within
    // the record's bounds; otherwise the fresh resource's set point is, and the key is named.
    void restoreKeepsSetPointsWithinLimits_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored"); // empty: the key is missing
        QTest::addColumn<double>("restored");
        QTest::addColumn<bool>("named");
        QTest::newRow("voltage in its bounds") << "voltage"
                                               << "12.5" << 12.5 << false;
        QTest::newRow("voltage at its maximum") << "voltage"
                                                << "40" << 40.0 << false;
        QTest::newRow("text voltage") << "voltage"
                                      << "twelve volts" << 0.1 << true;
        QTest::newRow("NaN voltage") << "voltage"
                                     << "nan" << 0.1 << true;
        QTest::newRow("infinite voltage") << "voltage"
                                          << "inf" << 0.1 << true;
        QTest::newRow("negative voltage") << "voltage"
                                          << "-1" << 0.1 << true;
        QTest::newRow("voltage beyond its maximum") << "voltage"
                                                    << "40.5" << 0.1 << true;
        QTest::newRow("missing voltage") << "voltage"
                                         << "" << 0.1 << true;
        QTest::newRow("current in its bounds") << "current"
                                               << "2.5" << 2.5 << false;
        QTest::newRow("text current") << "current"
                                      << "lots" << 0.0 << true;
        QTest::newRow("NaN current") << "current"
                                     << "nan" << 0.0 << true;
        QTest::newRow("current beyond its maximum") << "current"
                                                    << "11" << 0.0 << true;
    }

    void restoreKeepsSetPointsWithinLimits()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(double, restored);
        QFETCH(bool, named);
        // What the resource held before is not what a refused value gives.
        PowerSupplyOutputOptions before = m_resource->outputOptions(0);
        before.voltage = 7.0;
        before.current = 1.0;
        m_resource->setOutputOptions(0, before);

        // As an INI file gives it back: text.
        const QString other =
                key == "voltage" ? QStringLiteral("current") : QStringLiteral("voltage");
        ResourceState state;
        state[other] = QStringLiteral("3");
        if (!stored.isEmpty())
            state[key] = stored;
        const QByteArray errors = standardErrorOf([&] { m_resource->restoreState(state); });

        const ResourceState back = m_resource->storeState();
        QCOMPARE(back.value(key).toDouble(), restored);
        QCOMPARE(back.value(other).toDouble(), 3.0);
        QCOMPARE(errors.contains(key.toUtf8()), named);
        QCOMPARE(int(errors.count('\n')), named ? 1 : 0);
    }

    void viewsMayCallBackFromTheSignals()
    {
        // A view answers readings and errors by calling into the resource again, on the same
        // thread and while the resource is still inside its own call.
        QObject context;
        int answered = 0;
        connect(m_resource.get(), &PowerSupplyResource::outputChanged, &context, [&] {
            PowerSupplyOutputOptions options = m_resource->outputOptions(0);
            options.voltage = 1.0;
            m_resource->setOutputOptions(0, options);
            ++answered;
        });
        connect(m_resource.get(), &ResourceInterface::errorOccured, &context, [&] {
            double voltage = 0.0;
            double current = 0.0;
            m_resource->output(0, voltage, current);
            m_resource->mode(0);
            m_resource->setOutputOptions(0, m_resource->outputOptions(0));
            ++answered;
        });
        PowerSupplyOutputOptions options = m_resource->outputOptions(0);
        options.enabled = true;
        simbench::failCall("zqvolta_ConfigureOutputRange", 1, -1073807339);
        m_resource->setOutputOptions(0, options);
        m_resource->read();
        QCOMPARE(answered, 2);
        QVERIFY(m_resource->isError());
    }

private:
    std::unique_ptr<KT220Module> m_module;
    std::unique_ptr<KT220Resource> m_resource;
};

QTEST_GUILESS_MAIN(TestKT220Resource)
#include "tst_kt220resource.moc"
