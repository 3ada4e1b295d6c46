#include "hardware/hardware.h"
#include "hardware/mezzanineslot.h"
#include "hardware/modulecollection.h"
#include "hardware/modules/tavrin/tavrinmodule.h"

#include "simbench/simcontrol.h"
#include "support/scriptedmodule.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <mutex>

#include <set>
#include <string>

namespace {

const char carrierA[] = "VXI0::1::INSTR";
const char carrierB[] = "VXI0::2::INSTR";
const char benchText[] = R"(
[VXI0::1::INSTR]
manufacturer = 0xE76
model = 0x10D
slot = 1
slot1 = 0x20

[VXI0::2::INSTR]
manufacturer = 0xE76
model = 0x10D
slot = 2
slot1 = 0x42
slot2 = 0x20
)";

// Every hook run, in the order the pool threads ran them.
std::mutex journalMutex;
QStringList journal;

// A module that behaves as the module classes do towards the hardware object: a mezzanine
// needs its carrier's session, and a session of its own comes with a successful init.
class BenchModule : public ScriptedModule
{
    Q_OBJECT
public:
    BenchModule(const QString &prefix, const QString &base, const QString &path, int position)
        : ScriptedModule(prefix)
    {
        setBase(base);
        setPath(path);
        setPosition(position);
    }

    QThread *initThread = nullptr;
    quint32 carrierSessionAtInit = 0;

protected:
    int performInit() override
    {
        note(QStringLiteral("init"));
        initThread = QThread::currentThread();
        carrierSessionAtInit = mainHandle();
        const int scripted = ScriptedModule::performInit();
        if (base() == QLatin1String("VXI") && mainHandle() == 0) {
            setErrorString(QStringLiteral("no carrier session"));
            return -1;
        }
        if (scripted < 0) {
            errorMessage(scripted);
            return scripted;
        }
        setHandle(quint32(100 + id()));
        return scripted;
    }
    int performSelftest() override
    {
        note(QStringLiteral("selftest"));
        return ScriptedModule::performSelftest();
    }
    int performClose() override
    {
        const int result = ScriptedModule::performClose();
        if (result < 0)
            errorMessage(result);
        return result;
    }

private:
    void note(const QString &what)
    {
        std::lock_guard<std::mutex> locker(journalMutex);
        journal << name() + QLatin1Char(':') + what;
    }
};

} // namespace

class TestHardware : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noCarrierNoWork();
    void initializeAndClose();
    void carrierInitFailure();
    void mezzanineWithoutCarrierTaskIsSkipped();
    void secondCallReusesCarriers();
    void closeFailureIsReported();
    void closeSkipsModulesNotOpen();
    void carrierHooks();
    void mezzanineSlotCheck_data();
    void mezzanineSlotCheck();

private:
    BenchModule *add(const QString &prefix, const QString &base, const QString &path,
                     int position = 1)
    {
        auto *module = new BenchModule(prefix, base, path, position);
        ModuleCollection::instance().add(module);
        return module;
    }
};

void TestHardware::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestHardware::init()
{
    simbench::reset();
    QVERIFY(simbench::loadBenchText(benchText));
    journal.clear();
}

void TestHardware::cleanup()
{
    ModuleCollection::instance().reset();
}

void TestHardware::noCarrierNoWork()
{
    BenchModule *supply =
            add(QStringLiteral("KT220"), QStringLiteral("LXI"), QStringLiteral("TCPIP0::1::INSTR"));
    Hardware hardware;
    QVERIFY(hardware.initializeBaseModules());
    QCOMPARE(hardware.baseModuleCount(), 0);
    QVERIFY(simbench::callLog().empty());
    QVERIFY(hardware.initializeModules());
    QCOMPARE(supply->calls(), (QStringList {"performInit", "performSelftest"}));
    QCOMPARE(supply->state(), ModuleInterface::Initialized);
}

void TestHardware::initializeAndClose()
{
    // Collection order mixes carriers and stand-alone instruments on purpose.
    BenchModule *b1 =
            add(QStringLiteral("KW7"), QStringLiteral("VXI"), QString::fromLatin1(carrierB), 1);
    BenchModule *supply1 =
            add(QStringLiteral("KT220"), QStringLiteral("LXI"), QStringLiteral("TCPIP0::1::INSTR"));
    BenchModule *a1 =
            add(QStringLiteral("RV31"), QStringLiteral("VXI"), QString::fromLatin1(carrierA), 1);
    BenchModule *b2 =
            add(QStringLiteral("RV31"), QStringLiteral("VXI"), QString::fromLatin1(carrierB), 2);
    BenchModule *supply2 =
            add(QStringLiteral("KT220"), QStringLiteral("LXI"), QStringLiteral("TCPIP0::2::INSTR"));
    const QList<BenchModule *> modules = {b1, supply1, a1, b2, supply2};

    QObject receiver;
    QList<QPair<QString, ModuleInterface::ModuleState>> received;
    bool allOnGuiThread = true;
    for (BenchModule *module : modules) {
        connect(module, &ModuleInterface::stateChanged, &receiver,
                [&, module](ModuleInterface::ModuleState state) {
                    received.append({module->name(), state});
                    allOnGuiThread &= QThread::currentThread() == qApp->thread();
                });
    }

    Hardware hardware;
    QVERIFY(hardware.initializeBaseModules());
    QCOMPARE(hardware.baseModuleCount(), 2);
    TavrinModule *carrierOfA = hardware.baseModule(QString::fromLatin1(carrierA));
    TavrinModule *carrierOfB = hardware.baseModule(QString::fromLatin1(carrierB));
    QVERIFY(carrierOfA && carrierOfB);
    QCOMPARE(hardware.baseModule(QStringLiteral("VXI0::9::INSTR")), nullptr);
    QCOMPARE(carrierOfA->state(), ModuleInterface::Initialized);
    QCOMPARE(carrierOfB->state(), ModuleInterface::Initialized);
    QVERIFY(carrierOfA->handle() != 0 && carrierOfB->handle() != carrierOfA->handle());

    // One resource manager for the first carrier, then per carrier its init and self test.
    const std::vector<simbench::CallRecord> log = simbench::callLog();
    QCOMPARE(QString::fromStdString(log.front().function), QStringLiteral("viOpenDefaultRM"));
    QCOMPARE(int(simbench::callLog("viOpenDefaultRM").size()), 1);
    std::set<std::string> initialized;
    for (const simbench::CallRecord &call : simbench::callLog("zqtavrin_init"))
        initialized.insert(call.args.front());
    QCOMPARE(initialized, (std::set<std::string> {carrierA, carrierB}));
    for (TavrinModule *carrier : {carrierOfA, carrierOfB}) {
        QStringList own;
        for (const simbench::CallRecord &call : log)
            if (call.session == carrier->handle())
                own << QString::fromStdString(call.function);
        QCOMPARE(own, QStringList {"zqtavrin_self_test"});
    }
    QCOMPARE(b1->state(), ModuleInterface::NotInitialized);
    QCOMPARE(a1->state(), ModuleInterface::NotInitialized);
    QCOMPARE(supply1->state(), ModuleInterface::NotReached);
    QCOMPARE(b1->mainHandle(), carrierOfB->handle());
    QCOMPARE(a1->mainHandle(), carrierOfA->handle());
    QCOMPARE(supply1->mainHandle(), 0u);

    QVERIFY(hardware.initializeModules());
    for (BenchModule *module : modules) {
        QCOMPARE(module->calls(), (QStringList {"performInit", "performSelftest"}));
        QCOMPARE(module->state(), ModuleInterface::Initialized);
        QVERIFY(module->initThread != qApp->thread());
    }
    QCOMPARE(b1->carrierSessionAtInit, carrierOfB->handle());
    // The modules of one carrier run one after another on one thread, in collection order.
    QCOMPARE(b1->initThread, b2->initThread);
    QVERIFY(journal.indexOf(QStringLiteral("KW7_1:selftest"))
            < journal.indexOf(QStringLiteral("RV31_2:init")));

    QTRY_COMPARE(received.count(), modules.count());
    QVERIFY(allOnGuiThread);
    for (const auto &change : qAsConst(received))
        QCOMPARE(change.second, ModuleInterface::Initialized);

    QSignalSpy errors(&hardware, &Hardware::errorOccurred);
    QVERIFY(hardware.closeModules());
    for (BenchModule *module : modules) {
        QCOMPARE(module->calls().last(), QStringLiteral("performClose"));
        QCOMPARE(module->state(), ModuleInterface::NotInitialized);
        QCOMPARE(module->handle(), 0u);
        QCOMPARE(module->mainHandle(), 0u);
    }
    QCOMPARE(simbench::openSessionCount("zqtavrin"), 2); // carriers still open
    QVERIFY(hardware.closeBaseModules());
    QCOMPARE(carrierOfA->state(), ModuleInterface::NotInitialized);
    QCOMPARE(carrierOfA->handle(), 0u);
    QCOMPARE(int(simbench::callLog("zqtavrin_close").size()), 2);
    QCOMPARE(simbench::openSessionCount(), 0);
    QCOMPARE(errors.count(), 0);
}

void TestHardware::carrierInitFailure()
{
    BenchModule *a1 =
            add(QStringLiteral("RV31"), QStringLiteral("VXI"), QString::fromLatin1(carrierA), 1);
    BenchModule *a2 =
            add(QStringLiteral("RV31"), QStringLiteral("VXI"), QString::fromLatin1(carrierA), 2);
    simbench::failCall("zqtavrin_init", 1, int32_t(0xBFFF0015u));
    {
        Hardware hardware;
        hardware.initializeBaseModules();
        TavrinModule *carrier = hardware.baseModule(QString::fromLatin1(carrierA));
        QCOMPARE(carrier->state(), ModuleInterface::NotInitialized);
        QCOMPARE(carrier->handle(), 0u);
        QCOMPARE(carrier->errorString(),
                 QStringLiteral("Timeout expired before operation completed"));
        QVERIFY(simbench::callLog("zqtavrin_self_test").empty());
        // The carrier reports no trace line.
        QVERIFY(simbench::traceLines().empty());
        QCOMPARE(a1->state(), ModuleInterface::NotInitialized);
        QCOMPARE(a2->state(), ModuleInterface::NotInitialized);

        QSignalSpy failed(a1, &ModuleInterface::stateChanged);
        hardware.initializeModules();
        for (BenchModule *module : {a1, a2}) {
            QCOMPARE(module->calls(), QStringList {"performInit"}); // no self test after a failure
            QCOMPARE(module->state(), ModuleInterface::NotInitialized);
            QCOMPARE(module->errorString(), QStringLiteral("no carrier session"));
        }
        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().value<ModuleInterface::ModuleState>(),
                 ModuleInterface::NotInitialized);

        // Nothing is open: nothing is closed.
        hardware.closeModules();
        hardware.closeBaseModules();
        QVERIFY(simbench::callLog("zqtavrin_close").empty());
        QCOMPARE(a1->calls(), QStringList {"performInit"});
        // Only the resource manager the failed carrier opened is left; it goes with the carrier.
        QCOMPARE(simbench::openSessionCount(), 1);
    }
    QCOMPARE(simbench::openSessionCount(), 0);
}

void TestHardware::mezzanineWithoutCarrierTaskIsSkipped()
{
    Hardware hardware;
    hardware.initializeBaseModules();
    BenchModule *late =
            add(QStringLiteral("HX2"), QStringLiteral("VXI"), QString::fromLatin1(carrierA), 3);
    QSignalSpy states(late, &ModuleInterface::stateChanged);
    hardware.initializeModules();
    QVERIFY(late->calls().isEmpty());
    QCOMPARE(late->state(), ModuleInterface::NotReached);
    QCoreApplication::processEvents();
    QCOMPARE(states.count(), 0);
}

void TestHardware::secondCallReusesCarriers()
{
    add(QStringLiteral("RV31"), QStringLiteral("VXI"), QString::fromLatin1(carrierA), 1);
    Hardware hardware;
    hardware.initializeBaseModules();
    TavrinModule *first = hardware.baseModule(QString::fromLatin1(carrierA));
    hardware.initializeBaseModules();
    QCOMPARE(hardware.baseModuleCount(), 1);
    QCOMPARE(hardware.baseModule(QString::fromLatin1(carrierA)), first);
    QCOMPARE(int(simbench::callLog("viOpenDefaultRM").size()), 2);
    hardware.closeModules();
    hardware.closeBaseModules();
    QCOMPARE(simbench::openSessionCount(), 0);
}

void TestHardware::closeFailureIsReported()
{
    BenchModule *failing =
            add(QStringLiteral("KT220"), QStringLiteral("LXI"), QStringLiteral("TCPIP0::1::INSTR"));
    BenchModule *next =
            add(QStringLiteral("KT220"), QStringLiteral("LXI"), QStringLiteral("TCPIP0::2::INSTR"));
    failing->script(QStringLiteral("performClose"), -5);
    Hardware hardware;
    hardware.initializeModules();
    QSignalSpy errors(&hardware, &Hardware::errorOccurred);
    hardware.closeModules();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toString(),
             QStringLiteral("Close error KT220_1: scripted error -5"));
    QCOMPARE(failing->state(), ModuleInterface::NotInitialized);
    QCOMPARE(failing->handle(), 0u);
    QCOMPARE(next->calls().last(), QStringLiteral("performClose"));
}

void TestHardware::closeSkipsModulesNotOpen()
{
    BenchModule *started =
            add(QStringLiteral("KT220"), QStringLiteral("LXI"), QStringLiteral("TCPIP0::1::INSTR"));
    BenchModule *failedSelftest =
            add(QStringLiteral("KT220"), QStringLiteral("LXI"), QStringLiteral("TCPIP0::2::INSTR"));
    BenchModule *noSession =
            add(QStringLiteral("KT220"), QStringLiteral("LXI"), QStringLiteral("TCPIP0::3::INSTR"));
    started->setState(ModuleInterface::Started);
    started->setHandle(5);
    failedSelftest->setState(ModuleInterface::NotInitialized);
    failedSelftest->setHandle(6);
    noSession->setState(ModuleInterface::Configured);
    Hardware hardware;
    hardware.closeModules();
    QCOMPARE(started->calls(), QStringList {"performClose"});
    QVERIFY(failedSelftest->calls().isEmpty());
    QCOMPARE(failedSelftest->handle(), 6u);
    QVERIFY(noSession->calls().isEmpty());
}

void TestHardware::carrierHooks()
{
    TavrinModule carrier;
    QCOMPARE(int(carrier.type()), int(ModuleTypeTavrin));
    QCOMPARE(carrier.base(), QStringLiteral("VXI"));
    QCOMPARE(carrier.state(), ModuleInterface::NotInitialized);
    QVERIFY(carrier.namePrefix().isEmpty());
    carrier.setPath(QString::fromLatin1(carrierA));

    // A warning from the driver's init still gives a session.
    simbench::failCall("zqtavrin_init", 1, 0x3FFF0077);
    QCOMPARE(carrier.init(), 0);
    QVERIFY(carrier.handle() != 0);
    QCOMPARE(carrier.status(), 0x3FFF0077);

    QCOMPARE(carrier.dataReading(), -1);
    QCOMPARE(carrier.configure(), 0);
    QCOMPARE(carrier.start(), 0);
    QCOMPARE(carrier.stop(), 0);

    // A failing self test is only a result code: no text and no error signal.
    QSignalSpy errors(&carrier, &ModuleInterface::errorOccured);
    simbench::failCall("zqtavrin_self_test", 1, int32_t(0xBFFF003Eu));
    QCOMPARE(carrier.selftest(), 0);
    QCOMPARE(carrier.state(), ModuleInterface::Initialized);
    QCOMPARE(carrier.status(), int(0xBFFF003Eu));
    QVERIFY(carrier.errorString().isEmpty());
    QCOMPARE(errors.count(), 0);

    // Other failures take the driver's text when VISA has none.
    simbench::setErrorMessage("zqtavrin", "carrier reset refused");
    simbench::failCall("zqtavrin_reset", 1, -1);
    QCOMPARE(carrier.reset(), -1);
    QCOMPARE(carrier.errorString(), QStringLiteral("carrier reset refused"));
    QCOMPARE(errors.count(), 1);
    QVERIFY(simbench::traceLines().empty());

    QCOMPARE(carrier.close(), 0);
    QCOMPARE(carrier.handle(), 0u);
    QCOMPARE(simbench::openSessionCount(), 0);
}

void TestHardware::mezzanineSlotCheck_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("withCarrier");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("errorSignals");

    QTest::newRow("the expected module") << 2 << true << 0 << QString() << 0;
    QTest::newRow("empty slot") << 3 << true << -1
                                << QStringLiteral("Module RV31_1 not found at 3 slot") << 0;
    QTest::newRow("another module")
            << 1 << true << -1
            << QStringLiteral("Module at 1 slot isn't RV31_1, found module has module code 66")
            << 0;
    QTest::newRow("code with the sign bit")
            << 4 << true << -1
            << QStringLiteral("Module at 4 slot isn't RV31_1, found module has module code -32736")
            << 0;
    QTest::newRow("no carrier session") << 2 << false << 1 << QStringLiteral("scripted error") << 1;
}

void TestHardware::mezzanineSlotCheck()
{
    QFETCH(int, position);
    QFETCH(bool, withCarrier);
    QFETCH(int, result);
    QFETCH(QString, text);
    QFETCH(int, errorSignals);

    simbench::setSlotModule(carrierB, 4, 0x8020);
    TavrinModule carrier;
    carrier.setPath(QString::fromLatin1(carrierB));
    QCOMPARE(carrier.init(), 0);

    ScriptedModule module(QStringLiteral("RV31"));
    module.setType(ModuleTypeRV31);
    module.setName(QStringLiteral("RV31_1"));
    module.setPosition(position);
    module.setMainHandle(withCarrier ? carrier.handle() : 0);
    QSignalSpy errors(&module, &ModuleInterface::errorOccured);
    const int status = checkMezzanineSlot(&module, qint16(mezzanineModuleCode(ModuleTypeRV31)),
                                          PRALUNE_CALL_SITE);
    if (result > 0) {
        // The carrier driver's own failure: the error path with its status.
        QVERIFY(status < 0);
        QCOMPARE(module.status(), status);
        QVERIFY(module.errorString().startsWith(text));
    } else {
        QCOMPARE(status, result);
        QCOMPARE(module.errorString(), text);
    }
    QCOMPARE(errors.count(), errorSignals);
    carrier.close();
}

QTEST_GUILESS_MAIN(TestHardware)
#include "tst_hardware.moc"
