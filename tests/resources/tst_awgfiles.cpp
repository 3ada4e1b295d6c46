#include "resources/functiongeneratorawgfilescollection.h"

#include "simbench/simcontrol.h"
#include "tests/resources/support/failingallocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
// A string list claiming 2^31 - 1 entries, 35 bytes as Qt's store writes it.
const QByteArray poisonedValue = QByteArrayLiteral("@Variant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)");
} // namespace

// Each case gets a fresh collection over emptied data and configuration folders.
class TestAwgFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void naming_data();
    void naming();
    void refusesMissingOrEmptySource();
    void evictsLeastRecentlyUsedAtLimit();
    void allPinnedRefusesWithoutCopy();
    void pinsKeepCache();
    void removeRenumbers();
    void removeInvalidIndexIsIgnored();
    void signalQueries();
    void updateDropsVanishedAndEmpty();
    void storeAndRestore();
    void restoreStopsAtLimit();
    void restoreKeepsOnlyItsOwnFiles();
    void unreadableListIsMovedAside();
    void findByContent();
    void signature();

private:
    QString source(const QString &name, const QByteArray &content = "t;u\n1;2\n3;4\n")
    {
        const QString path = m_sources.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    QTemporaryDir m_sources;
};

void TestAwgFiles::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("corvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("pralune"));
}

void TestAwgFiles::init()
{
    QDir(FunctionGeneratorAwgFilesCollection::dataPath()).removeRecursively();
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
}

void TestAwgFiles::naming_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("copies");
    QTest::newRow("plain") << "wave.csv" << QStringList {"wave.csv", "wave_1.csv", "wave_2.csv"};
    QTest::newRow("two dots") << "a.b.csv" << QStringList {"a.b.csv", "a_1.b.csv", "a_2.b.csv"};
    QTest::newRow("no suffix") << "noext" << QStringList {"noext", "noext_1.", "noext_2."};
}

void TestAwgFiles::naming()
{
    QFETCH(QString, name);
    QFETCH(QStringList, copies);
    FunctionGeneratorAwgFilesCollection collection;
    QSignalSpy added(&collection, &FunctionGeneratorAwgFilesCollection::added);
    const QString path = source(name);
    for (int i = 0; i < copies.size(); ++i) {
        QCOMPARE(collection.addCopy(path), i);
        QCOMPARE(collection.file(i),
                 FunctionGeneratorAwgFilesCollection::dataPath() + copies.at(i));
        QVERIFY(QFile::exists(collection.file(i)));
        QCOMPARE(added.takeFirst().at(0).toInt(), i);
    }
    QCOMPARE(collection.useOrder(), (QVector<int> {0, 1, 2}));
    QVERIFY(FunctionGeneratorAwgFilesCollection::dataPath().endsWith("/corvanta/pralune/awg/"));
}

void TestAwgFiles::refusesMissingOrEmptySource()
{
    FunctionGeneratorAwgFilesCollection collection;
    QCOMPARE(collection.addCopy(m_sources.filePath("missing.csv")), -1);
    QCOMPARE(collection.addCopy(source("empty.csv", QByteArray())), -1);
    QCOMPARE(collection.count(), 0);
    QVERIFY(QDir(FunctionGeneratorAwgFilesCollection::dataPath()).isEmpty());
}

void TestAwgFiles::evictsLeastRecentlyUsedAtLimit()
{
    FunctionGeneratorAwgFilesCollection collection;
    for (int i = 0; i < 20; ++i)
        QCOMPARE(collection.addCopy(source(QStringLiteral("f%1.csv").arg(i), "1\n")), i);
    collection.lock(0); // pinned and most recently used
    collection.unlock(0); // still most recently used, no longer pinned

    QSignalSpy removed(&collection, &FunctionGeneratorAwgFilesCollection::removed);
    QSignalSpy added(&collection, &FunctionGeneratorAwgFilesCollection::added);
    QCOMPARE(collection.addCopy(source("new.csv", "2\n")), 19);
    QCOMPARE(collection.count(), 20);
    // New files join the use order at its end, so the newest unpinned file goes first.
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.first().at(0).toInt(), 19);
    QCOMPARE(added.first().at(0).toInt(), 19);

    // A never pinned new file is the first to go at the next import.
    const QString newest = collection.file(19);
    QCOMPARE(collection.addCopy(source("newer.csv", "3\n")), 19);
    QCOMPARE(collection.indexOf(newest), -1);
    QVERIFY(!QFile::exists(newest));
    QCOMPARE(collection.count(), 20);
}

void TestAwgFiles::allPinnedRefusesWithoutCopy()
{
    FunctionGeneratorAwgFilesCollection collection;
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(collection.addCopy(source(QStringLiteral("f%1.csv").arg(i), "1\n")), i);
        collection.lock(i);
    }
    const int onDisk = QDir(FunctionGeneratorAwgFilesCollection::dataPath()).count();
    QCOMPARE(collection.addCopy(source("extra.csv", "1\n")), -1);
    QCOMPARE(collection.count(), 20);
    QCOMPARE(int(QDir(FunctionGeneratorAwgFilesCollection::dataPath()).count()), onDisk);

    collection.unlock(7);
    QCOMPARE(collection.addCopy(source("extra.csv", "1\n")), 19);
    QCOMPARE(collection.count(), 20);
}

void TestAwgFiles::pinsKeepCache()
{
    FunctionGeneratorAwgFilesCollection collection;
    for (int i = 0; i < 4; ++i)
        collection.addCopy(source(QStringLiteral("f%1.csv").arg(i)));
    collection.lock(3);
    collection.lock(3);
    QCOMPARE(collection.useOrder().first(), 3);
    QCOMPARE(collection.countSignals(3), 2);
    collection.unlock(3);
    QCOMPARE(collection.pinCount(3), 1);
    QVERIFY(collection.isCached(3));
    collection.unlock(3);
    QCOMPARE(collection.pinCount(3), 0);
    QVERIFY(!collection.isCached(3));
    collection.unlock(3);
    QCOMPARE(collection.pinCount(3), 0);
    collection.lock(99); // ignored
    collection.unlock(-1);
    QCOMPARE(collection.useOrder().size(), 4);
}

void TestAwgFiles::removeRenumbers()
{
    FunctionGeneratorAwgFilesCollection collection;
    collection.addCopy(source("A.csv", "1\n"));
    collection.addCopy(source("B.csv", "2\n"));
    collection.addCopy(source("C.csv", "3\n"));
    collection.lock(1);
    collection.lock(0);
    collection.lock(2); // use order [2, 0, 1]
    QCOMPARE(collection.useOrder(), (QVector<int> {2, 0, 1}));
    QCOMPARE(collection.data(2, 0), QVector<double> {3}); // cached before the move
    const QString b = collection.file(1);

    QSignalSpy removed(&collection, &FunctionGeneratorAwgFilesCollection::removed);
    collection.remove(1); // pinned files are removed all the same
    QCOMPARE(removed.takeFirst().at(0).toInt(), 1);
    QVERIFY(!QFile::exists(b));
    QCOMPARE(collection.count(), 2);
    QVERIFY(collection.file(1).endsWith("C.csv"));
    QCOMPARE(collection.useOrder(), (QVector<int> {1, 0}));
    QCOMPARE(collection.pinCount(1), 1);
    QVERIFY(collection.isCached(1));
    QCOMPARE(collection.data(1, 0), QVector<double> {3});
}

void TestAwgFiles::removeInvalidIndexIsIgnored()
{
    FunctionGeneratorAwgFilesCollection collection;
    collection.addCopy(source("A.csv"));
    QSignalSpy removed(&collection, &FunctionGeneratorAwgFilesCollection::removed);
    collection.remove(-1);
    collection.remove(1);
    QCOMPARE(collection.count(), 1);
    QCOMPARE(removed.size(), 0);
    QCOMPARE(collection.file(1), QString());
    QCOMPARE(collection.file(-1), QString());
}

void TestAwgFiles::signalQueries()
{
    FunctionGeneratorAwgFilesCollection collection;
    collection.addCopy(source("two.csv", "left;right\n1;10\n2;20\n"));
    collection.addCopy(source("bare.csv", "5\n6\n"));
    QCOMPARE(collection.countSignals(0), 2);
    QCOMPARE(collection.signalNames(0), (QStringList {"left", "right"}));
    QCOMPARE(collection.data(0, 1), (QVector<double> {10, 20}));
    QVERIFY(collection.data(0, 5).isEmpty());
    QVERIFY(collection.data(0, -1).isEmpty());
    QVERIFY(collection.signalNames(1).isEmpty());
    QCOMPARE(collection.data(1, 0), (QVector<double> {5, 6}));
    QCOMPARE(collection.countSignals(7), 0);
}

void TestAwgFiles::updateDropsVanishedAndEmpty()
{
    FunctionGeneratorAwgFilesCollection collection;
    collection.addCopy(source("good.csv"));
    collection.addCopy(source("blank.csv", "\n\n"));
    collection.addCopy(source("gone.csv"));
    collection.addCopy(source("unread.csv", "\n"));
    QFile::remove(collection.file(2));
    QCOMPARE(collection.countSignals(1), 0);
    collection.update();
    // The unread empty file stays: update reads nothing itself.
    QCOMPARE(collection.count(), 2);
    QVERIFY(collection.file(0).endsWith("good.csv"));
    QVERIFY(collection.file(1).endsWith("unread.csv"));
}

void TestAwgFiles::storeAndRestore()
{
    {
        FunctionGeneratorAwgFilesCollection collection;
        collection.addCopy(source("a.csv"));
        collection.addCopy(source("b.csv"));
        collection.addCopy(source("c.csv"));
        collection.lock(1);
        collection.store();
        QFile::remove(collection.file(2)); // stale entries are skipped
    }
    const QString list = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
            + "/FunctionGeneratorAwgFilesCollection.ini";
    QVERIFY(QFile::exists(list));
    QCOMPARE(QSettings(list, QSettings::IniFormat).value("awgDataFiles").toStringList().size(), 3);

    FunctionGeneratorAwgFilesCollection restored;
    QCOMPARE(restored.count(), 2);
    QVERIFY(restored.file(0).endsWith("b.csv"));
    QVERIFY(restored.file(1).endsWith("a.csv"));
    QCOMPARE(restored.useOrder(), (QVector<int> {0, 1}));
    QCOMPARE(restored.pinCount(0), 0);
}

void TestAwgFiles::restoreStopsAtLimit()
{
    QStringList paths;
    const QDir folder(FunctionGeneratorAwgFilesCollection::dataPath());
    for (int i = 0; i < 25; ++i) {
        paths << folder.filePath(QStringLiteral("r%1.csv").arg(i));
        QVERIFY(QFile::copy(source(QStringLiteral("r%1.csv").arg(i)), paths.last()));
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    {
        QSettings list(config + "/FunctionGeneratorAwgFilesCollection.ini", QSettings::IniFormat);
        list.setValue("awgDataFiles", paths);
    }
    FunctionGeneratorAwgFilesCollection collection;
    QCOMPARE(collection.count(), 20);
    QCOMPARE(collection.file(19), paths.at(19));
}

// The list may name any file; the collection deletes the files it lists, so it keeps only
// regular files inside its data folder, each once, and leaves everything else alone.
void TestAwgFiles::restoreKeepsOnlyItsOwnFiles()
{
    const QDir folder(FunctionGeneratorAwgFilesCollection::dataPath());
    const QString own = folder.filePath(QStringLiteral("own.csv"));
    QVERIFY(QFile::copy(source(QStringLiteral("own.csv")), own));
    const QString outside = source(QStringLiteral("outside.csv"));
    const QString linkOut = folder.filePath(QStringLiteral("link-out.csv"));
    QVERIFY(QFile::link(outside, linkOut));
    const QString linkOwn = folder.filePath(QStringLiteral("link-own.csv"));
    QVERIFY(QFile::link(own, linkOwn));
    const QString fifo = folder.filePath(QStringLiteral("fifo.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(folder.mkdir(QStringLiteral("folder.csv")));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    {
        QSettings list(config + "/FunctionGeneratorAwgFilesCollection.ini", QSettings::IniFormat);
        list.setValue("awgDataFiles",
                      QStringList {own, outside, own, folder.filePath("../awg/own.csv"), linkOwn,
                                   linkOut, "/dev/zero", fifo, folder.filePath("folder.csv"),
                                   folder.filePath("missing.csv"), QString()});
    }

    FunctionGeneratorAwgFilesCollection collection;
    QCOMPARE(collection.count(), 1);
    QCOMPARE(collection.file(0), own);
    collection.remove(0);
    QCOMPARE(collection.count(), 0);
    collection.update();
    QVERIFY(!QFile::exists(own));
    QVERIFY(QFile::exists(outside));
    QVERIFY(QFileInfo(linkOut).isSymLink());
    QVERIFY(QFileInfo(fifo).exists());
}

void TestAwgFiles::unreadableListIsMovedAside()
{
    const QDir folder(FunctionGeneratorAwgFilesCollection::dataPath());
    const QString own = folder.filePath(QStringLiteral("own.csv"));
    QVERIFY(QFile::copy(source(QStringLiteral("own.csv")), own));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    const QString list = config + "/FunctionGeneratorAwgFilesCollection.ini";
    {
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nawgDataFiles=" + poisonedValue + "\n");
    }
    simbench::clearTraceLines();
    FunctionGeneratorAwgFilesCollection collection;
    QCOMPARE(collection.count(), 0);
    QVERIFY(!QFile::exists(list));
    const QStringList aside =
            QDir(config).entryList({"FunctionGeneratorAwgFilesCollection.ini.corrupt-*"});
    QCOMPARE(aside.size(), 1);
    const std::vector<std::string> trace = simbench::traceLines();
    QCOMPARE(int(trace.size()), 1);
    QVERIFY(QString::fromStdString(trace.front()).contains(list));

    // The next store starts a new list.
    QCOMPARE(collection.addCopy(own), 0);
    collection.store();
    FunctionGeneratorAwgFilesCollection restored;
    QCOMPARE(restored.count(), 1);
}

void TestAwgFiles::findByContent()
{
    FunctionGeneratorAwgFilesCollection collection;
    collection.addCopy(source("one.csv", "1\n"));
    collection.addCopy(source("two.csv", "2\n"));
    QCOMPARE(collection.findByContent(source("other-name.csv", "2\n")), 1);
    QCOMPARE(collection.findByContent(source("fresh.csv", "3\n")), -1);

    // An unreadable import, and held copies that became unreadable, are nobody's duplicates.
    QFile::remove(collection.file(0));
    QCOMPARE(collection.findByContent(m_sources.filePath("missing.csv")), -1);
    QCOMPARE(collection.findByContent(m_sources.path()), -1);
}

void TestAwgFiles::signature()
{
    QCOMPARE(createSignature(source("abc", "abc")).toHex(),
             QByteArray("a9993e364706816aba3e25717850c26c9cd0d89d"));
    QCOMPARE(createSignature(source("empty", QByteArray())).size(), 20);
    QVERIFY(createSignature(m_sources.filePath("nothing")).isEmpty());
    // A device never ends: it has no content to compare.
    QVERIFY(createSignature(QStringLiteral("/dev/zero")).isEmpty());
}

QTEST_GUILESS_MAIN(TestAwgFiles)
#include "tst_awgfiles.moc"
