#include "resources/resourcestate.h"
#include "views/oscilloscope/digitaloscilloscopesettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include <vector>

namespace {

// Every emission of the settings, read through a functor connection: the signal's type is
// not one QSignalSpy knows.
struct Emitted
{
    explicit Emitted(DigitalOscilloscopeSettings &settings)
    {
        QObject::connect(&settings, &DigitalOscilloscopeSettings::maximumPointsCountChanged,
                         [this](uint64_t value) { values.push_back(value); });
    }
    std::vector<uint64_t> values;
};

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

} // namespace

class TestDigitalOscilloscopeSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QDir(configFolder()).removeRecursively(); }

    void startsAtFirstEntryWithoutFile()
    {
        DigitalOscilloscopeSettings settings;
        QCOMPARE(settings.pointCountIndex(), 0);
        QCOMPARE(settings.pointCountValue(), uint64_t(10000));
        settings.setPointCountIndex(3);
        settings.restore();
        QCOMPARE(settings.pointCountIndex(), 0);
        QCOMPARE(settings.pointCountValue(), uint64_t(10000));
        QCOMPARE(settings.defaultPointCountValues(),
                 std::vector<uint64_t>({10000, 100000, 500000, 1000000}));
    }

    void setIndexEmitsOnlyChanges()
    {
        DigitalOscilloscopeSettings settings;
        Emitted emitted(settings);
        settings.setPointCountIndex(2);
        settings.setPointCountIndex(2);
        settings.setPointCountIndex(4);
        settings.setPointCountIndex(-1);
        QCOMPARE(emitted.values, std::vector<uint64_t>({500000}));
        QCOMPARE(settings.pointCountIndex(), 2);
        QCOMPARE(settings.pointCountValue(), uint64_t(500000));
    }

    void storeCreatesFolderAndWritesIndex()
    {
        QVERIFY(!QFileInfo::exists(configFolder()));
        DigitalOscilloscopeSettings settings;
        settings.setPointCountIndex(2);
        settings.store();
        QCOMPARE(settings.stateFile(),
                 configFolder() + QStringLiteral("/DigitalOscilloscopeCommonSettings.ini"));
        QFile file(settings.stateFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("customPointsCountIndex=2"));
    }

    void restoreFromFile_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("last entry") << QByteArray("3") << 3;
        QTest::newRow("past the table") << QByteArray("7") << 0;
        QTest::newRow("negative") << QByteArray("-1") << 0;
        QTest::newRow("not a number") << QByteArray("abc") << 0;
    }
    void restoreFromFile()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, index);
        DigitalOscilloscopeSettings settings;
        settings.setPointCountIndex(1);
        QFile file(settings.stateFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\ncustomPointsCountIndex=" + stored + "\n");
        // The settings store keeps a parsed file while its size and time stamp stay the same;
        // a rewrite of equal size within the same tick would read as the old content.
        static int rewrites = 0;
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * ++rewrites),
                                 QFileDevice::FileModificationTime));
        file.close();

        Emitted emitted(settings);
        settings.restore();
        QCOMPARE(settings.pointCountIndex(), index);
        QCOMPARE(settings.pointCountValue(), settings.defaultPointCountValues().at(index));
        QVERIFY(emitted.values.empty());
    }

    void restoringLeavesStateAsItIs()
    {
        DigitalOscilloscopeSettings settings;
        const ResourceState empty;
        settings.restoreState(empty);
        QCOMPARE(empty.size(), 0);
        ResourceState other;
        other["unrelated"] = 5;
        settings.restoreState(other);
        QCOMPARE(other.size(), 1);
        QVERIFY(!other.contains("customPointsCountIndex"));
        QCOMPARE(settings.pointCountIndex(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDigitalOscilloscopeSettings)
#include "tst_digitaloscilloscopesettings.moc"
