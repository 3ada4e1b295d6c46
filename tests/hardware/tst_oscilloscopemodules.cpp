#include "hardware/modules/hx2/hx2module.h"
#include "hardware/modules/hx9/hx9module.h"
#include "support/modulesbench.h"

#include "simbench/simcontrol.h"
#include "visatype.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

using Rows = QVector<QVector<double>>;

namespace {

// Keeps a copy of every frame, as the rows are lent only for the signal's duration.
template<typename Module>
struct FrameRecorder
{
    explicit FrameRecorder(Module *module)
    {
        QObject::connect(module, &Module::dataChanged, module, [this](double start, Rows &rows) {
            startTimes << start;
            frames << rows;
        });
    }
    QList<double> startTimes;
    QList<Rows> frames;
};

} // namespace

class TestOscilloscopeModules : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void pointCount_data();
    void pointCount();
    void invalidTimeBaseIsRefused_data();
    void invalidTimeBaseIsRefused();
    void demoFrameWithoutTimeBaseDoesNotCrash();
    void demoFrameMatchesStandardLibrary();
    void offsetShiftsChannelsButNotMath();
    void disabledChannelGivesEmptyRow();
    void frameEndsWithReArm();
    void overdriveEndsFrameSilently();
    void hx9NotReadyReadsNothing();
    void hx9EmptyReadKeepsEarlierSamples();
    void deliveredCountIsClamped_data();
    void deliveredCountIsClamped();
    void hx9DriverFailureEndsTheFrame_data();
    void hx9DriverFailureEndsTheFrame();
    void failedTimeBaseKeepsTheOldOne_data();
    void failedTimeBaseKeepsTheOldOne();
    void closeStopsAtFailure_data();
    void closeStopsAtFailure();
};

void TestOscilloscopeModules::init()
{
    QVERIFY(modulesbench::load());
}

void TestOscilloscopeModules::pointCount_data()
{
    QTest::addColumn<double>("duration");
    QTest::addColumn<double>("period");
    QTest::addColumn<int>("points");
    QTest::newRow("1 ms at 3 us") << 1e-3 << 3e-6 << 333;
    QTest::newRow("10 at 4, half rounds up") << 10.0 << 4.0 << 3;
    QTest::newRow("1 at 0.25") << 1.0 << 0.25 << 4;
}

void TestOscilloscopeModules::pointCount()
{
    QFETCH(double, duration);
    QFETCH(double, period);
    QFETCH(int, points);
    HX2Module module;
    module.setDemoMode(true);
    QCOMPARE(module.configureTime(period, duration, 1e-6), 0);
    QCOMPARE(module.pointCount(), points);
    QCOMPARE(module.period(), period);
    QCOMPARE(module.startTime(), 1e-6);
}

void TestOscilloscopeModules::invalidTimeBaseIsRefused_data()
{
    QTest::addColumn<double>("period");
    QTest::addColumn<double>("duration");
    QTest::newRow("period 0") << 0.0 << 1e-3;
    QTest::newRow("negative period") << -1e-6 << 1e-3;
    QTest::newRow("period NaN") << std::numeric_limits<double>::quiet_NaN() << 1e-3;
    QTest::newRow("period infinite") << std::numeric_limits<double>::infinity() << 1e-3;
    QTest::newRow("no point") << 1e-6 << 1e-7;
    QTest::newRow("more than 2^26 points") << 1e-9 << 1.0;
}

void TestOscilloscopeModules::invalidTimeBaseIsRefused()
{
    QFETCH(double, period);
    QFETCH(double, duration);
    for (bool demo : {true, false}) {
        HX2Module module;
        module.setDemoMode(demo);
        QSignalSpy errors(&module, &ModuleInterface::errorOccured);
        QCOMPARE(module.configureTime(1e-6, 1e-3, 0.0), demo ? 0 : VI_ERROR_INV_OBJECT);
        const int before = module.pointCount();
        simbench::clearCallLog();
        QCOMPARE(module.configureTime(period, duration, 5.0), int(VI_ERROR_INV_PARAMETER));
        QCOMPARE(module.pointCount(), before);
        QCOMPARE(module.startTime(), 0.0);
        QVERIFY(!module.errorString().isEmpty());
        QVERIFY(modulesbench::calledFunctions("zqhx2_configTime").isEmpty());
        module.performDemoDataReading(); // whatever the state, no crash
    }
}

void TestOscilloscopeModules::demoFrameWithoutTimeBaseDoesNotCrash()
{
    // A restored state without a period never calls configureTime: the module's own
    // initial time base holds.
    for (ModuleInterface *m : {static_cast<ModuleInterface *>(new HX2Module),
                               static_cast<ModuleInterface *>(new HX9Module)}) {
        QScopedPointer<ModuleInterface> module(m);
        module->setDemoMode(true);
        QCOMPARE(module->dataReading(), 0);
    }
    HX2Module hx2;
    QVERIFY(hx2.period() > 0.0);
    HX9Module hx9;
    QVERIFY(hx9.period() > 0.0);
}

void TestOscilloscopeModules::demoFrameMatchesStandardLibrary()
{
    constexpr int Points = 2000;
    constexpr double Period = 1e-6;
    HX2Module module;
    module.setDemoMode(true);
    QCOMPARE(module.configure(0, 1, 0, 1, 0, 0.0), 0);
    QCOMPARE(module.configure(1, 1, 0, 1, 0, 0.0), 0);
    module.configureMath(1, 0, 0, 1, 0.0);
    QCOMPARE(module.configureTime(Period, Points * Period, 0.0), 0);
    QCOMPARE(module.pointCount(), Points);
    FrameRecorder<HX2Module> recorder(&module);

    std::mt19937 engine(5489u);
    for (int frame = 0; frame < 2; ++frame) {
        QCOMPARE(module.dataReading(), 0);
        QCOMPARE(recorder.frames.size(), frame + 1);
        const Rows &rows = recorder.frames.last();
        QCOMPARE(rows.size(), 3);
        std::normal_distribution<double> noise(0.0, 5.0);
        for (int c = 0; c < 2; ++c) {
            QCOMPARE(rows[c].size(), Points);
            for (int k = 0; k < Points; ++k) {
                const double g = noise(engine);
                const double expected =
                        2 * std::sin(6280.0 * k * Period) + 0.1 * (g - std::trunc(g));
                QVERIFY2(std::abs(rows[c][k] - expected) <= 1e-9,
                         qPrintable(QStringLiteral("frame %1 row %2 sample %3")
                                            .arg(frame)
                                            .arg(c)
                                            .arg(k)));
            }
        }
        QCOMPARE(rows[2].size(), Points);
        for (int k = 0; k < Points; ++k)
            QCOMPARE(rows[2][k], rows[0][k] + rows[1][k]);
    }
    // Sample 250 lies on the sine within the noise.
    QVERIFY(std::abs(recorder.frames[0][0][250] - 2 * std::sin(1.57)) < 0.1);
}

void TestOscilloscopeModules::offsetShiftsChannelsButNotMath()
{
    HX2Module plain;
    HX2Module shifted;
    for (HX2Module *m : {&plain, &shifted}) {
        m->setDemoMode(true);
        m->configureTime(1e-6, 500e-6, 0.0);
        m->configureMath(1, 1, 0, 1, 0.0);
    }
    plain.configure(0, 1, 0, 1, 0, 0.0);
    plain.configure(1, 1, 0, 1, 0, 0.0);
    shifted.configure(0, 1, 0, 1, 0, 0.5);
    shifted.configure(1, 1, 0, 1, 0, -0.25);
    FrameRecorder<HX2Module> a(&plain);
    FrameRecorder<HX2Module> b(&shifted);
    plain.dataReading();
    shifted.dataReading();
    const Rows &p = a.frames.first();
    const Rows &s = b.frames.first();
    for (int k = 0; k < p[0].size(); ++k) {
        QVERIFY(std::abs(s[0][k] - (p[0][k] + 0.5)) < 1e-12);
        QVERIFY(std::abs(s[1][k] - (p[1][k] - 0.25)) < 1e-12);
        QCOMPARE(s[2][k], p[2][k]);
    }
}

void TestOscilloscopeModules::disabledChannelGivesEmptyRow()
{
    HX9Module module;
    module.setDemoMode(true);
    module.configureTime(1e-6, 100e-6, 0.0);
    module.configure(0, 1, 0, 0, 0, 1.0, 0.0);
    module.configure(1, 1, 0, 0, 0, 1.0, 0.0);
    module.configure(1, 0, 0, 0, 0, 1.0, 0.0);
    FrameRecorder<HX9Module> recorder(&module);
    module.dataReading();
    const Rows &rows = recorder.frames.first();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].size(), 100);
    QVERIFY(rows[1].isEmpty());
    QVERIFY(rows[2].isEmpty()); // math off: present but empty
}

namespace {

// An HX2 on the bench, channel 0 on, programmed and armed.
void armHx2(HX2Module &module)
{
    QCOMPARE(modulesbench::openOnCarrier(&module, 1), 0);
    QCOMPARE(module.configure(0, 1, 0, 0, 0, 0.0), 0); // the upper range: no overdrive
    QCOMPARE(module.configure(1, 0, 0, 1, 0, 0.0), 0);
    QCOMPARE(module.configureTime(1e-6, 100e-6, 0.0), 0);
    QCOMPARE(module.configureTriggerForProgrammStart(), 0);
    QCOMPARE(module.start(), 0);
}

} // namespace

void TestOscilloscopeModules::frameEndsWithReArm()
{
    HX2Module module;
    armHx2(module);
    FrameRecorder<HX2Module> recorder(&module);
    simbench::clearCallLog();
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(recorder.frames.size(), 1);
    QCOMPARE(recorder.frames.first()[0].size(), module.pointCount());
    QCOMPARE(modulesbench::calledFunctions("zqhx2"),
             (QStringList {"zqhx2_readWaveform", "zqhx2_stop", "zqhx2_trigger"}));
    QCOMPARE(module.state(), ModuleInterface::Started);
}

void TestOscilloscopeModules::overdriveEndsFrameSilently()
{
    HX2Module module;
    armHx2(module);
    FrameRecorder<HX2Module> recorder(&module);
    QSignalSpy overdrive(&module, &HX2Module::overDriveWarning);
    simbench::clearCallLog();
    simbench::failCall("zqhx2_readWaveform", 1, ZQ_WARN_INPUT_OVERDRIVE);
    QCOMPARE(module.dataReading(), int(ZQ_WARN_INPUT_OVERDRIVE));
    QCOMPARE(overdrive.count(), 1);
    QVERIFY(recorder.frames.isEmpty());
    QCOMPARE(modulesbench::calledFunctions("zqhx2"), QStringList {"zqhx2_readWaveform"});

    // A read that delivers nothing ends the frame silently as well.
    simbench::clearCallLog();
    simbench::scriptOutValues("zqhx2_readWaveform", {0});
    QCOMPARE(module.dataReading(), 0);
    QVERIFY(recorder.frames.isEmpty());
    QCOMPARE(modulesbench::calledFunctions("zqhx2"), QStringList {"zqhx2_readWaveform"});
}

void TestOscilloscopeModules::hx9NotReadyReadsNothing()
{
    HX9Module module;
    QCOMPARE(modulesbench::openOnCarrier(&module, 2), 0);
    QCOMPARE(module.configure(0, 1, 0, 0, 0, 1.0, 0.0), 0);
    QCOMPARE(module.configureTime(1e-6, 100e-6, 0.0), 0);
    QCOMPARE(module.configureTrigger(), 0);
    QCOMPARE(module.start(), 0);
    FrameRecorder<HX9Module> recorder(&module);

    simbench::clearCallLog();
    simbench::scriptOutValues("zqhx9_ready_Q", {0});
    QCOMPARE(module.dataReading(), 0);
    QVERIFY(recorder.frames.isEmpty());
    QCOMPARE(modulesbench::calledFunctions("zqhx9"), QStringList {"zqhx9_ready_Q"});

    // Ready, but the driver delivers nothing: the row keeps its size and the frame goes out.
    simbench::clearCallLog();
    simbench::scriptOutValues("zqhx9_readWaveform", {0});
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(recorder.frames.size(), 1);
    QCOMPARE(recorder.frames.first()[0].size(), 100);
    QCOMPARE(modulesbench::calledFunctions("zqhx9"),
             (QStringList {"zqhx9_ready_Q", "zqhx9_readWaveform", "zqhx9_stop", "zqhx9_trigger"}));
}

namespace {

// An HX9 on the bench, channel 0 on, 100 points, armed.
void armHx9(HX9Module &module)
{
    QCOMPARE(modulesbench::openOnCarrier(&module, 2), 0);
    QCOMPARE(module.configure(0, 1, 0, 0, 0, 1.0, 0.0), 0);
    QCOMPARE(module.configureTime(1e-6, 100e-6, 0.0), 0);
    QCOMPARE(module.configureTrigger(), 0);
    QCOMPARE(module.start(), 0);
}

// Reads one frame after the driver's block read reports `delivered` samples; the frames sent.
template<typename Module>
QList<Rows> readDelivering(Module &module, const char *readFunction, int delivered)
{
    FrameRecorder<Module> recorder(&module);
    simbench::scriptOutValues(readFunction, {double(delivered)});
    if (module.dataReading() != 0)
        return {};
    return recorder.frames;
}

} // namespace

// The frame goes into a buffer the receivers do not hold; a read that delivers nothing must
// still give the samples of the frame before, which the receiver keeps.
void TestOscilloscopeModules::hx9EmptyReadKeepsEarlierSamples()
{
    HX9Module module;
    armHx9(module);
    FrameRecorder<HX9Module> recorder(&module);
    QCOMPARE(module.dataReading(), 0);
    simbench::scriptOutValues("zqhx9_readWaveform", {0});
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(recorder.frames.size(), 2);
    QCOMPARE(recorder.frames[0][0].size(), 100);
    QVERIFY(recorder.frames[0][0] != QVector<double>(100, 0.0));
    QCOMPARE(recorder.frames[1][0], recorder.frames[0][0]);
}

// The driver's count of delivered samples is never trusted beyond the row it filled.
void TestOscilloscopeModules::deliveredCountIsClamped_data()
{
    QTest::addColumn<bool>("hx9");
    QTest::addColumn<int>("delivered");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("rowSize");
    QTest::newRow("HX2, more than asked") << false << 250 << 1 << 100;
    QTest::newRow("HX2, fewer") << false << 40 << 1 << 40;
    QTest::newRow("HX2, negative ends the frame") << false << -7 << 0 << 0;
    QTest::newRow("HX9, more than asked") << true << 250 << 1 << 100;
    QTest::newRow("HX9, fewer") << true << 40 << 1 << 40;
    QTest::newRow("HX9, negative keeps the row") << true << -7 << 1 << 100;
}

void TestOscilloscopeModules::deliveredCountIsClamped()
{
    QFETCH(bool, hx9);
    QFETCH(int, delivered);
    QFETCH(int, frames);
    QFETCH(int, rowSize);
    QList<Rows> sent;
    if (hx9) {
        HX9Module module;
        armHx9(module);
        sent = readDelivering(module, "zqhx9_readWaveform", delivered);
    } else {
        HX2Module module;
        armHx2(module);
        QCOMPARE(module.pointCount(), 100);
        sent = readDelivering(module, "zqhx2_readWaveform", delivered);
    }
    QCOMPARE(sent.size(), frames);
    if (frames > 0)
        QCOMPARE(sent.first()[0].size(), rowSize);
}

void TestOscilloscopeModules::hx9DriverFailureEndsTheFrame_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("ready status") << "zqhx9_ready_Q" << QStringList {"zqhx9_ready_Q"};
    QTest::newRow("block read") << "zqhx9_readWaveform"
                                << QStringList {"zqhx9_ready_Q", "zqhx9_readWaveform"};
}

void TestOscilloscopeModules::hx9DriverFailureEndsTheFrame()
{
    QFETCH(QString, failing);
    QFETCH(QStringList, calls);
    HX9Module module;
    armHx9(module);
    FrameRecorder<HX9Module> recorder(&module);
    QSignalSpy errors(&module, &ModuleInterface::errorOccured);
    simbench::clearCallLog();
    simbench::failCall(failing.toStdString(), 1, VI_ERROR_TMO);
    QCOMPARE(module.dataReading(), int(VI_ERROR_TMO));
    QVERIFY(recorder.frames.isEmpty());
    QCOMPARE(errors.count(), 1);
    QVERIFY(!module.errorString().isEmpty());
    // No stop and no re-arm after a failure: the next reading tries again.
    QCOMPARE(modulesbench::calledFunctions("zqhx9"), calls);
    QCOMPARE(module.dataReading(), 0);
    QCOMPARE(recorder.frames.size(), 1);
}

void TestOscilloscopeModules::failedTimeBaseKeepsTheOldOne_data()
{
    QTest::addColumn<bool>("hx9");
    QTest::newRow("HX2") << false;
    QTest::newRow("HX9") << true;
}

void TestOscilloscopeModules::failedTimeBaseKeepsTheOldOne()
{
    QFETCH(bool, hx9);
    const auto check = [](auto &module, const char *function) {
        QSignalSpy errors(&module, &ModuleInterface::errorOccured);
        simbench::failCall(function, 1, VI_ERROR_TMO);
        QCOMPARE(module.configureTime(2e-6, 1e-3, 5e-6), int(VI_ERROR_TMO));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(module.pointCount(), 100);
        QCOMPARE(module.period(), 1e-6);
        QCOMPARE(module.startTime(), 0.0);
    };
    if (hx9) {
        HX9Module module;
        armHx9(module);
        check(module, "zqhx9_configTime");
    } else {
        HX2Module module;
        armHx2(module);
        check(module, "zqhx2_configTime");
    }
}

void TestOscilloscopeModules::closeStopsAtFailure_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("stop fails") << "zqhx2_stop" << QStringList {"zqhx2_stop"};
    QTest::newRow("reset fails") << "zqhx2_reset" << QStringList {"zqhx2_stop", "zqhx2_reset"};
    QTest::newRow("close fails") << "zqhx2_close"
                                 << QStringList {"zqhx2_stop", "zqhx2_reset", "zqhx2_close"};
}

void TestOscilloscopeModules::closeStopsAtFailure()
{
    QFETCH(QString, failing);
    QFETCH(QStringList, calls);
    HX2Module module;
    QCOMPARE(modulesbench::openOnCarrier(&module, 1), 0);
    simbench::clearCallLog();
    simbench::failCall(failing.toStdString(), 1, VI_ERROR_TMO);
    QCOMPARE(module.close(), int(VI_ERROR_TMO));
    QCOMPARE(modulesbench::calledFunctions("zqhx2"), calls);
    QCOMPARE(module.handle(), 0u);
    QCOMPARE(module.state(), ModuleInterface::NotInitialized);
    QVERIFY(!module.errorString().isEmpty());

    HX2Module demo;
    demo.setDemoMode(true);
    demo.setHandle(7);
    simbench::clearCallLog();
    QCOMPARE(demo.close(), 0);
    QCOMPARE(demo.handle(), 0u);
    QVERIFY(simbench::callLog().empty());
}

QTEST_GUILESS_MAIN(TestOscilloscopeModules)
#include "tst_oscilloscopemodules.moc"
