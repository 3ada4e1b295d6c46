// The VISA stand-in as the module search uses it: enumeration, attributes, locks, the
// identification query and the carrier's slot queries.
#include "support/benchfixture.h"

#include "simbench/simcontrol.h"
#include "visa.h"
#include "zqtavrin.h"

#include <QtTest>

#include <cstring>

namespace {
const char *const Expression = "?*[0-9]?*::?*::INSTR";

QStringList enumerate(ViSession rm, const char *expression, ViStatus *status)
{
    QStringList names;
    ViFindList list = 0;
    ViUInt32 count = 0;
    ViChar desc[VI_FIND_BUFLEN] = {};
    *status = viFindRsrc(rm, expression, &list, &count, desc);
    if (*status < 0)
        return names;
    names << QString::fromLatin1(desc);
    for (ViUInt32 i = 1; i < count; ++i) {
        if (viFindNext(list, desc) < 0)
            break;
        names << QString::fromLatin1(desc);
    }
    viClose(list);
    return names;
}
} // namespace

class TestVisa : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        simbench::reset();
        QVERIFY(benchfixture::loadStandardBench());
    }
    void cleanup() { QCOMPARE(simbench::openSessionCount(), 0); }

    void emptyBenchFindsNothing()
    {
        simbench::reset();
        ViSession rm = 0;
        QCOMPARE(viOpenDefaultRM(&rm), VI_SUCCESS);
        QVERIFY(rm != 0);
        ViFindList list = 123;
        ViUInt32 count = 7;
        ViChar desc[VI_FIND_BUFLEN] = {};
        QCOMPARE(viFindRsrc(rm, Expression, &list, &count, desc), VI_ERROR_RSRC_NFOUND);
        QCOMPARE(count, ViUInt32(0));
        QCOMPARE(simbench::openSessionCount(), 1); // only the resource manager
        QCOMPARE(viClose(rm), VI_SUCCESS);
    }

    void enumerationFollowsTheBenchAndTheExpression_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("instruments") << Expression
                                     << QStringList {"VXI0::2::INSTR", "TCPIP0::192.168.0.7::INSTR",
                                                     "GPIB0::5::INSTR", "VXI0::0::INSTR"};
        QTest::newRow("everything")
                << "?*"
                << QStringList {"VXI0::2::INSTR", "TCPIP0::192.168.0.7::INSTR", "GPIB0::5::INSTR",
                                "VXI0::0::INSTR", "TCPIP0::192.168.0.9::5025::SOCKET"};
        QTest::newRow("VXI only, any case")
                << "vxi?*" << QStringList {"VXI0::2::INSTR", "VXI0::0::INSTR"};
        QTest::newRow("list and negated list")
                << "[GT][^C]?*INSTR" << QStringList {"GPIB0::5::INSTR"};
    }
    void enumerationFollowsTheBenchAndTheExpression()
    {
        QFETCH(QString, expression);
        QFETCH(QStringList, names);
        ViSession rm = 0;
        QCOMPARE(viOpenDefaultRM(&rm), VI_SUCCESS);
        ViStatus status = 0;
        QCOMPARE(enumerate(rm, expression.toLatin1().constData(), &status), names);
        QCOMPARE(status, VI_SUCCESS);
        QCOMPARE(viClose(rm), VI_SUCCESS);
    }

    void findNextEndsAfterTheLastMatch()
    {
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        ViFindList list = 0;
        ViUInt32 count = 0;
        ViChar desc[VI_FIND_BUFLEN] = {};
        QCOMPARE(viFindRsrc(rm, "VXI?*", &list, &count, desc), VI_SUCCESS);
        QCOMPARE(count, ViUInt32(2));
        QCOMPARE(viFindNext(list, desc), VI_SUCCESS);
        QCOMPARE(viFindNext(list, desc), VI_ERROR_RSRC_NFOUND);
        // Closing the manager closes the find list opened through it.
        QCOMPARE(simbench::openSessionCount(), 2);
        QCOMPARE(viClose(rm), VI_SUCCESS);
        QCOMPARE(viFindNext(list, desc), VI_ERROR_INV_OBJECT);
    }

    void attributesHaveTheirWidths_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<uint>("attribute");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("value");
        QTest::newRow("VXI interface") << "VXI0::2::INSTR" << uint(VI_ATTR_INTF_TYPE) << 0 << 2;
        QTest::newRow("TCP/IP interface")
                << benchfixture::SupplyResource << uint(VI_ATTR_INTF_TYPE) << 0 << 6;
        QTest::newRow("GPIB interface") << "GPIB0::5::INSTR" << uint(VI_ATTR_INTF_TYPE) << 0 << 1;
        QTest::newRow("slot") << "VXI0::2::INSTR" << uint(VI_ATTR_SLOT) << 0 << 2;
        QTest::newRow("slot 0") << "VXI0::0::INSTR" << uint(VI_ATTR_SLOT) << 0 << 0;
        QTest::newRow("manufacturer") << "VXI0::2::INSTR" << uint(VI_ATTR_MANF_ID) << 0 << 0xE76;
        QTest::newRow("model") << "VXI0::2::INSTR" << uint(VI_ATTR_MODEL_CODE) << 0 << 0x10D;
        QTest::newRow("no manufacturer on TCP/IP")
                << benchfixture::SupplyResource << uint(VI_ATTR_MANF_ID) << int(VI_ERROR_NSUP_ATTR)
                << 0x5555;
    }
    void attributesHaveTheirWidths()
    {
        QFETCH(QString, resource);
        QFETCH(uint, attribute);
        QFETCH(int, status);
        QFETCH(int, value);
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        ViSession vi = 0;
        QCOMPARE(viOpen(rm, resource.toLatin1().constData(), VI_NO_LOCK, 0, &vi), VI_SUCCESS);
        // Guard words around a 16-bit value: the call must write exactly two bytes.
        ViUInt16 words[3] = {0x5555, 0x5555, 0x5555};
        QCOMPARE(viGetAttribute(vi, attribute, &words[1]), ViStatus(status));
        QCOMPARE(int(attribute == VI_ATTR_SLOT ? ViInt16(words[1]) : words[1]), value);
        QCOMPARE(words[0], ViUInt16(0x5555));
        QCOMPARE(words[2], ViUInt16(0x5555));
        viClose(vi);
        viClose(rm);
    }

    void lockQueryUnlock()
    {
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        ViSession vi = 0;
        QCOMPARE(viOpen(rm, benchfixture::SupplyResource, VI_NO_LOCK, 0, &vi), VI_SUCCESS);
        QCOMPARE(viLock(vi, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_SUCCESS);

        // A second client waits in vain while the first holds the lock.
        ViSession other = 0;
        QCOMPARE(viOpen(rm, benchfixture::SupplyResource, VI_NO_LOCK, 0, &other), VI_SUCCESS);
        QCOMPARE(viLock(other, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_ERROR_TMO);

        char reply[256];
        std::memset(reply, 'x', sizeof reply);
        QCOMPARE(viQueryf(vi, "*IDN?\n", "%t", reply), VI_SUCCESS);
        QCOMPARE(QByteArray(reply), QByteArray("ZQVOLTA,KT220,0017,1.4\n"));
        QCOMPARE(viQueryf(other, "*IDN?\n", "%t", reply), VI_ERROR_RSRC_LOCKED);
        QCOMPARE(viUnlock(vi), VI_SUCCESS);
        QCOMPARE(viUnlock(vi), VI_ERROR_SESN_NLOCKED);
        QCOMPARE(viLock(other, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_SUCCESS);
        viClose(other); // closing releases the lock
        QCOMPARE(viLock(vi, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_SUCCESS);
        viUnlock(vi);
        viClose(vi);
        viClose(rm);
    }

    void refusedLockAndSilentInstrument()
    {
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        ViSession vi = 0;
        QCOMPARE(viOpen(rm, benchfixture::LockedResource, VI_NO_LOCK, 0, &vi), VI_SUCCESS);
        QCOMPARE(viLock(vi, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_ERROR_RSRC_LOCKED);
        viClose(vi);

        char reply[256] = "untouched";
        QCOMPARE(viOpen(rm, "VXI0::2::INSTR", VI_NO_LOCK, 0, &vi), VI_SUCCESS);
        QCOMPARE(viQueryf(vi, "*IDN?\n", "%t", reply), VI_ERROR_TMO); // no reply described
        QCOMPARE(QByteArray(reply), QByteArray("untouched"));
        simbench::setIdnReply("VXI0::2::INSTR", "ZQTAVRIN,CARRIER,1,2");
        QCOMPARE(viQueryf(vi, "*IDN?\n", "%t", reply), VI_SUCCESS);
        QCOMPARE(QByteArray(reply), QByteArray("ZQTAVRIN,CARRIER,1,2\n"));
        viClose(vi);
        viClose(rm);
    }

    void boundedReadCannotOverrun()
    {
        simbench::setIdnReply(benchfixture::SupplyResource, std::string(600, 'Z'));
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        ViSession vi = 0;
        viOpen(rm, benchfixture::SupplyResource, VI_NO_LOCK, 0, &vi);
        char buffer[40];
        std::memset(buffer, '#', sizeof buffer);
        QCOMPARE(viQueryf(vi, "*IDN?\n", "%32t", buffer), VI_SUCCESS);
        QCOMPARE(qstrlen(buffer), 31u);
        QCOMPARE(buffer[32], '#');
        QCOMPARE(viQueryf(vi, "*IDN?\n", "%s", buffer), VI_ERROR_NSUP_FMT);
        viClose(vi);
        viClose(rm);
    }

    void unknownSessionsAndResources()
    {
        ViSession vi = 0;
        QCOMPARE(viOpen(0x4242, "VXI0::2::INSTR", VI_NO_LOCK, 0, &vi), VI_ERROR_INV_OBJECT);
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        QCOMPARE(viOpen(rm, "VXI7::7::INSTR", VI_NO_LOCK, 0, &vi), VI_ERROR_RSRC_NFOUND);
        ViUInt16 value = 0;
        QCOMPARE(viGetAttribute(rm, VI_ATTR_INTF_TYPE, &value), VI_ERROR_INV_OBJECT);
        QCOMPARE(viClose(0x4242), VI_ERROR_INV_OBJECT);
        QCOMPARE(viClose(rm), VI_SUCCESS);
        QCOMPARE(viClose(rm), VI_ERROR_INV_OBJECT);
    }

    void carrierSlotQueries_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("present");
        QTest::addColumn<int>("code");
        QTest::newRow("multimeter") << 2 << 1 << 0x20;
        QTest::newRow("generator, high bits set") << 5 << 1 << 0x1042;
        QTest::newRow("empty") << 3 << 0 << 0;
        QTest::newRow("first") << 1 << 0 << 0;
        QTest::newRow("last") << 8 << 0 << 0;
    }
    void carrierSlotQueries()
    {
        QFETCH(int, slot);
        QFETCH(int, present);
        QFETCH(int, code);
        ViSession carrier = 0;
        QCOMPARE(zqtavrin_init(benchfixture::CarrierResource, 1, 1, &carrier), VI_SUCCESS);
        QVERIFY(carrier != 0);
        ViUInt16 isPresent = 0xFFFF;
        ViInt16 moduleCode = -1;
        QCOMPARE(zqtavrin_m_type_q(carrier, ViInt16(slot), &isPresent, &moduleCode), VI_SUCCESS);
        QCOMPARE(int(isPresent), present);
        QCOMPARE(int(moduleCode), code);
        QCOMPARE(zqtavrin_close(carrier), VI_SUCCESS);
    }

    void carrierDriverRefusesOtherInstruments()
    {
        ViSession vi = 77;
        QCOMPARE(zqtavrin_init(benchfixture::SupplyResource, 1, 1, &vi), ZQ_ERROR_FAIL_ID_QUERY);
        QCOMPARE(vi, ViSession(0));
        QCOMPARE(zqtavrin_init("VXI9::9::INSTR", 1, 1, &vi), VI_ERROR_RSRC_NFOUND);
        ViSession carrier = 0;
        zqtavrin_init(benchfixture::CarrierResource, 1, 1, &carrier);
        ViUInt16 present = 0;
        ViInt16 code = 0;
        QCOMPARE(zqtavrin_m_type_q(carrier, 9, &present, &code), ZQ_ERROR_PARAMETER);
        QCOMPARE(zqtavrin_m_type_q(carrier, 0, &present, &code), ZQ_ERROR_PARAMETER);
        zqtavrin_close(carrier);
        QCOMPARE(zqtavrin_m_type_q(carrier, 2, &present, &code), VI_ERROR_INV_OBJECT);
    }

    void carrierSelfTest()
    {
        simbench::setSelfTest(benchfixture::CarrierResource, 3, "Slot 3 bus fault");
        ViSession carrier = 0;
        zqtavrin_init(benchfixture::CarrierResource, 1, 1, &carrier);
        ViInt16 result = 0;
        char message[ZQTAVRIN_MESSAGE_BUFLEN] = {};
        QCOMPARE(zqtavrin_self_test(carrier, &result, message), VI_SUCCESS);
        QCOMPARE(int(result), 3);
        QCOMPARE(QByteArray(message), QByteArray("Slot 3 bus fault"));
        zqtavrin_close(carrier);
    }

    void sessionsAreUniqueAndCounted()
    {
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        QSet<ViSession> handles {rm};
        for (int i = 0; i < 5; ++i) {
            ViSession vi = 0;
            QCOMPARE(viOpen(rm, "VXI0::2::INSTR", VI_NO_LOCK, 0, &vi), VI_SUCCESS);
            handles.insert(vi);
            ViSession carrier = 0;
            QCOMPARE(zqtavrin_init(benchfixture::CarrierResource, 1, 0, &carrier), VI_SUCCESS);
            handles.insert(carrier);
        }
        QCOMPARE(handles.size(), 11);
        QVERIFY(!handles.contains(0));
        QCOMPARE(simbench::openSessionCount(), 11);
        QCOMPARE(simbench::openSessionCount("visa32"), 6);
        QCOMPARE(simbench::openSessionCount("zqtavrin"), 5);
        for (ViSession handle : handles) {
            if (handle != rm && simbench::openSessionCount("zqtavrin") > 0)
                zqtavrin_close(handle); // the VISA handles answer invalid-object here
        }
        QCOMPARE(simbench::openSessionCount("zqtavrin"), 0);
        viClose(rm); // and the VISA sessions go with their manager
    }
};

QTEST_GUILESS_MAIN(TestVisa)
#include "tst_visa.moc"
