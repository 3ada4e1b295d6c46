#include "hardware/autosearch.h"
#include "hardware/autosearchsimulator.h"

#include "simbench/simcontrol.h"

#include <QThread>
#include <QtTest>

#include <string>

Q_DECLARE_METATYPE(QVector<ModuleDescription> *)

namespace {

ModuleDescription hit(ModuleTypes type, const char *resource, int position)
{
    return ModuleDescription {type, QString::fromLatin1(resource), position};
}

char *describe(const QVector<ModuleDescription> &modules)
{
    QStringList parts;
    for (const ModuleDescription &m : modules)
        parts << QStringLiteral("{%1,%2,%3}").arg(int(m.type)).arg(m.resource).arg(m.position);
    return qstrdup(parts.join(QLatin1Char(' ')).toLocal8Bit().constData());
}

// Runs one search on the calling thread and collects both signals.
struct SearchRun
{
    QVector<ModuleDescription> found;
    QList<QVector<ModuleDescription>> finished;

    explicit SearchRun(AutoSearch &search)
    {
        QObject::connect(
                &search, &AutoSearch::found, &search,
                [this](const ModuleDescription &m) { found.append(m); }, Qt::DirectConnection);
        QObject::connect(
                &search, &AutoSearch::autoSearchFinished, &search,
                [this](const QVector<ModuleDescription> &m) { finished.append(m); },
                Qt::DirectConnection);
        search.FindVISAinstruments();
    }
};

// Receives the signals of a search run on the pool the way the Initialization page does: by
// queued delivery to an object of the GUI thread.
struct QueuedReceiver
{
    QObject context;
    QVector<ModuleDescription> found;
    QList<QVector<ModuleDescription>> finished;
    bool onGuiThread = true;
    QThread *searchThread = nullptr; // written on the pool, read after the pool is idle

    explicit QueuedReceiver(AutoSearch &search)
    {
        QObject::connect(
                &search, &AutoSearch::found, &search,
                [this] { searchThread = QThread::currentThread(); }, Qt::DirectConnection);
        QObject::connect(&search, &AutoSearch::found, &context,
                         [this, &search](const ModuleDescription &m) {
                             search.receiveReport();
                             found.append(m);
                             onGuiThread &= QThread::currentThread() == qApp->thread();
                         });
        QObject::connect(&search, &AutoSearch::autoSearchFinished, &context,
                         [this, &search](const QVector<ModuleDescription> &m) {
                             search.receiveReport();
                             finished.append(m);
                             onGuiThread &= QThread::currentThread() == qApp->thread();
                         });
    }
};

// In VISA enumeration order.
const char benchText[] = R"(
[VXI0::1::INSTR]
manufacturer = 0xE76
model = 0x310D
slot = 1
slot2 = 0x20
slot5 = 0x42

[VXI0::2::INSTR]
manufacturer = 0xE76
model = 0x10D
slot = 0
slot1 = 0x20

[TCPIP0::10.0.0.5::INSTR]
idn = ZQVOLTA,KT220,1,1.0

[TCPIP0::10.0.0.6::INSTR]
idn = ZQVOLTA,KT220,2,1.0
lock = refuse

[USB0::0x1::0x2::3::INSTR]
idn = ZQTAVRIN,ZQVOLTA,3,1.0
slot1 = 0x8042
slot3 = 0x1042
slot4 = 0x7039
slot6 = 0x43
slot8 = 0x2D

[TCPIP0::10.0.0.9::INSTR]
idn = zqvolta,kt220,9,1.0

[PXI0::5::INSTR]
interface = PXI
manufacturer = 0xE76
model = 0x10D
slot1 = 0x20
)";

} // namespace

namespace QTest {
template<>
char *toString(const QVector<ModuleDescription> &modules)
{
    return describe(modules);
}
} // namespace QTest

class TestAutoSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void classification_data();
    void classification();
    void benchSearch();
    void noResources();
    void callOrderOfAnIdentifiedInstrument();
    void failures_data();
    void failures();
    void longIdentificationReply();
    void runsOnThePoolAndReportsQueued();
    void simulatorReports();
    void simulatorPausesBeforeEachReport();
    void emptySimulatorFinishesAtOnce();
};

void TestAutoSearch::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAutoSearch::init()
{
    simbench::reset();
}

void TestAutoSearch::classification_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<quint32>("a");
    QTest::addColumn<quint32>("b");
    QTest::addColumn<QString>("idn");
    QTest::addColumn<int>("type");

    QTest::newRow("carrier 0xE76/0x155") << "model" << 0xE76u << 0x155u << QString() << 4;
    QTest::newRow("carrier, revision bits ignored")
            << "model" << 0xE76u << 0xF177u << QString() << 4;
    QTest::newRow("carrier 0/0x22") << "model" << 0u << 0x22u << QString() << 4;
    QTest::newRow("carrier code of the other maker") << "model" << 0u << 0x10Du << QString() << 0;
    QTest::newRow("high bits take part") << "model" << 0xE76u << 0x1010Du << QString() << 0;
    QTest::newRow("both words: carrier")
            << "idn" << 0u << 0u << QStringLiteral("ZQVOLTA ZQTAVRIN") << 4;
    QTest::newRow("power supply") << "idn" << 0u << 0u << QStringLiteral("X,ZQVOLTA,1") << 5;
    QTest::newRow("lower case matches nothing")
            << "idn" << 0u << 0u << QStringLiteral("zqtavrin zqvolta") << 0;
    QTest::newRow("reply falls back to the model")
            << "idn" << 0xE76u << 0x10Du << QStringLiteral("OTHER") << 4;
    QTest::newRow("mezzanine 0x1042") << "mezzanine" << 0x1042u << 0u << QString() << 3;
    QTest::newRow("mezzanine 0x7039") << "mezzanine" << 0x7039u << 0u << QString() << 6;
    QTest::newRow("mezzanine 0x20") << "mezzanine" << 0x20u << 0u << QString() << 1;
    QTest::newRow("mezzanine 0x2D") << "mezzanine" << 0x2Du << 0u << QString() << 2;
    QTest::newRow("mezzanine 0x43") << "mezzanine" << 0x43u << 0u << QString() << 0;
    QTest::newRow("mezzanine sign-extended 0x8042")
            << "mezzanine" << 0xFFFF8042u << 0u << QString() << 0;
}

void TestAutoSearch::classification()
{
    QFETCH(QString, rule);
    QFETCH(quint32, a);
    QFETCH(quint32, b);
    QFETCH(QString, idn);
    QFETCH(int, type);
    ModuleTypes result = ModuleTypeNone;
    if (rule == QLatin1String("model"))
        result = AutoSearch::findMainDeviceByModel(static_cast<unsigned short>(a), b);
    else if (rule == QLatin1String("idn"))
        result = AutoSearch::findMainDeviceByIDN(static_cast<unsigned short>(a), b, idn);
    else
        result = AutoSearch::findMezzanineByModel(a);
    QCOMPARE(int(result), type);
}

void TestAutoSearch::benchSearch()
{
    std::string error;
    QVERIFY2(simbench::loadBenchText(benchText, &error), error.c_str());
    AutoSearch search;
    SearchRun run(search);

    const QVector<ModuleDescription> expected = {
            hit(ModuleTypeRV31, "VXI0::1::INSTR", 2),
            hit(ModuleTypeKW7, "VXI0::1::INSTR", 5),
            hit(ModuleTypeKT220, "TCPIP0::10.0.0.5::INSTR", 1),
            hit(ModuleTypeKW7, "USB0::0x1::0x2::3::INSTR", 3),
            hit(ModuleTypeHX2, "USB0::0x1::0x2::3::INSTR", 4),
            hit(ModuleTypeHX9, "USB0::0x1::0x2::3::INSTR", 8),
    };
    QCOMPARE(run.found, expected);
    QCOMPARE(run.finished.count(), 1);
    QCOMPARE(run.finished.first(), expected);
    QCOMPARE(simbench::openSessionCount(), 0);
    // Only the three instruments that granted the lock were asked and unlocked.
    QCOMPARE(int(simbench::callLog("viQueryf").size()), 3);
    QCOMPARE(int(simbench::callLog("viUnlock").size()), 3);
    // The VXI resource in slot 0 and the PXI one were never opened as carriers.
    for (const simbench::CallRecord &call : simbench::callLog("zqtavrin_init"))
        QVERIFY(call.args.front() != "VXI0::2::INSTR" && call.args.front() != "PXI0::5::INSTR");
}

void TestAutoSearch::noResources()
{
    AutoSearch search;
    SearchRun run(search);
    QVERIFY(run.found.isEmpty());
    QCOMPARE(run.finished.count(), 1);
    QVERIFY(run.finished.first().isEmpty());
    QCOMPARE(simbench::openSessionCount(), 0);
}

void TestAutoSearch::callOrderOfAnIdentifiedInstrument()
{
    QVERIFY(simbench::loadBenchText("[TCPIP0::10.0.0.5::INSTR]\nidn = ZQVOLTA,KT220,1,1.0\n"));
    AutoSearch search;
    SearchRun run(search);
    QCOMPARE(run.found.count(), 1);

    QStringList calls;
    for (const simbench::CallRecord &call : simbench::callLog())
        calls << QString::fromStdString(call.function);
    const QStringList expected = {"viOpenDefaultRM", "viFindRsrc", "viOpen",   "viGetAttribute",
                                  "viLock",          "viQueryf",   "viUnlock", "viGetAttribute",
                                  "viGetAttribute",  "viClose",    "viClose",  "viClose"};
    QCOMPARE(calls, expected);
    const std::vector<simbench::CallRecord> finds = simbench::callLog("viFindRsrc");
    QCOMPARE(QString::fromStdString(finds.front().args.front()),
             QStringLiteral("?*[0-9]?*::?*::INSTR"));
    const std::vector<simbench::CallRecord> locks = simbench::callLog("viLock");
    QCOMPARE(locks.front().args.at(0), std::string("1"));
    QCOMPARE(locks.front().args.at(1), std::string("2000"));
}

void TestAutoSearch::failures_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("nth");
    QTest::addColumn<QVector<ModuleDescription>>("expected");

    const ModuleDescription rv31 = hit(ModuleTypeRV31, "VXI0::1::INSTR", 2);
    const ModuleDescription kw7 = hit(ModuleTypeKW7, "VXI0::1::INSTR", 5);
    const ModuleDescription supply = hit(ModuleTypeKT220, "TCPIP0::10.0.0.5::INSTR", 1);
    QTest::newRow("no resource manager") << "viOpenDefaultRM" << 1 << QVector<ModuleDescription>();
    QTest::newRow("resource search fails") << "viFindRsrc" << 1 << QVector<ModuleDescription>();
    QTest::newRow("find next fails") << "viFindNext" << 1 << QVector<ModuleDescription> {rv31, kw7};
    QTest::newRow("first resource cannot be opened")
            << "viOpen" << 1 << QVector<ModuleDescription> {supply};
    QTest::newRow("interface type unreadable")
            << "viGetAttribute" << 1 << QVector<ModuleDescription> {supply};
    QTest::newRow("carrier driver cannot open")
            << "zqtavrin_init" << 1 << QVector<ModuleDescription> {supply};
    QTest::newRow("slot query fails")
            << "zqtavrin_m_type_q" << 2 << QVector<ModuleDescription> {kw7, supply};
    QTest::newRow("slot query fails on the last module")
            << "zqtavrin_m_type_q" << 5 << QVector<ModuleDescription> {rv31, supply};
    QTest::newRow("carrier's slot unreadable")
            << "viGetAttribute" << 2 << QVector<ModuleDescription> {supply};
    QTest::newRow("identification query fails")
            << "viQueryf" << 1 << QVector<ModuleDescription> {rv31, kw7};
}

void TestAutoSearch::failures()
{
    QFETCH(QString, function);
    QFETCH(int, nth);
    QFETCH(QVector<ModuleDescription>, expected);

    QVERIFY(simbench::loadBenchText(R"(
[VXI0::1::INSTR]
manufacturer = 0xE76
model = 0x10D
slot = 1
slot2 = 0x20
slot5 = 0x42

[TCPIP0::10.0.0.5::INSTR]
idn = ZQVOLTA,KT220,1,1.0
)"));
    simbench::failCall(function.toStdString(), nth, int32_t(0xBFFF0000u));
    AutoSearch search;
    SearchRun run(search);
    QCOMPARE(run.found, expected);
    QCOMPARE(run.finished.count(), 1);
    QCOMPARE(run.finished.first(), expected);
    QCOMPARE(simbench::openSessionCount(), 0);
}

void TestAutoSearch::longIdentificationReply()
{
    const std::string reply = std::string(1000, 'x') + "ZQVOLTA";
    QVERIFY(simbench::loadBenchText("[TCPIP0::10.0.0.5::INSTR]\nidn = ZQVOLTA\n"));
    simbench::setIdnReply("TCPIP0::10.0.0.5::INSTR", reply);
    AutoSearch search;
    SearchRun run(search);
    // Cut at the buffer: the word beyond it is not seen, and nothing is overrun.
    QVERIFY(run.found.isEmpty());
    QCOMPARE(run.finished.count(), 1);
    // The width leaves the 256-byte buffer room for the NUL, whether a library counts it or not.
    const std::vector<simbench::CallRecord> queries = simbench::callLog("viQueryf");
    QCOMPARE(int(queries.size()), 1);
    QVERIFY(queries.front().args.size() >= 2);
    QCOMPARE(queries.front().args.at(1), std::string("%255t"));

    simbench::setIdnReply("TCPIP0::10.0.0.5::INSTR", std::string(200, 'x') + "ZQVOLTA");
    SearchRun again(search);
    QCOMPARE(again.found.count(), 1);
    QCOMPARE(simbench::openSessionCount(), 0);
}

void TestAutoSearch::runsOnThePoolAndReportsQueued()
{
    QVERIFY(simbench::loadBenchText(benchText));
    AutoSearch search;
    QueuedReceiver receiver(search);
    search.find();
    QTRY_COMPARE_WITH_TIMEOUT(receiver.finished.count(), 1, 20000);
    QVERIFY(QThreadPool::globalInstance()->waitForDone(20000));
    QCoreApplication::processEvents();
    QCOMPARE(receiver.found.count(), 6);
    QCOMPARE(receiver.finished.count(), 1);
    QCOMPARE(receiver.finished.first(), receiver.found);
    QVERIFY(receiver.onGuiThread);
    QVERIFY(receiver.searchThread && receiver.searchThread != QThread::currentThread());
}

void TestAutoSearch::simulatorReports()
{
    QList<ModuleTypes> types = {ModuleTypeKW7, ModuleTypeHX9, ModuleTypeRV31, ModuleTypeKT220};
    for (int i = 0; i < 5; ++i)
        types << ModuleTypeHX2;
    AutoSearchSimulator simulator(types);
    QueuedReceiver receiver(simulator);
    simulator.find();
    QTRY_COMPARE_WITH_TIMEOUT(receiver.finished.count(), 1, 20000);

    QVector<ModuleDescription> expected;
    for (int i = 0; i < types.count(); ++i)
        expected << hit(types.at(i), QStringLiteral("SIM::%1::INSTR").arg(i + 1).toLatin1(),
                        (i % 8) + 1);
    QCOMPARE(expected.at(8).resource, QStringLiteral("SIM::9::INSTR"));
    QCOMPARE(expected.at(8).position, 1);
    QCOMPARE(receiver.finished.first(), expected);
    QCOMPARE(receiver.found, expected);
    QVERIFY(receiver.onGuiThread);
    // The simulator touches neither VISA nor a driver.
    QVERIFY(simbench::callLog().empty());
}

void TestAutoSearch::simulatorPausesBeforeEachReport()
{
    // Only lower bounds: a sleep never ends early, however loaded the machine is.
    AutoSearchSimulator simulator({ModuleTypeKW7, ModuleTypeRV31});
    QElapsedTimer clock;
    QList<qint64> at;
    connect(
            &simulator, &AutoSearch::found, &simulator, [&] { at << clock.elapsed(); },
            Qt::DirectConnection);
    clock.start();
    simulator.FindVISAinstruments();
    QCOMPARE(at.count(), 2);
    QVERIFY(at.at(0) >= AutoSearchSimulator::pauseMs);
    QVERIFY(at.at(1) - at.at(0) >= AutoSearchSimulator::pauseMs);
}

void TestAutoSearch::emptySimulatorFinishesAtOnce()
{
    AutoSearchSimulator simulator({});
    SearchRun run(simulator);
    QVERIFY(run.found.isEmpty());
    QCOMPARE(run.finished.count(), 1);
    QVERIFY(run.finished.first().isEmpty());
}

QTEST_GUILESS_MAIN(TestAutoSearch)
#include "tst_autosearch.moc"
