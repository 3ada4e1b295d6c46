#include "resources/resourcestate.h"
#include "resources/storefile.h"

#include "simbench/simcontrol.h"
#include "tests/resources/support/failingallocations.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A string list claiming 2^31 - 1 entries, 35 bytes as Qt's store writes it.
const QByteArray poisonedValue = QByteArrayLiteral("@Variant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)");

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList traceMentioning(const QString &path)
{
    QStringList lines;
    for (const std::string &line : simbench::traceLines()) {
        const QString text = QString::fromStdString(line);
        if (text.contains(path))
            lines << text;
    }
    return lines;
}

// A lock beside a store as a run left it; aged past the moment in which Qt writes the owner
// of a lock it has just created.
void writeLeftLock(const QString &lockPath, const QByteArray &content, qint64 ageSeconds)
{
    writeFile(lockPath, content);
    QFile file(lockPath);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime));
}

// A process number above any the system gives out, so no such process runs.
QByteArray endedOwner()
{
    return "2147483647\npralune\n" + QSysInfo::machineHostName().toUtf8() + "\n";
}

// A FIFO the test holds open at both ends without blocking: if the code under test opened it
// after all, its open would not wait for a partner, and whatever it wrote could be read here.
struct HeldFifo
{
    explicit HeldFifo(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        if (::mkfifo(name.constData(), 0600) == 0)
            fd = ::open(name.constData(), O_RDWR | O_NONBLOCK);
    }
    ~HeldFifo()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool nothingWritten() const
    {
        char byte = 0;
        return ::read(fd, &byte, 1) < 0;
    }
    int fd = -1;
};

} // namespace

// The state files and the helper that guards every store file: nothing stored can stop the
// program, and nothing is ever written through a path that is not a regular file.
class TestStoreFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QVERIFY(m_dir.isValid());
        simbench::clearTraceLines();
    }

    void unreadableStateIsMovedAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("value in [General]")
                << QByteArray("[General]\nname=" + poisonedValue + "\ncount=3\n");
        QTest::newRow("value in a section nobody reads")
                << QByteArray("[General]\nname=x\n[unknown]\nlist=" + poisonedValue + "\n");
    }
    void unreadableStateIsMovedAside()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath(QStringLiteral("HX2_1.ini"));
        writeFile(path, content);
        QCOMPARE(loadStateFromFile(path).size(), 0);
        QVERIFY(!QFile::exists(path));
        const QStringList aside = QDir(m_dir.path()).entryList({"HX2_1.ini.corrupt-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(QFile(m_dir.filePath(aside.first())).size(), qint64(content.size()));
        QCOMPARE(traceMentioning(path).size(), 1);
        QVERIFY(traceMentioning(path).first().contains(aside.first()));
        QVERIFY(QDir(m_dir.path()).remove(aside.first()));
    }

    // A state saved over such a file (it appeared since the reading) must be written, too.
    void saveOverUnreadableState()
    {
        const QString path = m_dir.filePath(QStringLiteral("KW7_1.ini"));
        writeFile(path, "[unknown]\nlist=" + poisonedValue + "\n");
        ResourceState state;
        state[QStringLiteral("frequency")] = 1000.0;
        QVERIFY(saveStateToFile(state, path));
        QCOMPARE(loadStateFromFile(path).value(QStringLiteral("frequency")).toDouble(), 1000.0);
        QCOMPARE(QDir(m_dir.path()).entryList({"KW7_1.ini.corrupt-*"}).size(), 1);
    }

    void notRegularIsNeverOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("folder") << "folder";
        QTest::newRow("symbolic link to a folder") << "link";
    }
    void notRegularIsNeverOpened()
    {
        QFETCH(QString, kind);
        const QString path = m_dir.filePath(kind + QStringLiteral(".ini"));
        std::unique_ptr<HeldFifo> fifo;
        if (kind == QLatin1String("fifo")) {
            fifo = std::make_unique<HeldFifo>(path);
            QVERIFY(fifo->fd >= 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(m_dir.path()).mkdir(kind + QStringLiteral(".ini")));
        } else {
            QVERIFY(QFile::link(m_dir.path(), path));
        }
        QCOMPARE(prepareStoreFile(path), StoreFileStatus::Refused);
        QCOMPARE(loadStateFromFile(path).size(), 0);
        ResourceState state;
        state[QStringLiteral("a")] = 1;
        QVERIFY(!saveStateToFile(state, path));
        QCOMPARE(traceMentioning(path).size(), 3);
        if (fifo) {
            QVERIFY(fifo->nothingWritten());
            QVERIFY(!QFileInfo(path).isFile());
        }
    }

    void regularFilesAreUsable()
    {
        const QString path = m_dir.filePath(QStringLiteral("plain.ini"));
        QCOMPARE(prepareStoreFile(path), StoreFileStatus::Usable); // missing
        ResourceState state;
        state[QStringLiteral("a")] = 2;
        QVERIFY(saveStateToFile(state, path));
        QCOMPARE(prepareStoreFile(path), StoreFileStatus::Usable);
        const QString link = m_dir.filePath(QStringLiteral("to-plain.ini"));
        QVERIFY(QFile::link(path, link));
        QCOMPARE(loadStateFromFile(link).value(QStringLiteral("a")).toInt(), 2);
        QVERIFY(simbench::traceLines().empty());
    }

    // A full disk, a read-only folder or a file where the folder should be: the original
    // stays, and the failure is reported naming the file.
    void failedSaveIsReported()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("states"));
        writeFile(blocker, "not a folder");
        const QString path = blocker + QStringLiteral("/RV31_1.ini");
        ResourceState state;
        state[QStringLiteral("range")] = 10.0;
        QVERIFY(!saveStateToFile(state, path));
        QCOMPARE(traceMentioning(path).size(), 1);
        QVERIFY(traceMentioning(path).first().contains(QLatin1String("could not be saved")));
    }

    // A run killed while Qt wrote a store left its lock; the next save waited 30 s for it.
    void abandonedLockIsRemoved_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("owner has ended") << endedOwner();
        QTest::newRow("no owner named") << QByteArray("not a lock\n");
    }
    void abandonedLockIsRemoved()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath(QStringLiteral("RV31_1.ini"));
        const QString lockPath = path + QStringLiteral(".lock");
        writeLeftLock(lockPath, content, 10);
        QCOMPARE(prepareStoreFile(path), StoreFileStatus::Usable);
        QVERIFY(!QFile::exists(lockPath));
        QCOMPARE(traceMentioning(lockPath).size(), 1);
        ResourceState state;
        state[QStringLiteral("range")] = 10.0;
        QVERIFY(saveStateToFile(state, path));
        QCOMPARE(loadStateFromFile(path).value(QStringLiteral("range")).toDouble(), 10.0);
        QVERIFY(!QFile::exists(lockPath));
        QVERIFY(QFile::remove(path));
    }

    // A lock some process may still hold is kept. One of another machine goes by its age as
    // any other, since its owner cannot be asked: only a young one may still be held.
    void heldLockIsKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("held by this process") << "live";
        QTest::newRow("owner on another machine, just made") << "remote";
        QTest::newRow("empty, just created") << "fresh";
    }
    void heldLockIsKept()
    {
        QFETCH(QString, kind);
        const QString path = m_dir.filePath(QStringLiteral("HX2_1.ini"));
        const QString lockPath = path + QStringLiteral(".lock");
        QLockFile held(lockPath);
        if (kind == QLatin1String("live"))
            QVERIFY(held.tryLock(0));
        else if (kind == QLatin1String("remote"))
            writeFile(lockPath, "1\npralune\nanother-machine.invalid\n");
        else
            writeFile(lockPath, QByteArray());
        const QByteArray before = readAll(lockPath);
        QCOMPARE(prepareStoreFile(path), StoreFileStatus::Usable);
        QVERIFY(QFile::exists(lockPath));
        QCOMPARE(readAll(lockPath), before);
        QVERIFY(traceMentioning(lockPath).isEmpty());
        if (held.isLocked())
            held.unlock();
        else
            QVERIFY(QFile::remove(lockPath));
    }

    void corruptNameIsFree()
    {
        const QString path = m_dir.filePath(QStringLiteral("s.ini"));
        const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
        const QString first = corruptStoreFileName(path, when);
        QCOMPARE(first, path + QStringLiteral(".corrupt-20260304-050607"));
        writeFile(first, "x");
        QCOMPARE(corruptStoreFileName(path, when), first + QStringLiteral("-1"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestStoreFile)
#include "tst_storefile.moc"
