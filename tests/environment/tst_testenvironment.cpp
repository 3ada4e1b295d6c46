#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

// Every test runs with a private home; this one proves that what the program stores
// through QSettings and QStandardPaths lands there and nowhere near the user's files.
class TestEnvironment : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("corvanta"));
        QCoreApplication::setApplicationName(QStringLiteral("pralune"));
        QStandardPaths::setTestModeEnabled(true);
        m_home = QDir(qEnvironmentVariable("HOME")).canonicalPath();
        QVERIFY2(!m_home.isEmpty(), "HOME is not set");
        QVERIFY2(m_home.contains(QStringLiteral("test-homes")), qPrintable(m_home));
    }

    void settingsStoreIsPrivate()
    {
        {
            QSettings settings(QStringLiteral("corvanta"), QStringLiteral("pralune"));
            settings.setValue(QStringLiteral("probe"), 42);
            settings.sync();
            QCOMPARE(settings.status(), QSettings::NoError);
            QVERIFY2(QFileInfo(settings.fileName()).canonicalFilePath().startsWith(m_home),
                     qPrintable(settings.fileName()));
        }
        QSettings again(QStringLiteral("corvanta"), QStringLiteral("pralune"));
        QCOMPARE(again.value(QStringLiteral("probe")).toInt(), 42);
    }

    void configurationFolderIsPrivate()
    {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(QDir().mkpath(dir));
        QFile file(dir + QStringLiteral("/probe.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x=1\n");
        file.close();
        QVERIFY2(QFileInfo(file).canonicalFilePath().startsWith(m_home), qPrintable(dir));
    }

    void documentsFolderIsPrivate()
    {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(dir));
        QVERIFY2(QDir(dir).canonicalPath().startsWith(m_home), qPrintable(dir));
    }

private:
    QString m_home;
};

QTEST_GUILESS_MAIN(TestEnvironment)
#include "tst_testenvironment.moc"
