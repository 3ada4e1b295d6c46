#include "resources/resourcestate.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The stored form of a state and its INI file.
class TestResourceState : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void keysInOrdinalOrder()
    {
        ResourceState state;
        state[QStringLiteral("b")] = 2;
        state[QStringLiteral("B")] = 1;
        state[QStringLiteral("a")] = 3;
        QStringList keys;
        for (const auto &entry : state)
            keys.append(entry.first);
        QCOMPARE(keys, (QStringList { "B", "a", "b" }));
    }

    void readingAbsentKeyLeavesItInTheState()
    {
        ResourceState state;
        state[QStringLiteral("present")] = 1.5;
        const ResourceState &readOnly = state;
        const QVariant absent = readOnly[QStringLiteral("absent")];
        QVERIFY(!absent.isValid());
        // What the readers rely on: absent reads as zero.
        QCOMPARE(absent.toDouble(), 0.0);
        QCOMPARE(state.size(), 2);
        QVERIFY(state.contains(QStringLiteral("absent")));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("double") << QVariant(12.625) << QStringLiteral("12.625");
        QTest::newRow("negative double") << QVariant(-0.1) << QStringLiteral("-0.1");
        QTest::newRow("int") << QVariant(42) << QStringLiteral("42");
        QTest::newRow("true") << QVariant(true) << QStringLiteral("true");
        QTest::newRow("false") << QVariant(false) << QStringLiteral("false");
        QTest::newRow("text") << QVariant(QStringLiteral("x y")) << QStringLiteral("x y");
    }

    void roundTrip()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fileName = dir.filePath(QStringLiteral("state.ini"));
        ResourceState state;
        state[QStringLiteral("key")] = value;
        saveStateToFile(state, fileName);

        const ResourceState loaded = loadStateFromFile(fileName);
        QCOMPARE(loaded.size(), 1);
        QVariant back = loaded[QStringLiteral("key")];
        QCOMPARE(back.toString(), text);
        QVERIFY(back.convert(value.userType()));
        QCOMPARE(back, value);
    }

    void fileIsPlainIniAtTopLevel()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("state.ini"));
        ResourceState state;
        state[QStringLiteral("voltage")] = 5.5;
        state[QStringLiteral("ch_1.enabled")] = true;
        saveStateToFile(state, fileName);
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content.contains("[General]\n"), content.constData());
        QVERIFY2(content.contains("\nch_1.enabled=true\n"), content.constData());
        QVERIFY2(content.contains("\nvoltage=5.5"), content.constData());
    }

    void savingMergesIntoTheFile()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("state.ini"));
        {
            QSettings settings(fileName, QSettings::IniFormat);
            settings.setValue(QStringLiteral("kept"), QStringLiteral("old"));
            settings.setValue(QStringLiteral("voltage"), 1.0);
        }
        ResourceState state;
        state[QStringLiteral("voltage")] = 2.5;
        state[QStringLiteral("current")] = 0.5;
        saveStateToFile(state, fileName);

        const ResourceState loaded = loadStateFromFile(fileName);
        QCOMPARE(loaded.size(), 3);
        QCOMPARE(loaded[QStringLiteral("kept")].toString(), QStringLiteral("old"));
        QCOMPARE(loaded[QStringLiteral("voltage")].toDouble(), 2.5);
        QCOMPARE(loaded[QStringLiteral("current")].toDouble(), 0.5);
    }

    void missingFileGivesEmptyStateAndStaysMissing()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("absent.ini"));
        QCOMPARE(loadStateFromFile(fileName).size(), 0);
        QVERIFY(!QFile::exists(fileName));
    }

    void unwritableFileIsPassedOver()
    {
        QTemporaryDir dir;
        // A folder where the file should be: nothing can be written, and nothing breaks.
        const QString fileName = dir.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(fileName));
        ResourceState state;
        state[QStringLiteral("voltage")] = 1.0;
        saveStateToFile(state, fileName);
        QCOMPARE(loadStateFromFile(fileName).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestResourceState)
#include "tst_resourcestate.moc"
