#include "resources/channeldatafile.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using Columns = QVector<QVector<double>>;
Q_DECLARE_METATYPE(ChannelsDataRefusal)

class TestChannelData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void save_data();
    void save();
    void saveRefusesNoColumns();
    void saveToVanishedFolder();
    void saveFailureKeepsOldFile();
    void roundTrip();

    void load_data();
    void load();
    void loadKeepsNamesWithoutHeader();
    void loadCountsFields_data();
    void loadCountsFields();
    void loadCountsNaN();
    void loadUnreadable();
    void loadRefusesWhatNeverEnds_data();
    void loadRefusesWhatNeverEnds();
    void loadRefusesBeyondTheLimit();

    void hostile_data();
    void hostile();

private:
    QString write(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("data%1.csv").arg(m_counter++));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    QTemporaryDir m_dir;
    int m_counter = 0;
};

void TestChannelData::save_data()
{
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("short second column")
            << Columns {{1, 2, 3}, {0.5}} << QByteArray("channel 1;channel 2\n1;0.5\n2;\n3;\n");
    QTest::newRow("all empty columns")
            << Columns {{}, {}, {}} << QByteArray("channel 1;channel 2;channel 3\n");
    QTest::newRow("%g number format")
            << Columns {{1234567, 0.00001, -0.25, 100000, 1e-4}}
            << QByteArray("channel 1\n1.23457e+06\n1e-05\n-0.25\n100000\n0.0001\n");
}

void TestChannelData::save()
{
    QFETCH(Columns, columns);
    QFETCH(QByteArray, expected);
    const QString path = m_dir.filePath(QStringLiteral("save.csv"));
    QVERIFY(saveChannelsData(path, columns));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
}

void TestChannelData::saveRefusesNoColumns()
{
    const QString path = m_dir.filePath(QStringLiteral("none.csv"));
    QVERIFY(!saveChannelsData(path, {}));
    QVERIFY(!QFile::exists(path));
}

void TestChannelData::saveToVanishedFolder()
{
    QVERIFY(!saveChannelsData(m_dir.filePath(QStringLiteral("gone/x.csv")), Columns {{1}}));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("gone"))));
}

namespace {

// While it lives, no file of the process may grow past limit bytes: a write beyond fails with
// EFBIG instead of raising SIGXFSZ. Folder permissions do not stop root; this limit does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_ok = getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_saved {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace

void TestChannelData::saveFailureKeepsOldFile()
{
    // The old file survives a replacement whose writing fails half-way.
    const QString path = write("old content\n");
    const Columns large {QVector<double>(20000, 1.25)};
    bool saved = true;
    {
        FileSizeLimit limit(4096);
        QVERIFY(limit.ok());
        saved = saveChannelsData(path, large);
    }
    QVERIFY(!saved);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old content\n"));
    // No half-written copy is left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList({"*.csv*"}, QDir::Files).filter("data").size(),
             m_counter);
}

void TestChannelData::roundTrip()
{
    const QString path = m_dir.filePath(QStringLiteral("round.csv"));
    QVERIFY(saveChannelsData(path, Columns {{1, 2, 3}, {0.5}}));
    QStringList names;
    QCOMPARE(loadChannelsData(path, &names), (Columns {{1, 2, 3}, {0.5, 0, 0}}));
    QCOMPARE(names, (QStringList {"channel 1", "channel 2"}));
}

void TestChannelData::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<QStringList>("names");
    const QStringList none {"untouched"};
    QTest::newRow("header and two columns")
            << QByteArray("t;u\n0;1\n1;2\n") << Columns {{0, 1}, {1, 2}} << QStringList {"t", "u"};
    QTest::newRow("single data line") << QByteArray("1;2") << Columns {{1}, {2}} << none;
    QTest::newRow("exponent makes a header")
            << QByteArray("1e-3;2\n4;5\n") << Columns {{4}, {5}} << QStringList {"1e-3", "2"};
    QTest::newRow("plain decimals are data")
            << QByteArray("0.001;2\n") << Columns {{0.001}, {2}} << none;
    QTest::newRow("bracket counts as letter")
            << QByteArray("[1];_\n3;4\n") << Columns {{3}, {4}} << QStringList {"[1]", "_"};
    QTest::newRow("cyrillic header")
            << QByteArray("канал;б\n3;4\n") << Columns {{3}, {4}} << QStringList {"канал", "б"};
    QTest::newRow("blank line ends two columns")
            << QByteArray("1;2\n\n3;4\n") << Columns {{1}, {2}} << none;
    QTest::newRow("blank line is zero in one column")
            << QByteArray("1\n\n3\n") << Columns {{1, 0, 3}} << none;
    QTest::newRow("wrong field count ends the read")
            << QByteArray("1;2\n3;4\n5;6;7\n8;9\n") << Columns {{1, 3}, {2, 4}} << none;
    QTest::newRow("unconvertible field is zero")
            << QByteArray("1;2\n3;-\n") << Columns {{1, 3}, {2, 0}} << none;
    QTest::newRow("trailing line break adds nothing")
            << QByteArray("1;2\n3;4\n") << Columns {{1, 3}, {2, 4}} << none;
    QTest::newRow("crlf line ends") << QByteArray("a;b\r\n1;2\r\n3;4\r\n")
                                    << Columns {{1, 3}, {2, 4}} << QStringList {"a", "b"};
    QTest::newRow("empty first line") << QByteArray("\n1;2\n") << Columns {} << none;
    QTest::newRow("empty file") << QByteArray() << Columns {} << none;
}

void TestChannelData::load()
{
    QFETCH(QByteArray, content);
    QFETCH(Columns, columns);
    QFETCH(QStringList, names);
    QStringList read {"untouched"};
    QCOMPARE(loadChannelsData(write(content), &read), columns);
    QCOMPARE(read, names);
    QCOMPARE(loadChannelsData(write(content), nullptr), columns);
}

void TestChannelData::loadKeepsNamesWithoutHeader()
{
    QStringList names {"kept"};
    QCOMPARE(loadChannelsData(write("+1.5;-2\n"), &names), (Columns {{1.5}, {-2}}));
    QCOMPARE(names, QStringList {"kept"});
}

// Fields that do not convert still read as 0.0; the counts tell such a file from one of zeros.
void TestChannelData::loadCountsFields_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<qint64>("numbers");
    QTest::addColumn<qint64>("texts");
    QTest::addColumn<qint64>("nonFinite");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("numbers") << QByteArray("1;2\n3;4\n") << Columns {{1, 3}, {2, 4}} << 4ll << 0ll
                             << 0ll;
    QTest::newRow("comma separators")
            << QByteArray("1.0,2.0\n3.0,4.0\n") << Columns {{0, 0}} << 0ll << 2ll << 0ll;
    QTest::newRow("decimal commas")
            << QByteArray("1,5;2,5\n3,5;4,5\n") << Columns {{0, 0}, {0, 0}} << 0ll << 4ll << 0ll;
    QTest::newRow("header and empty fields")
            << QByteArray("a;b\n1;\n;\n") << Columns {{1, 0}, {0, 0}} << 1ll << 0ll << 0ll;
    QTest::newRow("header only") << QByteArray("a;b\n") << Columns {{}, {}} << 0ll << 0ll << 0ll;
    QTest::newRow("infinities") << QByteArray("1;2\ninf;-inf\n") << Columns {{1, inf}, {2, -inf}}
                                << 4ll << 0ll << 2ll;
    QTest::newRow("infinity sign") << QByteArray("1;2\n\xE2\x88\x9E;-\xE2\x88\x9E\n")
                                   << Columns {{1, 0}, {2, 0}} << 2ll << 0ll << 2ll;
    QTest::newRow("only the lines read count")
            << QByteArray("1;2\nx;y\n3\nz;z;z\n") << Columns {{1, 0}, {2, 0}} << 2ll << 2ll << 0ll;
}

void TestChannelData::loadCountsFields()
{
    QFETCH(QByteArray, content);
    QFETCH(Columns, columns);
    QFETCH(qint64, numbers);
    QFETCH(qint64, texts);
    QFETCH(qint64, nonFinite);
    QVector<ChannelsDataFieldCounts> counts(3);
    counts[0].texts = 99; // a count from an earlier file is not carried on
    QCOMPARE(loadChannelsData(write(content), nullptr, &counts), columns);
    QCOMPARE(counts.size(), columns.size());
    ChannelsDataFieldCounts total;
    for (const ChannelsDataFieldCounts &column : counts) {
        total.numbers += column.numbers;
        total.texts += column.texts;
        total.nonFinite += column.nonFinite;
    }
    QCOMPARE(total.numbers, numbers);
    QCOMPARE(total.texts, texts);
    QCOMPARE(total.nonFinite, nonFinite);
}

void TestChannelData::loadCountsNaN()
{
    QVector<ChannelsDataFieldCounts> counts;
    const Columns read = loadChannelsData(write("1;2\nnan;4\n"), nullptr, &counts);
    QCOMPARE(read.size(), 2);
    QVERIFY(std::isnan(read.at(0).at(1)));
    // Each column is counted on its own: the NaN is the first column's alone.
    QCOMPARE(counts.size(), 2);
    QCOMPARE(counts.at(0).numbers, qint64(2));
    QCOMPARE(counts.at(0).nonFinite, qint64(1));
    QCOMPARE(counts.at(1).numbers, qint64(2));
    QCOMPARE(counts.at(1).nonFinite, qint64(0));
    QVERIFY(loadChannelsData(m_dir.filePath(QStringLiteral("missing.csv")), nullptr, &counts)
                    .isEmpty());
    QVERIFY(counts.isEmpty());
}

void TestChannelData::loadUnreadable()
{
    QVERIFY(loadChannelsData(QString()).isEmpty());
    QVERIFY(loadChannelsData(m_dir.filePath(QStringLiteral("missing.csv"))).isEmpty());
    QVERIFY(loadChannelsData(m_dir.path()).isEmpty());
}

// A device or a pipe gives no end of data (or none at all): never read. A link to a regular
// file is fine.
void TestChannelData::loadRefusesWhatNeverEnds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("endless device") << "device";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a device") << "link";
}

void TestChannelData::loadRefusesWhatNeverEnds()
{
    QFETCH(QString, kind);
    QString path = QStringLiteral("/dev/zero");
    int held = -1;
    if (kind == QLatin1String("fifo")) {
        path = m_dir.filePath(QStringLiteral("pipe.csv"));
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        // Held open at both ends, so a reader that opened it anyway would not wait for a
        // partner; with a line waiting in it, such a reader would read it.
        held = ::open(name.constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(held >= 0);
        QCOMPARE(::write(held, "1;2\n", 4), ssize_t(4));
    } else if (kind == QLatin1String("link")) {
        path = m_dir.filePath(QStringLiteral("zero.csv"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    }
    QVERIFY(!QFileInfo(path).isFile());
    QVERIFY(loadChannelsData(path).isEmpty());
    if (held >= 0) {
        char line[4];
        QCOMPARE(::read(held, line, sizeof line), ssize_t(4)); // left where it was
        ::close(held);
    }

    const QString regular = write("1;2\n");
    const QString link = m_dir.filePath(QStringLiteral("regular-link-%1.csv").arg(kind));
    QVERIFY(QFile::link(regular, link));
    QCOMPARE(loadChannelsData(link).size(), 2);
}

// Beyond the stated size the file is refused whole; the file is sparse, so the test writes
// nothing.
void TestChannelData::loadRefusesBeyondTheLimit()
{
    const QString path = write("1;2\n3;4\n");
    QFile file(path);
    QVERIFY(file.resize(maxChannelsDataFileSize));
    ChannelsDataRefusal refusal = ChannelsDataRefusal::TooLarge;
    QCOMPARE(loadChannelsData(path, nullptr, nullptr, &refusal).size(), 2);
    QCOMPARE(refusal, ChannelsDataRefusal::None);
    QVERIFY(file.resize(maxChannelsDataFileSize + 1));
    QVERIFY(loadChannelsData(path, nullptr, nullptr, &refusal).isEmpty());
    QCOMPARE(refusal, ChannelsDataRefusal::TooLarge);
    QFile::remove(path);
}

// Files a user may hand the importer by mistake or by malice. The reader must follow its rules
// on each without crashing or hanging, and within its bounds of columns, samples and line
// length; the expected shape is what those rules give.
void TestChannelData::hostile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<ChannelsDataRefusal>("refusal");
    using R = ChannelsDataRefusal;

    QByteArray garbage(1 << 20, Qt::Uninitialized);
    quint32 seed = 12345;
    for (char &c : garbage) {
        seed = seed * 1664525u + 1013904223u;
        c = char(seed >> 24);
    }
    QTest::newRow("binary garbage") << garbage << -1 << -1 << R::None;

    QByteArray nul("1;2\n");
    nul.append('\0');
    nul.append(";3\n4;5\n");
    QTest::newRow("nul byte in a field") << nul << 2 << -1 << R::None;

    // The columns are sized from the first line: beyond the bound nothing is sized at all.
    QByteArray wide = QByteArray("1").append(QByteArray(";1").repeated(999999)).append('\n');
    QTest::newRow("first line of a million fields") << wide << 0 << 0 << R::TooManyColumns;
    const QByteArray atBound = QByteArray(maxChannelsDataColumns - 1, ';').append('\n');
    QTest::newRow("first line at the column bound")
            << QByteArray(atBound).repeated(2) << maxChannelsDataColumns << 2 << R::None;
    QTest::newRow("first line one field beyond the bound")
            << QByteArray(maxChannelsDataColumns, ';').append("\n1\n") << 0 << 0
            << R::TooManyColumns;
    QTest::newRow("header one field beyond the bound")
            << QByteArray("t")
                       .append(QByteArray(";t").repeated(maxChannelsDataColumns))
                       .append("\n1\n")
            << 0 << 0 << R::TooManyColumns;
    QTest::newRow("later line of a million fields")
            << QByteArray("1;2\n").append(wide).append("3;4\n") << 2 << 1 << R::None;

    const QByteArray longLine(maxChannelsDataLineLength + 1, '7');
    QTest::newRow("first line beyond the longest")
            << QByteArray(longLine).append('\n') << 0 << 0 << R::LineTooLong;
    QTest::newRow("first line at the longest")
            << QByteArray(maxChannelsDataLineLength, '7').append("\n8\n") << 1 << 2 << R::None;
    QTest::newRow("later line beyond the longest")
            << QByteArray("1\n").append(longLine).append("\n2\n") << 1 << 1 << R::None;

    const QByteArray pair("0.125;-3\n");
    const QByteArray atSamples = pair.repeated(int(maxChannelsDataSamples / 2));
    QTest::newRow("samples at the bound")
            << atSamples << 2 << int(maxChannelsDataSamples / 2) << R::None;
    QTest::newRow("one row beyond the samples")
            << QByteArray(atSamples).append(pair) << 0 << 0 << R::TooManySamples;
    QTest::newRow("beyond the samples after a header")
            << QByteArray("a;b\n").append(atSamples).append(pair) << 0 << 0 << R::TooManySamples;
    QTest::newRow("utf-8 bom before header")
            << QByteArray("\xEF\xBB\xBFt;u\n1;2\n") << 2 << 1 << R::None;
    QTest::newRow("utf-8 bom before data") << QByteArray("\xEF\xBB\xBF"
                                                         "1;2\n3;4\n")
                                           << 2 << 2 << R::None;
    QTest::newRow("lone carriage returns") << QByteArray("1;2\r3;4\r") << 3 << 1 << R::None;
    QTest::newRow("only separators") << QByteArray(";;;\n;;;\n") << 4 << 2 << R::None;
    QTest::newRow("only line breaks") << QByteArray(100000, '\n') << 0 << 0 << R::None;
    QTest::newRow("invalid utf-8") << QByteArray("\xc3\x28;\xfd\n1;2\n") << 2 << 2 << R::None;
    QTest::newRow("utf-16 byte-order mark") << QByteArray("\xff\xfe"
                                                          "1\0;\0"
                                                          "2\0\n\0",
                                                          10)
                                            << 2 << 1 << R::None;
}

void TestChannelData::hostile()
{
    QFETCH(QByteArray, content);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(ChannelsDataRefusal, refusal);
    const QString path = write(content);
    content.clear();
    QVector<ChannelsDataFieldCounts> counts;
    ChannelsDataRefusal why = ChannelsDataRefusal::None;
    const Columns read = loadChannelsData(path, nullptr, &counts, &why);
    QCOMPARE(why, refusal);
    if (columns >= 0)
        QCOMPARE(read.size(), columns);
    QCOMPARE(counts.size(), read.size());
    for (const QVector<double> &column : read)
        QCOMPARE(column.size(), read.first().size());
    if (rows >= 0 && !read.isEmpty())
        QCOMPARE(read.first().size(), rows);
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(TestChannelData)
#include "tst_channeldata.moc"
