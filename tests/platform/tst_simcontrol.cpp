// The control interface that the tests of the layers above drive the simulation with:
// bench descriptions, failure injection, scripted out-values, texts and the call log.
#include "support/benchfixture.h"

#include "simbench/simcontrol.h"
#include "visa.h"
#include "zqrv31.h"
#include "zqtavrin.h"
#include "zqvolta.h"

#include <QtTest>

#include <thread>
#include <vector>

using benchfixture::CarrierResource;
using benchfixture::SupplyResource;

class TestSimControl : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        simbench::reset();
        QVERIFY(benchfixture::loadStandardBench());
    }
    void cleanup() { QCOMPARE(simbench::openSessionCount(), 0); }

    void badDescriptionsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("key outside")
                << QByteArray("idn = x\n") << QByteArray("line 1: key outside");
        QTest::newRow("unknown key") << QByteArray("[A0::1::INSTR]\ncolour = red\n")
                                     << QByteArray("line 2: unknown key");
        QTest::newRow("bad number") << QByteArray("[A0::1::INSTR]\nslot3 = many\n")
                                    << QByteArray("line 2: not a module code");
        QTest::newRow("slot 9") << QByteArray("[A0::1::INSTR]\nslot9 = 0x20\n")
                                << QByteArray("line 2: unknown key");
        QTest::newRow("twice") << QByteArray("[A0::1::INSTR]\n[a0::1::instr]\n")
                               << QByteArray("line 2: resource");
        QTest::newRow("lock") << QByteArray("[A0::1::INSTR]\nlock = maybe\n")
                              << QByteArray("line 2: lock is");
    }
    void badDescriptionsAreRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, reason);
        std::string error;
        QVERIFY(!simbench::loadBenchText(text.toStdString(), &error));
        QVERIFY2(QByteArray::fromStdString(error).startsWith(reason), error.c_str());
        // The bench that was there stays.
        ViSession carrier = 0;
        QCOMPARE(zqtavrin_init(CarrierResource, 1, 1, &carrier), VI_SUCCESS);
        zqtavrin_close(carrier);
    }

    void benchFromAFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("bench.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(benchfixture::standardBench().c_str());
        file.close();
        std::string error;
        QVERIFY2(simbench::loadBench(path.toStdString(), &error), error.c_str());
        QVERIFY(!simbench::loadBench(dir.filePath("missing.ini").toStdString(), &error));
        QVERIFY(QByteArray::fromStdString(error).startsWith("cannot read"));
    }

    void handlesFromBeforeAResetNameNothing()
    {
        ViSession before = 0;
        QCOMPARE(zqtavrin_init(CarrierResource, 1, 1, &before), VI_SUCCESS);
        QVERIFY(benchfixture::loadStandardBench());
        QCOMPARE(simbench::openSessionCount(), 0);
        ViSession after = 0;
        QCOMPARE(zqtavrin_init(CarrierResource, 1, 1, &after), VI_SUCCESS);
        QVERIFY(after != before);
        QCOMPARE(zqtavrin_close(before), VI_ERROR_INV_OBJECT);
        QCOMPARE(zqtavrin_close(after), VI_SUCCESS);
    }

    void injectedFailureFailsExactlyTheIntendedCalls_data()
    {
        QTest::addColumn<int>("nth");
        QTest::addColumn<int>("times");
        QTest::addColumn<QVector<bool>>("fails");
        QTest::newRow("second once") << 2 << 1 << QVector<bool> {false, true, false, false, false};
        QTest::newRow("first twice") << 1 << 2 << QVector<bool> {true, true, false, false, false};
        QTest::newRow("third on, always")
                << 3 << simbench::Always << QVector<bool> {false, false, true, true, true};
    }
    void injectedFailureFailsExactlyTheIntendedCalls()
    {
        QFETCH(int, nth);
        QFETCH(int, times);
        QFETCH(QVector<bool>, fails);
        ViSession carrier = 0;
        zqtavrin_init(CarrierResource, 1, 1, &carrier);
        // Calls before the injection do not count toward nth.
        ViUInt16 present = 0;
        ViInt16 code = 0;
        zqtavrin_m_type_q(carrier, 2, &present, &code);
        simbench::failCall("zqtavrin_m_type_q", nth, VI_ERROR_TMO, times);
        for (int i = 0; i < fails.size(); ++i) {
            present = 0xAAAA;
            code = 0x5555;
            const ViStatus status = zqtavrin_m_type_q(carrier, 2, &present, &code);
            QCOMPARE(status, fails[i] ? VI_ERROR_TMO : VI_SUCCESS);
            // A failed call writes no out-value.
            QCOMPARE(int(code), fails[i] ? 0x5555 : 0x20);
            // Other functions are untouched.
            ViInt16 result = 0;
            char message[256];
            QCOMPARE(zqtavrin_self_test(carrier, &result, message), VI_SUCCESS);
        }
        simbench::clearFailures();
        QCOMPARE(zqtavrin_m_type_q(carrier, 2, &present, &code), VI_SUCCESS);
        zqtavrin_close(carrier);
    }

    void injectedFailureOfAnOpenerOpensNothing()
    {
        simbench::failCall("zqtavrin_init", 1, VI_ERROR_RSRC_NFOUND);
        ViSession carrier = 0x1234;
        QCOMPARE(zqtavrin_init(CarrierResource, 1, 1, &carrier), VI_ERROR_RSRC_NFOUND);
        QCOMPARE(simbench::openSessionCount(), 0);
        simbench::failCall("zqtavrin_close", 1, ZQ_ERROR_RESET_FAIL);
        QCOMPARE(zqtavrin_init(CarrierResource, 1, 1, &carrier), VI_SUCCESS);
        QCOMPARE(zqtavrin_close(carrier), ZQ_ERROR_RESET_FAIL);
        QCOMPARE(simbench::openSessionCount(), 1); // a failed close leaves it open
        QCOMPARE(zqtavrin_close(carrier), VI_SUCCESS);
    }

    void injectedWarningStillDoesTheWork()
    {
        const ViStatus warning = 0x3FFC0100;
        simbench::failCall("zqvolta_init", 1, warning);
        ViSession vi = 0;
        QCOMPARE(zqvolta_init(SupplyResource, 1, 1, &vi), warning);
        QVERIFY(vi != 0);
        QCOMPARE(simbench::openSessionCount("zqvolta"), 1);
        zqvolta_close(vi);
    }

    void scriptedOutValuesComeFirst()
    {
        ViSession vi = 0;
        zqvolta_init(SupplyResource, 1, 1, &vi);
        simbench::scriptOutValues("zqvolta_GetState", {0xFFFF, 5});
        simbench::scriptOutValues("zqvolta_GetTelemetry", {12.5});
        ViUInt16 word = 0;
        QCOMPARE(zqvolta_GetState(vi, "1", &word), VI_SUCCESS);
        QCOMPARE(word, ViUInt16(0xFFFF));
        QCOMPARE(zqvolta_GetState(vi, "1", &word), VI_SUCCESS);
        QCOMPARE(word, ViUInt16(5));
        QCOMPARE(zqvolta_GetState(vi, "1", &word), VI_SUCCESS);
        QCOMPARE(word, ViUInt16(0)); // the simulation again: output off
        ViReal64 value = 0;
        zqvolta_GetTelemetry(vi, "1", ZQVOLTA_TELEMETRY_VOLTAGE, 1, &value);
        QCOMPARE(value, 12.5);
        zqvolta_GetTelemetry(vi, "1", ZQVOLTA_TELEMETRY_VOLTAGE, 1, &value);
        QCOMPARE(value, 0.0);
        zqvolta_close(vi);

        ViSession carrier = 0;
        zqtavrin_init(CarrierResource, 1, 1, &carrier);
        simbench::scriptOutValues("zqtavrin_m_type_q", {0x8042, 0});
        ViUInt16 present = 0;
        ViInt16 code = 0;
        zqtavrin_m_type_q(carrier, 2, &present, &code);
        QCOMPARE(code, ViInt16(-32702)); // 0x8042 as a signed 16-bit code
        QCOMPARE(present, ViUInt16(1));
        zqtavrin_m_type_q(carrier, 2, &present, &code);
        QCOMPARE(present, ViUInt16(0));
        zqtavrin_close(carrier);
    }

    void errorMessageTexts()
    {
        char message[256] = {};
        QCOMPARE(zqrv31_error_message(0, ZQ_ERROR_NO_MODULE, message), VI_SUCCESS);
        QVERIFY(qstrlen(message) > 0);
        simbench::setErrorMessage("zqrv31", std::string(400, 'e'));
        QCOMPARE(zqrv31_error_message(0, -1, message), VI_SUCCESS);
        QCOMPARE(qstrlen(message), 255u); // cut to the buffer
        QCOMPARE(zqvolta_error_message(0, ZQ_ERROR_NO_MODULE, message), VI_SUCCESS);
        QVERIFY(message[0] != 'e'); // another library keeps its own texts
        simbench::setErrorMessage("zqrv31", "");
        QCOMPARE(zqrv31_error_message(0, -1, message), VI_SUCCESS);
        QCOMPARE(QByteArray(message), QByteArray("Unknown status code 0xFFFFFFFF"));
    }

    void callLogRecordsArgumentsInOrder()
    {
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        ViSession vi = 0;
        viOpen(rm, SupplyResource, VI_NO_LOCK, 0, &vi);
        viLock(vi, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL);
        ViSession supply = 0;
        zqvolta_init(SupplyResource, 1, 1, &supply);
        zqvolta_ConfigureOutputRange(supply, "1", 2, 0.25);
        zqvolta_close(supply);
        viUnlock(vi);
        viClose(vi);
        viClose(rm);

        const std::vector<simbench::CallRecord> log = simbench::callLog();
        QCOMPARE(log.size(), size_t(9));
        const char *functions[] = {"viOpenDefaultRM",
                                   "viOpen",
                                   "viLock",
                                   "zqvolta_init",
                                   "zqvolta_ConfigureOutputRange",
                                   "zqvolta_close",
                                   "viUnlock",
                                   "viClose",
                                   "viClose"};
        for (size_t i = 0; i < log.size(); ++i) {
            QCOMPARE(QByteArray::fromStdString(log[i].function), QByteArray(functions[i]));
            QCOMPARE(log[i].sequence, uint64_t(i + 1));
            QCOMPARE(log[i].status, VI_SUCCESS);
            if (i > 0)
                QVERIFY(log[i].timeNs >= log[i - 1].timeNs);
        }
        QCOMPARE(log[1].session, rm);
        QCOMPARE(log[1].args, (std::vector<std::string> {SupplyResource, "0", "0"}));
        QCOMPARE(log[2].session, vi);
        QCOMPARE(log[2].args, (std::vector<std::string> {"1", "2000", "(null)"}));
        QCOMPARE(log[3].args, (std::vector<std::string> {SupplyResource, "1", "1"}));
        QCOMPARE(log[4].session, supply);
        QCOMPARE(log[4].args, (std::vector<std::string> {"1", "2", "0.25"}));
        QCOMPARE(log[7].session, vi);
        QCOMPARE(log[8].session, rm);

        // Failed calls are logged with the status they returned.
        zqvolta_close(supply);
        QCOMPARE(simbench::callLog("zqvolta_close").back().status, VI_ERROR_INV_OBJECT);
        simbench::clearCallLog();
        QVERIFY(simbench::callLog().empty());
    }

    void concurrentDriverCallsFromPoolThreads()
    {
        // As the initialization does it: each thread opens its modules on the carrier,
        // works with them and closes them, all at once.
        ViSession carrier = 0;
        QCOMPARE(zqtavrin_init(CarrierResource, 1, 1, &carrier), VI_SUCCESS);
        constexpr int Threads = 8;
        constexpr int Rounds = 200;
        std::vector<int> failures(Threads, 0);
        std::vector<std::thread> threads;
        for (int t = 0; t < Threads; ++t) {
            threads.emplace_back([&, t] {
                for (int round = 0; round < Rounds; ++round) {
                    ViSession vi = 0;
                    ViUInt16 present = 0;
                    ViInt16 code = 0;
                    if (zqtavrin_m_type_q(carrier, 2, &present, &code) != VI_SUCCESS
                        || zqrv31_init(CarrierResource, 1, 1, &vi) != VI_SUCCESS
                        || zqrv31_connect(vi, carrier, 2, 1, 1) != VI_SUCCESS
                        || zqrv31_confInstr(vi) != VI_SUCCESS || zqrv31_close(vi) != VI_SUCCESS)
                        ++failures[size_t(t)];
                    ViSession rm = 0;
                    if (viOpenDefaultRM(&rm) != VI_SUCCESS || viClose(rm) != VI_SUCCESS)
                        ++failures[size_t(t)];
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(failures, std::vector<int>(Threads, 0));
        QCOMPARE(simbench::openSessionCount(), 1);
        QCOMPARE(simbench::callLog("zqrv31_connect").size(), size_t(Threads * Rounds));
        zqtavrin_close(carrier);
    }
};

QTEST_GUILESS_MAIN(TestSimControl)
#include "tst_simcontrol.moc"
