#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"
#include "app/options.h"
#include "app/praluneversion.h"
#include "app/startup.h"
#include "tests/resources/support/standarderror.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void inputMethod_data();
    void inputMethod();
    void identity();
    void eventLoopResult_data();
    void eventLoopResult();
    void optionsWrittenBack();
};

void TestStartup::inputMethod_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<QByteArray>("given"); // "-" for a variable that is not set
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("keyboard on") << true << QByteArray("-") << QByteArray("qtvirtualkeyboard");
    QTest::newRow("keyboard on replaces")
            << true << QByteArray("ibus") << QByteArray("qtvirtualkeyboard");
    QTest::newRow("keyboard off leaves unset") << false << QByteArray("-") << QByteArray("-");
    QTest::newRow("keyboard off keeps") << false << QByteArray("ibus") << QByteArray("ibus");
}

void TestStartup::inputMethod()
{
    QFETCH(bool, keyboard);
    QFETCH(QByteArray, given);
    QFETCH(QByteArray, expected);
    if (given == "-")
        qunsetenv("QT_IM_MODULE");
    else
        qputenv("QT_IM_MODULE", given);
    Options options;
    options.virtual_keyboard = keyboard;
    Startup::selectInputMethod(options);
    QCOMPARE(qEnvironmentVariableIsSet("QT_IM_MODULE") ? qgetenv("QT_IM_MODULE") : QByteArray("-"),
             expected);
    qunsetenv("QT_IM_MODULE");
}

void TestStartup::identity()
{
    Startup::setApplicationIdentity();
    QCOMPARE(QCoreApplication::applicationName(), QString("pralune"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(PRALUNE_VERSION));
    QCOMPARE(QCoreApplication::organizationName(), QString("corvanta"));
    QVERIFY(!QCoreApplication::organizationDomain().isEmpty());
}

void TestStartup::eventLoopResult_data()
{
    QTest::addColumn<int>("kind"); // 0 returns, 1 throws a standard exception, 2 throws an int
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("ordinary end") << 0 << 7 << QByteArray();
    QTest::newRow("standard exception") << 1 << 1 << QByteArray("bad state of the bench");
    QTest::newRow("anything else thrown") << 2 << 1 << QByteArray("unknown exception");
}

void TestStartup::eventLoopResult()
{
    QFETCH(int, kind);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    int result = -1;
    const QByteArray text = standardErrorOf([&] {
        result = Startup::runEventLoop([kind]() -> int {
            if (kind == 1)
                throw std::runtime_error("bad state of the bench");
            if (kind == 2)
                throw 42;
            return 7;
        });
    });
    QCOMPARE(result, exitCode);
    if (message.isEmpty()) {
        QVERIFY(text.isEmpty());
    } else {
        QCOMPARE(text.count('\n'), 1);
        QVERIFY(text.endsWith('\n'));
        QVERIFY2(text.contains(message), text.constData());
    }
}

// What the pages left in the cache reaches the store, the current arrangement with it.
void TestStartup::optionsWrittenBack()
{
    const QString organization = QString::fromLatin1(Startup::organization);
    const QString application = QString::fromLatin1(Startup::application);
    save_to_cache(load_from_environment(organization, application));

    Options options = load_from_cache();
    options.mainwindow_geometry = QByteArray("geometry bytes");
    options.color_theme = 1;
    options.restore_arrangement = true;
    save_to_cache(options);
    ArrangementState arrangement;
    arrangement.addResourceInformation("KT220Resource", "abc", true, "KT220");
    get_cache()->arrangements->setCurrentArrangement(arrangement);

    Startup::writeOptionsBack();

    QSettings store(organization, application);
    QCOMPARE(store.value("mainwindow_geometry").toByteArray(), QByteArray("geometry bytes"));
    QCOMPARE(store.value("color_theme").toInt(), 1);
    QCOMPARE(store.value("restore_arrangement").toBool(), true);
    const Options again = load_from_environment(organization, application);
    QCOMPARE(again.arrangements->currentArrangement(), arrangement);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
