#include "hardware/modules/rv31/rv31module.h"
#include "support/modulesbench.h"

#include "simbench/simcontrol.h"
#include "visatype.h"

#include <QSignalSpy>
#include <QtTest>

class TestRV31Module : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void readStatus_data();
    void readStatus();
    void timeStampAdvances();
    void readyWarningIsReportedWithoutSignal();
    void clampsReadyAndDeliveredCounts();
    void demoReadings_data();
    void demoReadings();
    void closeStopsAtFailure();

private:
    void openMeter(RV31Module &module, int points, double period);
};

void TestRV31Module::init()
{
    QVERIFY(modulesbench::load());
}

void TestRV31Module::openMeter(RV31Module &module, int points, double period)
{
    QCOMPARE(modulesbench::openOnCarrier(&module, 3), 0);
    QCOMPARE(module.configureFunction(0, true, 0.0, period, 0, false, 50, points), 0);
    QCOMPARE(module.start(), 0);
}

void TestRV31Module::readStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("over");
    QTest::addColumn<double>("advance");
    QTest::newRow("first over-range code") << 0x3FFC0806 << 1 << 0.2;
    QTest::newRow("last over-range code") << 0x3FFC0810 << 1 << 0.2;
    QTest::newRow("next code is no over-range") << 0x3FFC0811 << 0 << 0.0;
    QTest::newRow("read failure") << int(VI_ERROR_TMO) << 0 << 0.0;
}

void TestRV31Module::readStatus()
{
    QFETCH(int, status);
    QFETCH(int, over);
    QFETCH(double, advance);
    RV31Module module;
    openMeter(module, 10, 0.02);
    QSignalSpy data(&module, &RV31Module::dataChanged);
    QSignalSpy overs(&module, &RV31Module::overMeasurement);
    QSignalSpy errors(&module, &ModuleInterface::errorOccured);
    simbench::failCall("zqrv31_read_packet", 1, status);
    QCOMPARE(module.dataReading(), status);
    QCOMPARE(data.count(), 0);
    QCOMPARE(overs.count(), over);
    if (over) {
        QCOMPARE(overs.first().at(0).toDouble(), 0.0);
        QCOMPARE(overs.first().at(1).toInt(), 10);
    }
    QCOMPARE(errors.count(), 0); // a failing block read is silent

    // The time stamp moved by the over-range block only.
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(data.count(), 1);
    QVERIFY(qAbs(data.first().at(0).toDouble() - advance) < 1e-12);
}

void TestRV31Module::timeStampAdvances()
{
    RV31Module module;
    openMeter(module, 100, 0.02);
    QSignalSpy data(&module, &RV31Module::dataChanged);
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(data.count(), 2);
    QCOMPARE(data.at(0).at(1).value<QVector<double>>().size(), 100);
    QCOMPARE(data.at(0).at(0).toDouble(), 0.0);
    QVERIFY(qAbs(data.at(1).at(0).toDouble() - 2.0) < 1e-12);
    QCOMPARE(module.stop(), 0);
    QCOMPARE(module.start(), 0);
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(data.at(2).at(0).toDouble(), 0.0); // stop starts the time again
}

void TestRV31Module::readyWarningIsReportedWithoutSignal()
{
    RV31Module module;
    module.setName(QStringLiteral("RV31_1"));
    openMeter(module, 10, 0.02);
    QSignalSpy data(&module, &RV31Module::dataChanged);
    QSignalSpy errors(&module, &ModuleInterface::errorOccured);
    simbench::clearTraceLines();
    simbench::setErrorMessage("zqrv31", "packet not complete");
    simbench::failCall("zqrv31_numReadyData", 1, 0x3FFC0001);
    QCOMPARE(module.dataReading(), 0x3FFC0001);
    QCOMPARE(module.errorString(), QStringLiteral("packet not complete"));
    QCOMPARE(errors.count(), 0);
    QCOMPARE(data.count(), 0);
    const std::vector<std::string> trace = simbench::traceLines();
    QCOMPARE(trace.size(), std::size_t(1));
    QCOMPARE(QByteArray::fromStdString(trace.front()),
             QByteArray("(EE)  RV31_1: packet not complete"));

    simbench::failCall("zqrv31_numReadyData", 1, VI_ERROR_TMO);
    QCOMPARE(module.dataReading(), int(VI_ERROR_TMO));
    QCOMPARE(errors.count(), 1);
}

void TestRV31Module::clampsReadyAndDeliveredCounts()
{
    RV31Module module;
    openMeter(module, 10, 0.02);
    QSignalSpy data(&module, &RV31Module::dataChanged);
    simbench::scriptOutValues("zqrv31_numReadyData", {-5, 0});
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(data.count(), 0);
    simbench::scriptOutValues("zqrv31_read_packet", {4});
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(data.count(), 1);
    QCOMPARE(data.first().at(1).value<QVector<double>>().size(), 4);
    // A driver claiming more readings than it was asked for delivers only what was announced.
    simbench::scriptOutValues("zqrv31_read_packet", {25});
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(data.count(), 2);
    QCOMPARE(data.last().at(1).value<QVector<double>>().size(), 10);
    QVERIFY(qAbs(data.last().at(0).toDouble() - 4 * 0.02) < 1e-12);
}

void TestRV31Module::demoReadings_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("readings");
    QTest::newRow("small blocks give 10") << 4 << 10;
    QTest::newRow("256") << 256 << 256;
}

void TestRV31Module::demoReadings()
{
    QFETCH(int, points);
    QFETCH(int, readings);
    RV31Module module;
    module.setDemoMode(true);
    simbench::clearCallLog();
    QCOMPARE(module.configureFunction(0, true, 0.0, 0.001, 0, false, 50, points), 0);
    QCOMPARE(module.configure(), 0);
    QCOMPARE(module.start(), 0);
    QSignalSpy data(&module, &RV31Module::dataChanged);
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(data.count(), 2);
    const QVector<double> block = data.first().at(1).value<QVector<double>>();
    QCOMPARE(block.size(), readings);
    QVERIFY(block[0] > -0.1 && block[0] < 0.1);
    QVERIFY(qAbs(data.at(1).at(0).toDouble() - readings * 0.001) < 1e-12);
    QCOMPARE(module.stop(), 0);
    QVERIFY(simbench::callLog().empty());
}

void TestRV31Module::closeStopsAtFailure()
{
    RV31Module module;
    QCOMPARE(modulesbench::openOnCarrier(&module, 3), 0);
    simbench::clearCallLog();
    simbench::failCall("zqrv31_reset", 1, VI_ERROR_TMO);
    QCOMPARE(module.close(), int(VI_ERROR_TMO));
    QCOMPARE(modulesbench::calledFunctions("zqrv31"),
             (QStringList {"zqrv31_abor", "zqrv31_reset"}));
    QCOMPARE(module.handle(), 0u);
}

QTEST_GUILESS_MAIN(TestRV31Module)
#include "tst_rv31module.moc"
