#include "hardware/modules/kt220/kt220module.h"
#include "support/modulesbench.h"

#include "simbench/simcontrol.h"
#include "visatype.h"

#include <QSignalSpy>
#include <QtTest>

class TestKT220Module : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void stateKeepsThirteenBits();
    void closedModuleCallsNothing();
    void pauseBetweenTheTwoCalls();
    void firstFailureEndsOperation();
    void closeStopsAtFailure();
};

void TestKT220Module::init()
{
    QVERIFY(modulesbench::load());
}

void TestKT220Module::stateKeepsThirteenBits()
{
    KT220Module module;
    QCOMPARE(modulesbench::openSupply(&module), 0);
    simbench::scriptOutValues("zqvolta_GetState", {0xFFFF});
    int state = -1;
    QCOMPARE(module.getState(state), 0);
    QCOMPARE(state, 0x1FFF);
}

void TestKT220Module::closedModuleCallsNothing()
{
    KT220Module module;
    simbench::clearCallLog();
    int state = 5;
    QCOMPARE(module.getState(state), 0);
    QCOMPARE(state, 0);
    double voltage = 1.5;
    double current = 2.5;
    QCOMPARE(module.getOutput(voltage, current), 0);
    QCOMPARE(voltage, 1.5);
    QCOMPARE(current, 2.5);
    QCOMPARE(module.configureOutput(1.0, 1.0), 0);
    QCOMPARE(module.setEnabled(true), 0);
    QCOMPARE(module.close(), 0);
    QVERIFY(simbench::callLog().empty());
}

void TestKT220Module::pauseBetweenTheTwoCalls()
{
    KT220Module module;
    QCOMPARE(modulesbench::openSupply(&module), 0);
    simbench::clearCallLog();
    QCOMPARE(module.configureOutput(5.0, 0.5), 0);
    const auto calls = simbench::callLog("zqvolta_ConfigureOutputRange");
    QCOMPARE(calls.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(calls[0].args.at(1)).toInt(), 1);
    QCOMPARE(QString::fromStdString(calls[0].args.at(2)).toDouble(), 5.0);
    QCOMPARE(QString::fromStdString(calls[1].args.at(1)).toInt(), 2);
    QCOMPARE(QString::fromStdString(calls[1].args.at(2)).toDouble(), 0.5);
    QVERIFY(calls[1].timeNs - calls[0].timeNs >= 5000000);

    simbench::clearCallLog();
    double voltage = 0.0;
    double current = 0.0;
    QCOMPARE(module.getOutput(voltage, current), 0);
    const auto reads = simbench::callLog("zqvolta_GetTelemetry");
    QCOMPARE(reads.size(), std::size_t(2));
    QVERIFY(reads[1].timeNs - reads[0].timeNs >= 5000000);
}

void TestKT220Module::firstFailureEndsOperation()
{
    KT220Module module;
    QCOMPARE(modulesbench::openSupply(&module), 0);
    QSignalSpy errors(&module, &ModuleInterface::errorOccured);
    simbench::clearCallLog();
    simbench::failCall("zqvolta_ConfigureOutputRange", 1, VI_ERROR_TMO);
    QCOMPARE(module.configureOutput(5.0, 0.5), int(VI_ERROR_TMO));
    QCOMPARE(simbench::callLog().size(), std::size_t(1));
    QCOMPARE(errors.count(), 1);

    simbench::failCall("zqvolta_GetTelemetry", 1, VI_ERROR_TMO);
    double voltage = 7.0;
    double current = 8.0;
    QCOMPARE(module.getOutput(voltage, current), int(VI_ERROR_TMO));
    QCOMPARE(voltage, 7.0);
    QCOMPARE(current, 8.0);
}

void TestKT220Module::closeStopsAtFailure()
{
    KT220Module module;
    QCOMPARE(modulesbench::openSupply(&module), 0);
    simbench::clearCallLog();
    simbench::failCall("zqvolta_reset", 1, VI_ERROR_TMO);
    QCOMPARE(module.close(), int(VI_ERROR_TMO));
    QCOMPARE(modulesbench::calledFunctions("zqvolta"),
             (QStringList {"zqvolta_ConfigureOutputEnabled", "zqvolta_reset"}));
    QCOMPARE(module.handle(), 0u);
}

QTEST_GUILESS_MAIN(TestKT220Module)
#include "tst_kt220module.moc"
