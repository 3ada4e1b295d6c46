#include "support/scriptedmodule.h"

#include <QSignalSpy>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

#include <functional>

using M = ModuleInterface;
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
            {QStringLiteral("init"), [](ModuleInterface &m) { return m.init(); }},
            {QStringLiteral("selftest"), [](ModuleInterface &m) { return m.selftest(); }},
            {QStringLiteral("configure"), [](ModuleInterface &m) { return m.configure(); }},
            {QStringLiteral("start"), [](ModuleInterface &m) { return m.start(); }},
            {QStringLiteral("stop"), [](ModuleInterface &m) { return m.stop(); }},
            {QStringLiteral("close"), [](ModuleInterface &m) { return m.close(); }},
            {QStringLiteral("reset"), [](ModuleInterface &m) { return m.reset(); }},
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
    QTest::addColumn<State>("initialState");
    QTest::addColumn<int>("hookResult");
    QTest::addColumn<bool>("hookCalled");
    QTest::addColumn<State>("expectedState");
    QTest::addColumn<QList<State>>("signalledStates");
    QTest::addColumn<bool>("handlesCleared");

    const QList<State> none;
    // operation, state before, hook result, hook runs, state after, stateChanged, handles 0
    QTest::newRow("init success is silent")
            << "init" << M::NotReached << 0 << true << M::Initialized << none << false;
    QTest::newRow("init failure") << "init" << M::NotReached << -5 << true << M::NotInitialized
                                  << QList<State> {M::NotInitialized} << false;
    QTest::newRow("init warning is a failure")
            << "init" << M::NotReached << 3 << true << M::NotInitialized
            << QList<State> {M::NotInitialized} << false;
    QTest::newRow("init second failure signals again")
            << "init" << M::NotInitialized << -5 << true << M::NotInitialized
            << QList<State> {M::NotInitialized} << false;
    QTest::newRow("init when not initialized runs the hook")
            << "init" << M::NotInitialized << 0 << true << M::Initialized << none << false;
    QTest::newRow("init when initialized does nothing")
            << "init" << M::Initialized << -5 << false << M::Initialized << none << false;
    QTest::newRow("init when configured runs the hook")
            << "init" << M::Configured << 0 << true << M::Initialized << none << false;

    QTest::newRow("selftest success") << "selftest" << M::NotInitialized << 0 << true
                                      << M::Initialized << QList<State> {M::Initialized} << false;
    QTest::newRow("selftest success when ready signals again")
            << "selftest" << M::Initialized << 0 << true << M::Initialized
            << QList<State> {M::Initialized} << false;
    QTest::newRow("selftest failure")
            << "selftest" << M::Initialized << -1 << true << M::NotInitialized
            << QList<State> {M::NotInitialized} << false;
    QTest::newRow("selftest failure when not initialized")
            << "selftest" << M::NotInitialized << -1 << true << M::NotInitialized
            << QList<State> {M::NotInitialized} << false;
    QTest::newRow("selftest warning is a failure")
            << "selftest" << M::Initialized << 4 << true << M::NotInitialized
            << QList<State> {M::NotInitialized} << false;

    QTest::newRow("configure success")
            << "configure" << M::Initialized << 0 << true << M::Configured << none << false;
    QTest::newRow("configure warning")
            << "configure" << M::Initialized << 2 << true << M::NotInitialized << none << false;
    QTest::newRow("configure failure")
            << "configure" << M::Initialized << -2 << true << M::NotInitialized << none << false;

    QTest::newRow("start success")
            << "start" << M::Configured << 0 << true << M::Started << none << false;
    QTest::newRow("start failure")
            << "start" << M::Configured << -1 << true << M::NotInitialized << none << false;

    QTest::newRow("stop success") << "stop" << M::Started << 0 << true << M::Initialized << none
                                  << false;
    QTest::newRow("stop failure still ready")
            << "stop" << M::Started << -1 << true << M::Initialized << none << false;

    QTest::newRow("close success")
            << "close" << M::Started << 0 << true << M::NotInitialized << none << true;
    QTest::newRow("close failure still closed")
            << "close" << M::Configured << -9 << true << M::NotInitialized << none << true;

    QTest::newRow("reset success keeps state")
            << "reset" << M::Configured << 0 << true << M::Configured << none << false;
    QTest::newRow("reset failure keeps state")
            << "reset" << M::Started << -1 << true << M::Started << none << false;
}

void TestModuleInterface::wrapper()
{
    QFETCH(QString, operation);
    QFETCH(State, initialState);
    QFETCH(int, hookResult);
    QFETCH(bool, hookCalled);
    QFETCH(State, expectedState);
    QFETCH(QList<State>, signalledStates);
    QFETCH(bool, handlesCleared);

    ScriptedModule module;
    module.setState(initialState);
    module.setHandle(11);
    module.setMainHandle(12);
    module.script(hookOf(operation), hookResult);
    QSignalSpy spy(&module, &ModuleInterface::stateChanged);

    const int result = callWrapper(module, operation);

    QCOMPARE(result, hookCalled ? hookResult : 0);
    QCOMPARE(module.calls(), hookCalled ? QStringList {hookOf(operation)} : QStringList());
    QCOMPARE(module.state(), expectedState);
    QList<State> signalled;
    for (const QList<QVariant> &arguments : qAsConst(spy))
        signalled.append(arguments.at(0).value<State>());
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
    QCOMPARE(module.state(), ModuleInterface::NotReached);
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
    QList<State> received;
    QThread *receivedOn = nullptr;
    connect(&module, &ModuleInterface::stateChanged, &receiver, [&](State state) {
        received.append(state);
        receivedOn = QThread::currentThread();
    });

    QFuture<void> task = QtConcurrent::run([&module] {
        module.init();
        module.selftest();
    });
    task.waitForFinished();
    // Delivered by the event loop, not on the pool thread.
    QVERIFY(received.isEmpty());
    QTRY_COMPARE(received, QList<State> {M::Initialized});
    QCOMPARE(receivedOn, QThread::currentThread());
}

QTEST_GUILESS_MAIN(TestModuleInterface)
#include "tst_moduleinterface.moc"
