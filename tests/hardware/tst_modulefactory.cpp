#include "hardware/modulefactory.h"
#include "hardware/modules/hx2/hx2module.h"
#include "hardware/modules/hx9/hx9module.h"
#include "hardware/modules/kt220/kt220module.h"
#include "hardware/modules/kw7/kw7module.h"
#include "hardware/modules/rv31/rv31module.h"
#include "support/modulesbench.h"

#include "simbench/simcontrol.h"
#include "visatype.h"

#include <QtTest>

class TestModuleFactory : public QObject
{
    Q_OBJECT
private slots:
    void create_data();
    void create();
    void kw7MakesNoCallForConfigureAndReading();
    void kw7CloseStopsAtFailure();
};

void TestModuleFactory::create_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("none") << 0 << QString() << QString() << QString();
    QTest::newRow("carrier") << 4 << QString() << QString() << QString();
    QTest::newRow("unknown") << 7 << QString() << QString() << QString();
    QTest::newRow("multimeter") << 1 << "RV31Module"
                                << "VXI"
                                << "RV31";
    QTest::newRow("HX9") << 2 << "HX9Module"
                         << "VXI"
                         << "XH9";
    QTest::newRow("generator") << 3 << "KW7Module"
                               << "VXI"
                               << "KW7";
    QTest::newRow("power supply") << 5 << "KT220Module"
                                  << "LXI"
                                  << "KT220";
    QTest::newRow("HX2") << 6 << "HX2Module"
                         << "VXI"
                         << "HX2";
}

void TestModuleFactory::create()
{
    QFETCH(int, type);
    QFETCH(QString, className);
    QFETCH(QString, base);
    QFETCH(QString, prefix);
    QScopedPointer<ModuleInterface> module(ModuleFactory::create(ModuleTypes(type)));
    if (className.isEmpty()) {
        QVERIFY(module.isNull());
        return;
    }
    QVERIFY(!module.isNull());
    QCOMPARE(QString::fromLatin1(module->metaObject()->className()), className);
    QVERIFY(module->parent() == nullptr);
    QCOMPARE(int(module->type()), type);
    QCOMPARE(module->base(), base);
    QCOMPARE(module->namePrefix(), prefix);
    QCOMPARE(module->state(), ModuleInterface::NotReached);
}

void TestModuleFactory::kw7MakesNoCallForConfigureAndReading()
{
    QVERIFY(modulesbench::load());
    KW7Module module;
    QCOMPARE(modulesbench::openOnCarrier(&module, 4), 0);
    simbench::clearCallLog();
    QCOMPARE(module.configure(), 0);
    QCOMPARE(module.dataReading(), 0);
    QVERIFY(simbench::callLog().empty());
    QCOMPARE(module.state(), ModuleInterface::Configured);
}

void TestModuleFactory::kw7CloseStopsAtFailure()
{
    QVERIFY(modulesbench::load());
    KW7Module module;
    QCOMPARE(modulesbench::openOnCarrier(&module, 4), 0);
    simbench::clearCallLog();
    simbench::failCall("zqkw7_stop", 1, VI_ERROR_TMO);
    QCOMPARE(module.close(), int(VI_ERROR_TMO));
    QCOMPARE(modulesbench::calledFunctions("zqkw7"), QStringList {"zqkw7_stop"});

    // A module in a slot that holds another model opens nothing.
    QVERIFY(modulesbench::load());
    RV31Module meter;
    meter.setName(QStringLiteral("RV31_1"));
    QCOMPARE(modulesbench::openOnCarrier(&meter, 4), -1);
    QCOMPARE(meter.errorString(),
             QStringLiteral("Module at 4 slot isn't RV31_1, found module has module code 66"));
    QCOMPARE(simbench::openSessionCount("zqrv31"), 0);
}

QTEST_GUILESS_MAIN(TestModuleFactory)
#include "tst_modulefactory.moc"
