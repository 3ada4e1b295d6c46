#include "support/scriptedmodule.h"

#include <QSignalSpy>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

#include <functional>

using State = ModuleInterface::ModuleState;

class TestModuleInterface : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void wrapper_data();
    void wrapper();
    void freshModule();
    void dataReading();
    void sendError_data();
    void sendError();
    void setters();
    void stateChangedCrossesThreads();
};

void TestModuleInterface::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

namespace {

int callWrapper(ModuleInterface &module, const QString &operation)
{
    static const QHash<QString, std::function<int(ModuleInterface &)>> wrappers = {
        { QStringLiteral("init"), [](ModuleInterface &m) { return m.init(); } },
        { QStringLiteral("selftest"), [](ModuleInterface &m) { return m.selftest(); } },
        { QStringLiteral("configure"), [](ModuleInterface &m) { return m.configure(); } },
        { QStringLiteral("start"), [](ModuleInterface &m) { return m.start(); } },
        { QStringLiteral("stop"), [](ModuleInterface &m) { return m.stop(); } },
        { QStringLiteral("close"), [](ModuleInterface &m) { return m.close(); } },
        { QStringLiteral("reset"), [](ModuleInterface &m) { return m.reset(); } },
    };
    return wrappers.value(operation)(module);
}

QString hookOf(const QString &operation)
{
    QString hook = operation;
    hook[0] = hook.at(0).toUpper();
    return QStringLiteral("perform") + hook;
}

} // namespace

void TestModuleInterface::wrapper_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("initialState");
    QTest::addColumn<int>("hookResult");
    QTest::addColumn<bool>("hookCalled");
    QTest::addColumn<int>("expectedState");
    QTest::addColumn<QList<int>>("signalledStates");
    QTest::addColumn<bool>("handlesCleared");

    const QList<int> none;
    // operation, state before, hook result, hook runs, state after, stateChanged, handles 0
    QTest::newRow("init success is silent") << "init" << 0 << 0 << true << 2 << none << false;
    QTest::newRow("init failure") << "init" << 0 << -5 << true << 1 << QList<int>{ 1 } << false;
    QTest::newRow("init warning is a failure")
            << "init" << 0 << 3 << true << 1 << QList<int>{ 1 } << false;
    QTest::newRow("init second failure signals again")
            << "init" << 1 << -5 << true << 1 << QList<int>{ 1 } << false;
    QTest::newRow("init from state 1 runs the hook") << "init" << 1 << 0 << true << 2 << none << false;
    QTest::newRow("init when initialized does nothing")
            << "init" << 2 << -5 << false << 2 << none << false;
    QTest::newRow("init when configured runs the hook")
            << "init" << 3 << 0 << true << 2 << none << false;

    QTest::newRow("selftest success") << "selftest" << 1 << 0 << true << 2 << QList<int>{ 2 } << false;
    QTest::newRow("selftest success when ready signals again")
            << "selftest" << 2 << 0 << true << 2 << QList<int>{ 2 } << false;
    QTest::newRow("selftest failure") << "selftest" << 2 << -1 << true << 1 << QList<int>{ 1 } << false;
    QTest::newRow("selftest failure in state 1")
            << "selftest" << 1 << -1 << true << 1 << QList<int>{ 1 } << false;
    QTest::newRow("selftest warning is a failure")
            << "selftest" << 2 << 4 << true << 1 << QList<int>{ 1 } << false;

    QTest::newRow("configure success") << "configure" << 2 << 0 << true << 3 << none << false;
    QTest::newRow("configure warning") << "configure" << 2 << 2 << true << 1 << none << false;
    QTest::newRow("configure failure") << "configure" << 2 << -2 << true << 1 << none << false;

    QTest::newRow("start success") << "start" << 3 << 0 << true << 4 << none << false;
    QTest::newRow("start failure") << "start" << 3 << -1 << true << 1 << none << false;

    QTest::newRow("stop success") << "stop" << 4 << 0 << true << 2 << none << false;
    QTest::newRow("stop failure still ready") << "stop" << 4 << -1 << true << 2 << none << false;

    QTest::newRow("close success") << "close" << 4 << 0 << true << 1 << none << true;
    QTest::newRow("close failure still closed") << "close" << 3 << -9 << true << 1 << none << true;

    QTest::newRow("reset success keeps state") << "reset" << 3 << 0 << true << 3 << none << false;
    QTest::newRow("reset failure keeps state") << "reset" << 4 << -1 << true << 4 << none << false;
}

void TestModuleInterface::wrapper()
{
    QFETCH(QString, operation);
    QFETCH(int, initialState);
    QFETCH(int, hookResult);
    QFETCH(bool, hookCalled);
    QFETCH(int, expectedState);
    QFETCH(QList<int>, signalledStates);
    QFETCH(bool, handlesCleared);

    ScriptedModule module;
    module.setState(static_cast<State>(initialState));
    module.setHandle(11);
    module.setMainHandle(12);
    module.script(hookOf(operation), hookResult);
    QSignalSpy spy(&module, &ModuleInterface::stateChanged);

    const int result = callWrapper(module, operation);

    QCOMPARE(result, hookCalled ? hookResult : 0);
    QCOMPARE(module.calls(), hookCalled ? QStringList { hookOf(operation) } : QStringList());
    QCOMPARE(int(module.state()), expectedState);
    QList<int> signalled;
    for (const QList<QVariant> &arguments : qAsConst(spy))
        signalled.append(int(arguments.at(0).value<State>()));
    QCOMPARE(signalled, signalledStates);
    QCOMPARE(module.handle(), handlesCleared ? 0u : 11u);
    QCOMPARE(module.mainHandle(), handlesCleared ? 0u : 12u);
    // The wrappers leave status and error text to the concrete classes.
    QCOMPARE(module.status(), 0);
    QVERIFY(module.errorString().isEmpty());
}

void TestModuleInterface::freshModule()
{
    ScriptedModule module;
    QCOMPARE(int(module.state()), 0);
    QCOMPARE(module.id(), -1);
    QVERIFY(module.name().isEmpty());
    QCOMPARE(module.position(), 1);
    QCOMPARE(module.handle(), 0u);
    QCOMPARE(module.mainHandle(), 0u);
    QCOMPARE(int(module.type()), int(ModuleTypeNone));
    QVERIFY(!module.demoMode());
    QVERIFY(module.lockMutex());
    QVERIFY(module.lockMutex()->isRecursive());
    // Queued delivery of stateChanged looks the type up by this name.
    QVERIFY(QMetaType::type("ModuleState") != QMetaType::UnknownType);
}

void TestModuleInterface::dataReading()
{
    ScriptedModule plain;
    QCOMPARE(plain.dataReading(), -1);
    ReadingModule reading;
    QCOMPARE(reading.dataReading(), 7);
}

void TestModuleInterface::sendError_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<int>("emitted");
    QTest::newRow("error") << -1 << false << 1;
    QTest::newRow("error in demonstration mode") << -1 << true << 0;
    QTest::newRow("VISA error") << int(0xBFFF0015) << false << 1;
    QTest::newRow("warning") << 1 << false << 0;
    QTest::newRow("success") << 0 << false << 0;
}

void TestModuleInterface::sendError()
{
    QFETCH(int, status);
    QFETCH(bool, demo);
    QFETCH(int, emitted);
    ScriptedModule module;
    module.setDemoMode(demo);
    QSignalSpy spy(&module, &ModuleInterface::errorOccured);
    module.sendError(status);
    QCOMPARE(spy.count(), emitted);
}

void TestModuleInterface::setters()
{
    ScriptedModule module;
    module.setId(5);
    module.setId(0);
    module.setId(-3);
    QCOMPARE(module.id(), 5);

    QSignalSpy names(&module, &ModuleInterface::nameChanged);
    QSignalSpy paths(&module, &ModuleInterface::pathChanged);
    QSignalSpy positions(&module, &ModuleInterface::positionChanged);
    QSignalSpy bases(&module, &ModuleInterface::baseChanged);
    module.setName(QStringLiteral("TEST_1"));
    module.setName(QStringLiteral("TEST_1"));
    module.setPath(QStringLiteral("VXI0::1::INSTR"));
    module.setPath(QStringLiteral("VXI0::1::INSTR"));
    module.setPosition(3);
    module.setPosition(3);
    module.setBase(QStringLiteral("VXI"));
    module.setBase(QStringLiteral("VXI"));
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.at(0).at(0).toString(), QStringLiteral("TEST_1"));
    QCOMPARE(paths.count(), 1);
    QCOMPARE(positions.count(), 1);
    QCOMPARE(positions.at(0).at(0).toInt(), 3);
    QCOMPARE(bases.count(), 1);

    module.setSelfTestResultCode(65535);
    QCOMPARE(module.selfTestResultCode(), -1);
    module.setSelfTestResultCode(0x12345);
    QCOMPARE(module.selfTestResultCode(), 0x2345);
    module.setStatus(long(int(0xBFFF0015)));
    QCOMPARE(module.status(), int(0xBFFF0015));

    // Plain setters are silent.
    QSignalSpy states(&module, &ModuleInterface::stateChanged);
    module.setState(ModuleInterface::Started);
    QCOMPARE(states.count(), 0);
}

void TestModuleInterface::stateChangedCrossesThreads()
{
    ScriptedModule module;
    module.setState(ModuleInterface::NotInitialized);
    QObject receiver;
    QList<int> received;
    QThread *receivedOn = nullptr;
    connect(&module, &ModuleInterface::stateChanged, &receiver, [&](State state) {
        received.append(int(state));
        receivedOn = QThread::currentThread();
    });

    QFuture<void> task = QtConcurrent::run([&module] {
        module.init();
        module.selftest();
    });
    task.waitForFinished();
    // Delivered by the event loop, not on the pool thread.
    QVERIFY(received.isEmpty());
    QTRY_COMPARE(received, QList<int>{ 2 });
    QCOMPARE(receivedOn, QThread::currentThread());
}

QTEST_GUILESS_MAIN(TestModuleInterface)
#include "tst_moduleinterface.moc"
