#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"
#include "app/options.h"
#include "app/translationloader.h"

#include "resources/resourcestate.h"
#include "simbench/simcontrol.h"
#include "tests/resources/support/failingallocations.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {
const QString organization = QStringLiteral("corvanta");
const QString application = QStringLiteral("pralune");

std::shared_ptr<QSettings> store()
{
    return get_environment(organization, application);
}

ArrangementState twoViews()
{
    ArrangementState state;
    state.addResourceInformation(QStringLiteral("ResourceHX2"), QStringLiteral("a1"), true,
                                 QStringLiteral("HX2"));
    state.addResourceInformation(QStringLiteral("ResourceRV31"), QStringLiteral("b2"), false,
                                 QStringLiteral("RV31"));
    return state;
}

// A string list claiming 2^31 - 1 entries, 35 bytes as Qt's store writes it.
const QByteArray poisonedValue = QByteArrayLiteral("@Variant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)");

QString storeFile()
{
    return environment_file(organization, application);
}

void writeStoreFile(const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(storeFile()).absolutePath()));
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
}

// The moved-aside copies of the store; removed, so each case counts its own.
int takeCorruptCopies()
{
    QDir folder = QFileInfo(storeFile()).dir();
    const QStringList names = folder.entryList({QStringLiteral("pralune.conf.corrupt-*")});
    for (const QString &name : names)
        folder.remove(name);
    return names.size();
}

int traceMentioningStore()
{
    int lines = 0;
    for (const std::string &line : simbench::traceLines())
        lines += QString::fromStdString(line).contains(storeFile()) ? 1 : 0;
    return lines;
}

ArrangementState oneView(const QString &name)
{
    ArrangementState state;
    state.addResourceInformation(QStringLiteral("Resource") + name, name.toLower(), true, name);
    return state;
}

// Set in the environment of the run of this program that holds a lock for the test.
const char holdLockVariable[] = "PRALUNE_TEST_HOLD_LOCK";

// Holds the lock at name as a program holding it would: under the native locks Qt takes on
// a lock of its own, here on an empty file aged past the moment in which Qt writes the owner.
// Held until standard input closes; the exit code tells whether the lock was still at its
// path by then.
int holdLock(const QByteArray &name)
{
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return 2;
    struct flock range = {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fcntl(fd, F_SETLK, &range) != 0)
        return 3;
    const timespec aged = {::time(nullptr) - 10, 0};
    const timespec times[2] = {aged, aged};
    if (::futimens(fd, times) != 0 || ::write(STDOUT_FILENO, "held\n", 5) != 5)
        return 4;
    char byte = 0;
    while (::read(STDIN_FILENO, &byte, 1) > 0) { }
    struct stat held = {};
    struct stat atPath = {};
    const bool kept = ::fstat(fd, &held) == 0 && ::lstat(name.constData(), &atPath) == 0
            && held.st_dev == atPath.st_dev && held.st_ino == atPath.st_ino;
    ::close(fd);
    return kept ? 0 : 1;
}

// Root opens and removes a file of mode 000; an immutable one it can do neither with.
bool setImmutable(const QString &path, bool immutable)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

// Whatever a case left at a lock's path, so that no later write waits for it.
void removeLeftLock(const QString &path)
{
    const QFileInfo left(path);
    if (!left.exists() && !left.isSymLink())
        return;
    if (left.isDir() && !left.isSymLink()) {
        QDir(path).removeRecursively();
        return;
    }
    if (!left.isSymLink())
        setImmutable(path, false);
    QFile::remove(path);
}

// A value as the file on disk holds it, read from a copy: Qt shares one parsed copy of a
// file among the store objects of a process.
QVariant valueOnDisk(const QString &path, const QString &key)
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.ini"));
    if (!QFile::copy(path, copy))
        return QVariant();
    return QSettings(copy, QSettings::IniFormat).value(key);
}

int traceMentioning(const QString &text)
{
    int lines = 0;
    for (const std::string &line : simbench::traceLines())
        lines += QString::fromStdString(line).contains(text) ? 1 : 0;
    return lines;
}
} // namespace

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void freshStoreGivesReaderDefaults();
    void constructedRecordDefaults();
    void everyFieldRoundTrips();
    void unsupportedLanguageBecomesDefault_data();
    void unsupportedLanguageBecomesDefault();
    void keysOnFile();
    void shorterArrayLeavesNoExtraArrangements();
    void currentArrangementAtStart_data();
    void currentArrangementAtStart();
    void corruptedArraySizeStopsAtMissingElement();
    void copiesShareOneCollection();
    void environmentKeepsFirstNames();
    void environmentFileIsTheStore();
    void unreadableStoreIsMovedAside_data();
    void unreadableStoreIsMovedAside();
    void writeBackSurvivesAnUnreadSection();
    void storeNotARegularFile();
    void abandonedLockIsRemoved_data();
    void abandonedLockIsRemoved();
    void saveBesideALock_data();
    void saveBesideALock();
    // Last: a failed write leaves the process's store object reporting failure.
    void failedWriteBackIsReported();
    void cleanup();

private:
    QTemporaryDir m_states; // the resource state files
    std::unique_ptr<QProcess> m_holder; // another program holding a lock
};

void TestOptions::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(store()->fileName().endsWith(QLatin1String("corvanta/pralune.conf")));
}

void TestOptions::init()
{
    store()->clear();
    store()->sync();
}

void TestOptions::freshStoreGivesReaderDefaults()
{
    const Options options = load_from_environment(organization, application);
    QVERIFY(options.mainwindow_geometry.isEmpty());
    QCOMPARE(options.auto_initialization, false);
    QCOMPARE(options.full_screen_on_start, false);
    QCOMPARE(options.app_language, TranslationLoader::defaultLanguage());
    QCOMPARE(options.color_theme, 0);
    QCOMPARE(options.font_type, 0);
    QCOMPARE(options.virtual_keyboard, false);
    QCOMPARE(options.arrangement_index, 0);
    QCOMPARE(options.restore_arrangement, false);
    QVERIFY(options.arrangements);
    QCOMPARE(options.arrangements->count(), 1);
    QVERIFY(!options.arrangements->currentArrangement().isValid());
}

void TestOptions::constructedRecordDefaults()
{
    const Options options;
    QCOMPARE(options.color_theme, 1);
    QCOMPARE(options.font_type, 0);
    QCOMPARE(options.arrangement_index, 0);
    QCOMPARE(options.restore_arrangement, false);
    QCOMPARE(options.app_language, TranslationLoader::defaultLanguage());
    QVERIFY(options.arrangements);
    QCOMPARE(options.arrangements->count(), 1);
}

void TestOptions::everyFieldRoundTrips()
{
    Options written;
    written.mainwindow_geometry = QByteArray("\x01\x00\xff geometry", 12);
    written.auto_initialization = true;
    written.full_screen_on_start = true;
    written.app_language = TranslationLoader::defaultLanguage() == QLatin1String("ru")
            ? QStringLiteral("en")
            : QStringLiteral("ru");
    written.color_theme = 7;
    written.font_type = 3;
    written.virtual_keyboard = true;
    written.arrangement_index = 0;
    written.restore_arrangement = true;
    written.arrangements->setCurrentArrangement(twoViews());
    written.arrangements->saveCurrent();
    written.arrangements->setCurrentArrangement(oneView(QStringLiteral("KW7")));
    written.arrangements->saveCurrent();
    written.arrangements->setName(2, QStringLiteral("generator only"));
    save_to_environment(written, organization, application);

    const Options read = load_from_environment(organization, application);
    QCOMPARE(read.mainwindow_geometry, written.mainwindow_geometry);
    QCOMPARE(read.auto_initialization, true);
    QCOMPARE(read.full_screen_on_start, true);
    QCOMPARE(read.app_language, written.app_language);
    QCOMPARE(read.color_theme, 7);
    QCOMPARE(read.font_type, 3);
    QCOMPARE(read.virtual_keyboard, true);
    QCOMPARE(read.arrangement_index, 0);
    QCOMPARE(read.restore_arrangement, true);
    QVERIFY(read.arrangements != written.arrangements);
    QCOMPARE(read.arrangements->count(), 3);
    QVERIFY(read.arrangements->currentArrangement() == oneView(QStringLiteral("KW7")));
    QVERIFY(read.arrangements->arrangement(1) == twoViews());
    QVERIFY(read.arrangements->arrangement(2) == oneView(QStringLiteral("KW7")));
    QCOMPARE(read.arrangements->name(1), QStringLiteral("HX2/RV31"));
    QCOMPARE(read.arrangements->name(2), QStringLiteral("generator only"));
}

void TestOptions::unsupportedLanguageBecomesDefault_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    const QString fallback = TranslationLoader::defaultLanguage();
    QTest::newRow("ru") << QStringLiteral("ru") << QStringLiteral("ru");
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("en");
    QTest::newRow("de") << QStringLiteral("de") << fallback;
    QTest::newRow("upper case EN") << QStringLiteral("EN") << fallback;
    QTest::newRow("empty") << QString() << fallback;
}

void TestOptions::unsupportedLanguageBecomesDefault()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    store()->setValue(QStringLiteral("app_language"), stored);

    const Options options = load_from_environment(organization, application);
    QCOMPARE(options.app_language, expected);

    save_to_environment(options, organization, application);
    QCOMPARE(store()->value(QStringLiteral("app_language")).toString(), expected);
}

void TestOptions::keysOnFile()
{
    Options options;
    options.mainwindow_geometry = QByteArray("geo");
    options.auto_initialization = true;
    options.full_screen_on_start = false;
    options.app_language = QStringLiteral("ru");
    options.color_theme = 0;
    options.font_type = 1;
    options.virtual_keyboard = true;
    options.arrangement_index = 1;
    options.restore_arrangement = true;
    options.arrangements->setCurrentArrangement(oneView(QStringLiteral("HX9")));
    options.arrangements->saveCurrent();
    options.arrangements->setCurrentArrangement(twoViews());
    save_to_environment(options, organization, application);

    QSettings file(store()->fileName(), QSettings::IniFormat);
    const QStringList expectedKeys {
            QStringLiteral("mainwindow_geometry"),
            QStringLiteral("auto_initialization"),
            QStringLiteral("full_screen_on_start"),
            QStringLiteral("app_language"),
            QStringLiteral("color_theme"),
            QStringLiteral("font_type"),
            QStringLiteral("virtual_keyboard"),
            QStringLiteral("arrangement_index"),
            QStringLiteral("restore_arrangement"),
            QStringLiteral("Last used arrangement/Arrangement/size"),
            QStringLiteral("Last used arrangement/Arrangement/1/type"),
            QStringLiteral("Last used arrangement/Arrangement/1/uniqueId"),
            QStringLiteral("Last used arrangement/Arrangement/1/isMaximized"),
            QStringLiteral("Last used arrangement/Arrangement/1/name"),
            QStringLiteral("Last used arrangement/Arrangement/2/type"),
            QStringLiteral("Last used arrangement/Arrangement/2/uniqueId"),
            QStringLiteral("Last used arrangement/Arrangement/2/isMaximized"),
            QStringLiteral("Last used arrangement/Arrangement/2/name"),
            QStringLiteral("ArrangementsCollection/size"),
            QStringLiteral("ArrangementsCollection/1/name"),
            QStringLiteral("ArrangementsCollection/1/Arrangement/size"),
            QStringLiteral("ArrangementsCollection/1/Arrangement/1/type"),
            QStringLiteral("ArrangementsCollection/1/Arrangement/1/uniqueId"),
            QStringLiteral("ArrangementsCollection/1/Arrangement/1/isMaximized"),
            QStringLiteral("ArrangementsCollection/1/Arrangement/1/name"),
    };
    QStringList actual = file.allKeys();
    QStringList expected = expectedKeys;
    actual.sort();
    expected.sort();
    QCOMPARE(actual, expected);

    QCOMPARE(file.value(QStringLiteral("mainwindow_geometry")).toByteArray(), QByteArray("geo"));
    QCOMPARE(file.value(QStringLiteral("auto_initialization")).toBool(), true);
    QCOMPARE(file.value(QStringLiteral("app_language")).toString(), QStringLiteral("ru"));
    QCOMPARE(file.value(QStringLiteral("font_type")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("arrangement_index")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("Last used arrangement/Arrangement/size")).toInt(), 2);
    QCOMPARE(file.value(QStringLiteral("Last used arrangement/Arrangement/2/type")).toString(),
             QStringLiteral("ResourceRV31"));
    QCOMPARE(file.value(QStringLiteral("Last used arrangement/Arrangement/1/isMaximized")).toBool(),
             true);
    QCOMPARE(file.value(QStringLiteral("ArrangementsCollection/size")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("ArrangementsCollection/1/name")).toString(),
             QStringLiteral("HX9"));
    QCOMPARE(file.value(QStringLiteral("ArrangementsCollection/1/Arrangement/1/uniqueId"))
                     .toString(),
             QStringLiteral("hx9"));
}

void TestOptions::shorterArrayLeavesNoExtraArrangements()
{
    Options options;
    for (const QString &name :
         {QStringLiteral("HX2"), QStringLiteral("HX9"), QStringLiteral("RV31")}) {
        options.arrangements->setCurrentArrangement(oneView(name));
        options.arrangements->saveCurrent();
    }
    save_to_environment(options, organization, application);
    options.arrangements->remove(1);
    options.arrangements->remove(1);
    save_to_environment(options, organization, application);

    const Options read = load_from_environment(organization, application);
    QCOMPARE(read.arrangements->count(), 2);
    QCOMPARE(read.arrangements->name(1), QStringLiteral("RV31"));
}

void TestOptions::currentArrangementAtStart_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expectedFirstName"); // empty: an empty arrangement
    QTest::newRow("restore, last used") << true << 0 << QStringLiteral("HX2");
    QTest::newRow("restore, second saved") << true << 2 << QStringLiteral("RV31");
    QTest::newRow("restore, last saved") << true << 3 << QStringLiteral("KW7");
    QTest::newRow("restore, one past the end") << true << 4 << QString();
    QTest::newRow("restore, far out") << true << 1000000 << QString();
    QTest::newRow("restore, negative") << true << -1 << QString();
    QTest::newRow("no restore") << false << 1 << QString();
}

void TestOptions::currentArrangementAtStart()
{
    QFETCH(bool, restore);
    QFETCH(int, index);
    QFETCH(QString, expectedFirstName);

    Options options;
    for (const QString &name :
         {QStringLiteral("HX9"), QStringLiteral("RV31"), QStringLiteral("KW7")}) {
        options.arrangements->setCurrentArrangement(oneView(name));
        options.arrangements->saveCurrent();
    }
    options.arrangements->setCurrentArrangement(oneView(QStringLiteral("HX2")));
    options.restore_arrangement = restore;
    options.arrangement_index = index;
    save_to_environment(options, organization, application);

    const Options read = load_from_environment(organization, application);
    QCOMPARE(read.arrangement_index, index);
    QCOMPARE(read.arrangements->count(), 4);
    const ArrangementState current = read.arrangements->currentArrangement();
    if (expectedFirstName.isEmpty()) {
        QVERIFY(!current.isValid());
    } else {
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.name(0), expectedFirstName);
    }
}

void TestOptions::corruptedArraySizeStopsAtMissingElement()
{
    Options options;
    options.arrangements->setCurrentArrangement(twoViews());
    options.arrangements->saveCurrent();
    save_to_environment(options, organization, application);

    const std::shared_ptr<QSettings> settings = store();
    settings->setValue(QStringLiteral("ArrangementsCollection/size"), 2147483647);
    settings->setValue(QStringLiteral("ArrangementsCollection/1/Arrangement/size"), 2147483647);
    settings->setValue(QStringLiteral("Last used arrangement/Arrangement/size"), 2147483647);
    settings->sync();

    const Options read = load_from_environment(organization, application);
    QCOMPARE(read.arrangements->count(), 2);
    QVERIFY(read.arrangements->arrangement(1) == twoViews());
    QCOMPARE(read.arrangements->name(1), QStringLiteral("HX2/RV31"));
}

void TestOptions::copiesShareOneCollection()
{
    Options started;
    save_to_cache(started);
    QCOMPARE(get_cache()->arrangements, started.arrangements);

    Options first = load_from_cache();
    const Options second = load_from_cache();
    first.color_theme = 5;
    first.arrangements->setCurrentArrangement(twoViews());
    first.arrangements->saveCurrent();

    QCOMPARE(second.arrangements->count(), 2);
    QCOMPARE(get_cache()->arrangements->name(1), QStringLiteral("HX2/RV31"));
    QCOMPARE(get_cache()->color_theme, started.color_theme);

    save_to_cache(first);
    QCOMPARE(load_from_cache().color_theme, 5);
}

void TestOptions::environmentKeepsFirstNames()
{
    const std::shared_ptr<QSettings> other =
            get_environment(QStringLiteral("someone"), QStringLiteral("else"));
    QCOMPARE(other, store());
    QCOMPARE(other->organizationName(), organization);
    QCOMPARE(other->applicationName(), application);
}

void TestOptions::environmentFileIsTheStore()
{
    QCOMPARE(store()->fileName(), storeFile());
    QCOMPARE(open_environment(organization, application)->fileName(), storeFile());
}

// One value Qt cannot decode used to stop the program at every start ([General]) or at every
// exit (a section nobody reads). The store is moved aside, and the run starts with defaults.
void TestOptions::unreadableStoreIsMovedAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("value in [General]")
            << QByteArray("[General]\ncolor_theme=" + poisonedValue + "\nfont_type=1\n");
    QTest::newRow("value in a section nobody reads")
            << QByteArray("[General]\nfont_type=1\n[unknown]\nlist=" + poisonedValue + "\n");
}

void TestOptions::unreadableStoreIsMovedAside()
{
    QFETCH(QByteArray, content);
    takeCorruptCopies();
    writeStoreFile(content);
    simbench::clearTraceLines();
    const std::shared_ptr<QSettings> opened = open_environment(organization, application);
    QVERIFY(opened->allKeys().isEmpty());
    QCOMPARE(opened->value(QStringLiteral("font_type"), 0).toInt(), 0);
    QVERIFY(!QFile::exists(storeFile()));
    QCOMPARE(takeCorruptCopies(), 1);
    QCOMPARE(traceMentioningStore(), 1);
}

void TestOptions::writeBackSurvivesAnUnreadSection()
{
    takeCorruptCopies();
    writeStoreFile("[General]\nfont_type=1\n[unknown]\nlist=" + poisonedValue + "\n");
    Options options;
    options.color_theme = 3;
    save_to_environment(options, organization, application);
    QCOMPARE(takeCorruptCopies(), 1);
    QCOMPARE(QSettings(storeFile(), QSettings::IniFormat)
                     .value(QStringLiteral("color_theme"))
                     .toInt(),
             3);
}

// A FIFO in the store's place blocked the program before any window. It is never opened, and
// nothing is written through it.
void TestOptions::storeNotARegularFile()
{
    QFile::remove(storeFile());
    QVERIFY(QDir().mkpath(QFileInfo(storeFile()).absolutePath()));
    const QByteArray name = QFile::encodeName(storeFile());
    QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    // Held at both ends without blocking: an open by the store would not wait after all, and
    // whatever it wrote could be read here.
    const int held = ::open(name.constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(held >= 0);
    simbench::clearTraceLines();

    const std::shared_ptr<QSettings> opened = open_environment(organization, application);
    QVERIFY(opened->fileName() != storeFile());
    opened->setValue(QStringLiteral("font_type"), 1);
    opened->sync();
    Options options;
    options.color_theme = 2;
    save_to_environment(options, organization, application);

    char byte = 0;
    QCOMPARE(::read(held, &byte, 1), ssize_t(-1));
    ::close(held);
    QVERIFY(!QFileInfo(storeFile()).isFile());
    QCOMPARE(traceMentioningStore(), 2);
    QVERIFY(QFile::remove(storeFile()));
}

// A run killed while Qt wrote the options left their lock; closing the window then waited
// 30 s for it.
void TestOptions::abandonedLockIsRemoved_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("atStart"); // opened at the start, or written back at the end
    const QByteArray ended = "2147483647\npralune\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    QTest::newRow("empty, at the start") << QByteArray() << true;
    QTest::newRow("empty, at the end") << QByteArray() << false;
    QTest::newRow("owner has ended, at the start") << ended << true;
    QTest::newRow("owner has ended, at the end") << ended << false;
}

void TestOptions::abandonedLockIsRemoved()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, atStart);
    const QString lockPath = storeFile() + QStringLiteral(".lock");
    QVERIFY(QDir().mkpath(QFileInfo(storeFile()).absolutePath()));
    {
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(lock.write(content), qint64(content.size()));
        // Older than the moment in which Qt writes the owner of a lock it has just made.
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                                 QFileDevice::FileModificationTime));
    }
    simbench::clearTraceLines();
    if (atStart) {
        open_environment(organization, application);
        QVERIFY(!QFile::exists(lockPath));
    } else {
        // Checked before the write, which would otherwise wait for the lock.
        Options options;
        options.color_theme = 6;
        save_to_environment(options, organization, application);
        QCOMPARE(QSettings(storeFile(), QSettings::IniFormat)
                         .value(QStringLiteral("color_theme"))
                         .toInt(),
                 6);
    }
    QVERIFY(!QFile::exists(lockPath));
    QCOMPARE(traceMentioningStore(), 1);
}

// Qt takes the lock beside a store before every write and waits for it without end: a lock
// Qt can neither take nor remove held the closing window for ever. Whatever lies there, the
// save ends soon, a lock a running program holds is never removed, and the file keeps its
// last content when the lock cannot be had.
void TestOptions::saveBesideALock_data()
{
    QTest::addColumn<bool>("options"); // the options' store, or a resource's state file
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("saved");
    const std::pair<const char *, bool> kinds[] = {
            {"empty and old", true},
            {"empty and young", true},
            {"garbage", true},
            {"owner ended", true},
            {"held by a live process", false},
            {"folder", true},
            {"folder holding a file", false},
            {"dangling link", true},
            {"link to a folder", true},
            {"unwritable", false},
    };
    for (const bool options : {false, true}) {
        for (const auto &kind : kinds) {
            const QString row = QStringLiteral("%1, %2").arg(
                    options ? QStringLiteral("pralune.conf") : QStringLiteral("state file"),
                    QLatin1String(kind.first));
            QTest::newRow(row.toUtf8().constData())
                    << options << QString::fromLatin1(kind.first) << kind.second;
        }
    }
}

void TestOptions::saveBesideALock()
{
    QFETCH(bool, options);
    QFETCH(QString, kind);
    QFETCH(bool, saved);
    QVERIFY(m_states.isValid());
    const QString path = options ? storeFile() : m_states.filePath(QStringLiteral("RV31_1.ini"));
    const QString key = options ? QStringLiteral("color_theme") : QStringLiteral("range");
    const auto save = [&](int value) {
        if (options) {
            Options written;
            written.color_theme = value;
            save_to_environment(written, organization, application);
            return true;
        }
        ResourceState state;
        state[key] = value;
        return saveStateToFile(state, path);
    };
    const auto reload = [&]() {
        if (options)
            return open_environment(organization, application)->value(key).toInt();
        return loadStateFromFile(path).value(key).toInt();
    };
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(save(1));
    QCOMPARE(valueOnDisk(path, key).toInt(), 1);

    const QString lockPath = path + QStringLiteral(".lock");
    const QString target = m_states.filePath(QStringLiteral("target"));
    const auto plant = [&](const QByteArray &content, int ageSeconds) {
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QCOMPARE(lock.write(content), qint64(content.size()));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
    };
    if (kind == QLatin1String("empty and old")) {
        plant(QByteArray(), 10);
    } else if (kind == QLatin1String("empty and young")) {
        plant(QByteArray(), 0);
    } else if (kind == QLatin1String("garbage")) {
        plant(QByteArray("not a lock\n\x01\xff\n"), 0);
    } else if (kind == QLatin1String("owner ended")) {
        // A process number above any the system gives out, so no such process runs.
        plant("2147483647\npralune\n" + QSysInfo::machineHostName().toUtf8() + "\n", 0);
    } else if (kind == QLatin1String("held by a live process")) {
        m_holder = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(holdLockVariable), lockPath);
        m_holder->setProcessEnvironment(environment);
        m_holder->start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(m_holder->waitForReadyRead(10000));
        QCOMPARE(m_holder->readAllStandardOutput(), QByteArray("held\n"));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(lockPath));
    } else if (kind == QLatin1String("folder holding a file")) {
        QVERIFY(QDir().mkdir(lockPath));
        QFile inside(lockPath + QStringLiteral("/kept"));
        QVERIFY(inside.open(QIODevice::WriteOnly));
    } else if (kind == QLatin1String("dangling link")) {
        QVERIFY(QFile::link(target, lockPath));
    } else if (kind == QLatin1String("link to a folder")) {
        QVERIFY(QDir().mkdir(target));
        QVERIFY(QFile::link(target, lockPath));
    } else if (kind == QLatin1String("unwritable")) {
        plant(QByteArray(), 0);
        QVERIFY(QFile::setPermissions(lockPath, QFileDevice::Permissions()));
        if (::geteuid() == 0 && !setImmutable(lockPath, true))
            QSKIP("run as root, which opens a lock of mode 000 all the same, and the lock "
                  "cannot be made immutable here");
    }
    const QFileInfo before(lockPath);
    simbench::clearTraceLines();

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(save(2), saved || options);
    const int reloaded = reload();
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));

    QCOMPARE(reloaded, saved ? 2 : 1);
    QCOMPARE(valueOnDisk(path, key).toInt(), saved ? 2 : 1);
    QCOMPARE(traceMentioning(lockPath), 1);
    const QFileInfo after(lockPath);
    if (saved) {
        QVERIFY(!after.exists() && !after.isSymLink());
    } else {
        QVERIFY(after.exists());
        QCOMPARE(after.isDir(), before.isDir());
    }
    if (kind == QLatin1String("dangling link"))
        QVERIFY(!QFileInfo::exists(target));
    if (kind == QLatin1String("link to a folder"))
        QVERIFY(QDir(target).isEmpty());
    if (m_holder) {
        m_holder->closeWriteChannel();
        QVERIFY(m_holder->waitForFinished(10000));
        QCOMPARE(m_holder->exitCode(), 0); // the lock it held was still the one at the path
    }
}

void TestOptions::cleanup()
{
    if (m_holder) {
        m_holder->closeWriteChannel();
        if (!m_holder->waitForFinished(10000))
            m_holder->kill();
        m_holder.reset();
    }
    removeLeftLock(storeFile() + QStringLiteral(".lock"));
    removeLeftLock(m_states.filePath(QStringLiteral("RV31_1.ini.lock")));
    QDir(m_states.filePath(QStringLiteral("target"))).removeRecursively();
}

// A configuration folder that is a file: the options cannot be saved, and that is said.
void TestOptions::failedWriteBackIsReported()
{
    const QString folder = QFileInfo(storeFile()).absolutePath();
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
    {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    simbench::clearTraceLines();
    Options options;
    options.color_theme = 4;
    save_to_environment(options, organization, application);
    QCOMPARE(traceMentioningStore(), 1);
    QVERIFY(QFile::remove(folder));
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(holdLockVariable))
        return holdLock(qgetenv(holdLockVariable));
    QCoreApplication app(argc, argv);
    TestOptions test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_options.moc"
