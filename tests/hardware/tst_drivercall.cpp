#include "hardware/drivercall.h"
#include "hardware/moduleinterface.h"
#include "hardware/tracelogger.h"
#include "hardware/visaerrormessage.h"

#include "simbench/simcontrol.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTextCodec>
#include <QtTest>

#include <cstdio>
#include <cstring>

namespace {

constexpr int visaTimeout = int(0xBFFF0015);
const char childModeVariable[] = "PRALUNE_TEST_DRIVERCALL_CHILD";

// A module whose "driver call" returns a chosen status, reported the way the module classes
// report theirs; the driver's own message is a chosen local 8-bit text.
class FailingModule : public ModuleInterface
{
    Q_OBJECT
public:
    explicit FailingModule(DriverErrorTrace trace)
        : m_trace(trace)
    {
    }

    int callStatus = 0;
    QByteArray driverText;
    int errorMessageCalls = 0;
    static int callLine; // where performInit makes its call, set when it runs

protected:
    int performInit() override
    {
        callLine = __LINE__; if (PRALUNE_DRIVER_FAILED(callStatus)) return status();
        return 0;
    }
    int performSelftest() override { return 0; }
    int performConfigure() override { return 0; }
    int performStart() override { return 0; }
    int performReset() override { return 0; }
    int performStop() override { return 0; }
    int performClose() override { return 0; }
    void performErrorMessage(int status) override
    {
        ++errorMessageCalls;
        reportDriverError(this, status, [this](char *buffer) {
            std::strncpy(buffer, driverText.constData(), driverErrorMessageBufferSize);
        }, m_trace);
    }

private:
    DriverErrorTrace m_trace;
};

int FailingModule::callLine = 0;

} // namespace

class TestDriverCall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void statusRules_data();
    void statusRules();
    void standardOutputLine();
    void cyrillicTraceLine();
    void carrierWritesNoTrace();
    void traceLevels();
    void visaTexts_data();
    void visaTexts();
    void longDriverTextIsCut();
};

void TestDriverCall::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The drivers' texts are local 8-bit; make that an encoding that holds Cyrillic.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}

void TestDriverCall::init()
{
    simbench::reset();
}

void TestDriverCall::statusRules_data()
{
    QTest::addColumn<int>("callStatus");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("errorText");
    QTest::addColumn<int>("traceLines");
    QTest::addColumn<int>("errorSignals");

    const QString timeoutText = QStringLiteral("Timeout expired before operation completed");
    QTest::newRow("success") << 0 << false << 0 << QString() << 0 << 0;
    QTest::newRow("warning is kept, nothing reported")
            << 0x3FFF0005 << false << 0 << QString() << 0 << 0;
    QTest::newRow("VISA error takes the VISA text")
            << visaTimeout << false << visaTimeout << timeoutText << 1 << 1;
    QTest::newRow("other error takes the driver's text")
            << -1 << false << -1 << QStringLiteral("driver says no") << 1 << 1;
    QTest::newRow("demonstration mode: text and trace, no signal")
            << -1 << true << -1 << QStringLiteral("driver says no") << 1 << 0;
}

void TestDriverCall::statusRules()
{
    QFETCH(int, callStatus);
    QFETCH(bool, demo);
    QFETCH(int, result);
    QFETCH(QString, errorText);
    QFETCH(int, traceLines);
    QFETCH(int, errorSignals);

    FailingModule module(DriverErrorTrace::Critical);
    module.setName(QStringLiteral("RV31_1"));
    module.setDemoMode(demo);
    module.callStatus = callStatus;
    module.driverText = "driver says no";
    QSignalSpy errors(&module, &ModuleInterface::errorOccured);

    QCOMPARE(module.init(), result == 0 ? 0 : result);
    QCOMPARE(module.status(), callStatus);
    QCOMPARE(module.errorString(), errorText);
    QCOMPARE(int(simbench::traceLines().size()), traceLines);
    QCOMPARE(errors.count(), errorSignals);
    QCOMPARE(module.errorMessageCalls, result < 0 ? 1 : 0);
}

void TestDriverCall::standardOutputLine()
{
    if (qEnvironmentVariableIsSet(childModeVariable))
        QSKIP("runs in the parent only");

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(childModeVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    FailingModule probe(DriverErrorTrace::None);
    probe.init();

    const QByteArray expected = QStringLiteral("%1 : %2 : performInit : HX2_1 : "
                                               "Timeout expired before operation completed "
                                               "(ffffffffbfff0015) \n")
                                        .arg(QString::fromLocal8Bit(__FILE__))
                                        .arg(FailingModule::callLine)
                                        .toLocal8Bit();
    QCOMPARE(child.readAllStandardOutput(), expected);
}

void TestDriverCall::cyrillicTraceLine()
{
    FailingModule module(DriverErrorTrace::Critical);
    module.setName(QStringLiteral("RV31_1"));
    module.callStatus = -7;
    const QString text = QStringLiteral("Нет ответа от модуля");
    module.driverText = text.toLocal8Bit();
    module.init();

    QCOMPARE(module.errorString(), text);
    const std::vector<std::string> lines = simbench::traceLines();
    QCOMPARE(int(lines.size()), 1);
    const QByteArray expected = QByteArray("(EE)  RV31_1: ")
            + QTextCodec::codecForName("Windows-1251")->fromUnicode(text);
    QCOMPARE(QByteArray::fromStdString(lines.front()), expected);
    // One byte per Cyrillic letter: really Windows-1251, not UTF-8.
    QCOMPARE(expected.size(), 14 + text.size());
}

void TestDriverCall::carrierWritesNoTrace()
{
    FailingModule carrier(DriverErrorTrace::None);
    carrier.callStatus = -3;
    carrier.driverText = "carrier fault";
    QSignalSpy errors(&carrier, &ModuleInterface::errorOccured);
    QCOMPARE(carrier.init(), -3);
    QCOMPARE(carrier.errorString(), QStringLiteral("carrier fault"));
    QVERIFY(simbench::traceLines().empty());
    QCOMPARE(errors.count(), 1);
}

void TestDriverCall::traceLevels()
{
    TraceLogger &logger = TraceLogger::instance();
    QCOMPARE(&logger, &TraceLogger::instance());
    logger.info(QStringLiteral("a"), QStringLiteral("KT220_1"));
    logger.warning(QStringLiteral("b"));
    logger.critical(QStringLiteral("x"));
    logger.fatal(QStringLiteral("d"), QStringLiteral("src"));
    logger.log(QStringLiteral("hidden"), TraceLoggerNoOutput);
    logger.fileLog(QStringLiteral("hidden"), QStringLiteral("src"));
    const std::vector<std::string> expected
            = { "(II)  KT220_1: a", "(WW)  b", "(EE)  x", "(FF)  src: d" };
    QCOMPARE(simbench::traceLines(), expected);
}

void TestDriverCall::visaTexts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("success") << 0 << QStringLiteral("No error (the call was successful)");
    QTest::newRow("timeout") << visaTimeout
                             << QStringLiteral("Timeout expired before operation completed");
    QTest::newRow("connection lost") << int(0xBFFF00A6)
                                     << QStringLiteral("The connection for the given session "
                                                       "has been lost");
    QTest::newRow("beyond the table") << int(0xBFFF00A7) << QString();
    QTest::newRow("gap in the table") << int(0xBFFF0014) << QString();
    QTest::newRow("driver's own code") << -1 << QString();
}

void TestDriverCall::visaTexts()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(getVisaErrorMessageByCode(status), text);
}

void TestDriverCall::longDriverTextIsCut()
{
    FailingModule module(DriverErrorTrace::None);
    module.callStatus = -2;
    module.driverText = QByteArray(400, 'z');
    module.init();
    QCOMPARE(module.errorString(), QString(driverErrorMessageBufferSize - 1, QLatin1Char('z')));
}

// In the child: one failing call, whose line on standard output the parent checks.
static int runChild()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    FailingModule module(DriverErrorTrace::Critical);
    module.setName(QStringLiteral("HX2_1"));
    module.callStatus = visaTimeout;
    module.init();
    std::fflush(stdout);
    return 0;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(childModeVariable))
        return runChild();
    TestDriverCall test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_drivercall.moc"
