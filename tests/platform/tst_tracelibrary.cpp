// The trace library keeps every line whole, from any number of threads, and appends it to
// the file that PRALUNE_TRACE_FILE names.
#include "simbench/simcontrol.h"
#include "zqtrace.h"

#include <QtTest>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

class TestTraceLibrary : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        simbench::reset();
        qunsetenv("PRALUNE_TRACE_FILE");
    }

    void keepsRawBytes()
    {
        // "(EE)  RV31_1: Ошибка" in Windows-1251: the bytes arrive as they were passed.
        const std::string line = "(EE)  RV31_1: \xCE\xF8\xE8\xE1\xEA\xE0";
        zqTraceLog(line.c_str());
        zqTraceLog("");
        QCOMPARE(simbench::traceLines(), (std::vector<std::string> {line, ""}));
        simbench::clearTraceLines();
        QVERIFY(simbench::traceLines().empty());
    }

    void linesFromEightThreadsArriveIntact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("trace.log");
        qputenv("PRALUNE_TRACE_FILE", path.toLocal8Bit());
        constexpr int Threads = 8;
        constexpr int Lines = 250;
        std::vector<std::thread> threads;
        for (int t = 0; t < Threads; ++t) {
            threads.emplace_back([t] {
                for (int i = 0; i < Lines; ++i) {
                    const std::string line = "(II)  thread " + std::to_string(t) + " line "
                            + std::to_string(i) + " " + std::string(40, 'a' + t);
                    zqTraceLog(line.c_str());
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        qunsetenv("PRALUNE_TRACE_FILE");

        std::vector<std::string> expected;
        for (int t = 0; t < Threads; ++t) {
            for (int i = 0; i < Lines; ++i)
                expected.push_back("(II)  thread " + std::to_string(t) + " line "
                                   + std::to_string(i) + " " + std::string(40, 'a' + t));
        }
        std::sort(expected.begin(), expected.end());
        std::vector<std::string> kept = simbench::traceLines();
        std::sort(kept.begin(), kept.end());
        QCOMPARE(kept, expected);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        std::vector<std::string> written;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                written.push_back(line.toStdString());
        }
        std::sort(written.begin(), written.end());
        QCOMPARE(written, expected);
    }

    void appendsToAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("trace.log");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier\n");
        file.close();
        qputenv("PRALUNE_TRACE_FILE", path.toLocal8Bit());
        zqTraceLog("(WW)  later");
        qunsetenv("PRALUNE_TRACE_FILE");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier\n(WW)  later\n"));
    }
};

QTEST_GUILESS_MAIN(TestTraceLibrary)
#include "tst_tracelibrary.moc"
