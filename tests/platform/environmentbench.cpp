// Without any control call the stand-ins show the bench that PRALUNE_SIM_BENCH names.
#include "simbench/simcontrol.h"
#include "visa.h"
#include "zqtavrin.h"

#include <QtTest>

class TestEnvironmentBench : public QObject
{
    Q_OBJECT

private slots:
    void benchComesFromTheEnvironment()
    {
        ViSession rm = 0;
        QCOMPARE(viOpenDefaultRM(&rm), VI_SUCCESS);
        ViFindList list = 0;
        ViUInt32 count = 0;
        ViChar desc[VI_FIND_BUFLEN] = {};
        QCOMPARE(viFindRsrc(rm, "?*[0-9]?*::?*::INSTR", &list, &count, desc), VI_SUCCESS);
        QCOMPARE(count, ViUInt32(2));
        QCOMPARE(QByteArray(desc), QByteArray("VXI0::4::INSTR"));
        QCOMPARE(viFindNext(list, desc), VI_SUCCESS);
        QCOMPARE(QByteArray(desc), QByteArray("USB0::0x1234::0x0001::SN1::INSTR"));
        ViSession carrier = 0;
        QCOMPARE(zqtavrin_init("VXI0::4::INSTR", 1, 1, &carrier), VI_SUCCESS);
        ViUInt16 present = 0;
        ViInt16 code = 0;
        QCOMPARE(zqtavrin_m_type_q(carrier, 8, &present, &code), VI_SUCCESS);
        QCOMPARE(code, ViInt16(0x39));
        zqtavrin_close(carrier);
        viClose(rm);
        QCOMPARE(simbench::openSessionCount(), 0);
    }

    void resetEmptiesTheBench()
    {
        simbench::reset();
        ViSession rm = 0;
        viOpenDefaultRM(&rm);
        ViFindList list = 0;
        ViUInt32 count = 0;
        ViChar desc[VI_FIND_BUFLEN] = {};
        QCOMPARE(viFindRsrc(rm, "?*", &list, &count, desc), VI_ERROR_RSRC_NFOUND);
        viClose(rm);
    }
};

QTEST_GUILESS_MAIN(TestEnvironmentBench)
#include "environmentbench.moc"
