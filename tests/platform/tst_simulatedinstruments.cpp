// The simulated instruments behind the driver libraries: what each delivers once configured,
// and how the mezzanine sessions depend on their carrier.
#include "simbench/simcontrol.h"
#include "zqhx2.h"
#include "zqhx9.h"
#include "zqkw7.h"
#include "zqrv31.h"
#include "zqtavrin.h"
#include "zqvolta.h"

#include <QtTest>

#include <cmath>
#include <vector>

namespace {
const char *const Carrier = "VXI0::3::INSTR";
const char *const Supply = "TCPIP0::10.0.0.2::INSTR";
constexpr double Pi = 3.14159265358979323846;

const char *const Bench = "[VXI0::3::INSTR]\n"
                          "manufacturer = 0xE76\n"
                          "model = 0x155\n"
                          "slot = 3\n"
                          "slot1 = 0x39\n"
                          "slot1.amplitude = 0.8\n"
                          "slot1.frequency = 1000\n"
                          "slot2 = 0x2D\n"
                          "slot2.amplitude = 2\n"
                          "slot2.frequency = 250\n"
                          "slot3 = 0x20\n"
                          "slot4 = 0x42\n"
                          "[TCPIP0::10.0.0.2::INSTR]\n"
                          "idn = ZQVOLTA,KT220,1,1\n"
                          "kind = powersupply\n"
                          "load = 10\n";

using InitFunction = ViStatus (*)(ViConstRsrc, ViBoolean, ViBoolean, ViSession *);
using ConnectFunction = ViStatus (*)(ViSession, ViSession, ViInt16, ViInt16, ViInt16);

// A mezzanine session opened and connected the way the modules do it.
ViSession openMezzanine(ViSession carrier, InitFunction init, ConnectFunction connect, int slot)
{
    ViSession vi = 0;
    if (init(Carrier, 1, 1, &vi) < 0)
        return 0;
    if (connect(vi, carrier, ViInt16(slot), 1, 1) < 0)
        return 0;
    return vi;
}
} // namespace

class TestSimulatedInstruments : public QObject
{
    Q_OBJECT

private:
    ViSession m_carrier = 0;

private slots:
    void init()
    {
        simbench::reset();
        std::string error;
        QVERIFY2(simbench::loadBenchText(Bench, &error), error.c_str());
        QCOMPARE(zqtavrin_init(Carrier, 1, 1, &m_carrier), VI_SUCCESS);
    }
    void cleanup()
    {
        zqtavrin_close(m_carrier);
        QCOMPARE(simbench::openSessionCount(), 0);
    }

    void oscilloscopeDeliversTheConfiguredSine_data()
    {
        QTest::addColumn<bool>("hx9");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("frequency");
        QTest::newRow("HX2") << false << 0.8 << 1000.0;
        QTest::newRow("HX9") << true << 2.0 << 250.0;
    }
    void oscilloscopeDeliversTheConfiguredSine()
    {
        QFETCH(bool, hx9);
        QFETCH(double, amplitude);
        QFETCH(double, frequency);
        const ViSession vi = hx9 ? openMezzanine(m_carrier, zqhx9_init, zqhx9_connect, 2)
                                 : openMezzanine(m_carrier, zqhx2_init, zqhx2_connect, 1);
        QVERIFY(vi != 0);
        for (ViInt16 channel = 0; channel < 2; ++channel) {
            if (hx9) {
                ViReal64 range = 4.0; // the driver takes the next range up, 5 V
                QCOMPARE(zqhx9_configInput(vi, channel, 1, 0, 1, 0, &range, 0), VI_SUCCESS);
                QCOMPARE(range, 5.0);
            } else {
                QCOMPARE(zqhx2_configInput(vi, channel, 1, 0, 0, 0, 0), VI_SUCCESS);
            }
        }
        ViReal64 period = 1e-6;
        ViReal64 duration = 1e-3;
        ViReal64 start = 1e-4;
        QCOMPARE((hx9 ? zqhx9_configTime : zqhx2_configTime)(vi, &period, &duration, &start),
                 VI_SUCCESS);
        QCOMPARE(period, 1e-6);

        const int points = 1000;
        std::vector<double> samples(points, -99.0);
        ViInt32 count = points;
        auto read = hx9 ? zqhx9_readWaveform : zqhx2_readWaveform;
        // Nothing is acquired before the trigger.
        QCOMPARE(read(vi, 0, -1, 0, &count, 1, 0, 0, samples.data(), 0, 0, 0), VI_SUCCESS);
        QCOMPARE(count, 0);
        if (hx9) {
            ViInt16 ready = -1;
            QCOMPARE(zqhx9_ready_Q(vi, &ready), VI_SUCCESS);
            QCOMPARE(ready, ViInt16(0));
        }

        QCOMPARE((hx9 ? zqhx9_trigger : zqhx2_trigger)(vi), VI_SUCCESS);
        if (hx9) {
            ViInt16 ready = 0;
            QCOMPARE(zqhx9_ready_Q(vi, &ready), VI_SUCCESS);
            QCOMPARE(ready, ViInt16(1));
        }
        for (ViInt16 channel = 0; channel < 2; ++channel) {
            count = points;
            QCOMPARE(read(vi, channel, -1, 0, &count, 1, 0, 0, samples.data(), 0, 0, 0),
                     VI_SUCCESS);
            QCOMPARE(count, points);
            const double peak = channel == 0 ? amplitude : amplitude / 2;
            const double phase = channel == 0 ? 0.0 : -Pi / 2;
            for (int k : {0, 1, 137, 250, 999}) {
                const double t = start + k * period;
                QVERIFY(std::fabs(samples[size_t(k)]
                                  - peak * std::sin(2 * Pi * frequency * t + phase))
                        < 1e-9);
            }
        }
        QCOMPARE((hx9 ? zqhx9_stop : zqhx2_stop)(vi), VI_SUCCESS);
        count = points;
        read(vi, 0, -1, 0, &count, 1, 0, 0, samples.data(), 0, 0, 0);
        QCOMPARE(count, 0);
        QCOMPARE((hx9 ? zqhx9_close : zqhx2_close)(vi), VI_SUCCESS);
    }

    void oscilloscopeOverdriveClipsAndWarns()
    {
        const ViSession vi = openMezzanine(m_carrier, zqhx2_init, zqhx2_connect, 1);
        QCOMPARE(zqhx2_configInput(vi, 0, 1, 0, 1, 0, 0), VI_SUCCESS); // 0.3 V range
        ViReal64 period = 1e-5, duration = 1e-3, start = 0.0;
        zqhx2_configTime(vi, &period, &duration, &start);
        zqhx2_trigger(vi);
        std::vector<double> samples(100);
        ViInt32 count = 100;
        QCOMPARE(zqhx2_readWaveform(vi, 0, -1, 0, &count, 1, 0, 0, samples.data(), 0, 0, 0),
                 ZQHX2_WARN_INPUT_OVERDRIVE);
        QCOMPARE(*std::max_element(samples.begin(), samples.end()), 0.3);
        // A disabled channel is not read.
        count = 100;
        QCOMPARE(zqhx2_readWaveform(vi, 1, -1, 0, &count, 1, 0, 0, samples.data(), 0, 0, 0),
                 ZQ_ERROR_NOT_CONFIGURED);
        zqhx2_close(vi);
    }

    void multimeterReadingsPerFunction_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("reading");
        QTest::newRow("frequency") << 0 << 1000.0;
        QTest::newRow("period") << 1 << 0.001;
        QTest::newRow("4-wire resistance") << 2 << 1000.0;
        QTest::newRow("2-wire resistance") << 3 << 1000.2;
        QTest::newRow("AC voltage") << 4 << 0.7071;
        QTest::newRow("DC voltage") << 5 << 1.0;
        QTest::newRow("AC current") << 6 << 0.1;
        QTest::newRow("DC current") << 7 << 0.05;
    }
    void multimeterReadingsPerFunction()
    {
        QFETCH(int, function);
        QFETCH(double, reading);
        const ViSession vi = openMezzanine(m_carrier, zqrv31_init, zqrv31_connect, 3);
        QVERIFY(vi != 0);
        QCOMPARE(zqrv31_conf_func(vi, ViInt16(function), 1, -1.0, 0.02, 0, 0), VI_SUCCESS);
        QCOMPARE(zqrv31_sampCoun(vi, 16), VI_SUCCESS);
        QCOMPARE(zqrv31_mode_readData(vi, 2, 16), VI_SUCCESS);
        ViInt32 ready = -1;
        QCOMPARE(zqrv31_numReadyData(vi, &ready), VI_SUCCESS);
        QCOMPARE(ready, 0); // not started
        QCOMPARE(zqrv31_initImm(vi), VI_SUCCESS);
        QCOMPARE(zqrv31_numReadyData(vi, &ready), VI_SUCCESS);
        QCOMPARE(ready, 16);
        std::vector<double> readings(16);
        ViInt32 got = 0;
        QCOMPARE(zqrv31_read_packet(vi, ready, readings.data(), &got), VI_SUCCESS);
        QCOMPARE(got, 16);
        for (double value : readings)
            QVERIFY(std::fabs(value - reading) <= 1e-3 * reading);
        QCOMPARE(zqrv31_abor(vi), VI_SUCCESS);
        QCOMPARE(zqrv31_numReadyData(vi, &ready), VI_SUCCESS);
        QCOMPARE(ready, 0);
        QCOMPARE(zqrv31_close(vi), VI_SUCCESS);
    }

    void multimeterOverRange()
    {
        const ViSession vi = openMezzanine(m_carrier, zqrv31_init, zqrv31_connect, 3);
        QCOMPARE(zqrv31_conf_func(vi, 5, 0, 0.1, 0.02, 0, 0), VI_SUCCESS); // 1 V on 0.1 V
        zqrv31_sampCoun(vi, 4);
        zqrv31_mode_readData(vi, 2, 4);
        zqrv31_initImm(vi);
        std::vector<double> readings(4);
        ViInt32 got = 0;
        const ViStatus status = zqrv31_read_packet(vi, 4, readings.data(), &got);
        QCOMPARE(status, ViStatus(ZQ_WARN_OVER_RANGE_FIRST + 5));
        QVERIFY(status >= ZQRV31_WARN_OVER_RANGE_FIRST && status <= ZQRV31_WARN_OVER_RANGE_LAST);
        // A fixed range that holds the reading does not complain.
        QCOMPARE(zqrv31_conf_func(vi, 5, 0, 10.0, 0.02, 0, 0), VI_SUCCESS);
        QCOMPARE(zqrv31_read_packet(vi, 4, readings.data(), &got), VI_SUCCESS);
        // A fixed range of 0 is no range.
        QCOMPARE(zqrv31_conf_func(vi, 5, 0, 0.0, 0.02, 0, 0), ZQ_ERROR_PARAMETER);
        zqrv31_close(vi);
    }

    void powerSupplyRegulates_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<double>("voltage");
        QTest::addColumn<double>("current");
        QTest::addColumn<double>("outVoltage");
        QTest::addColumn<double>("outCurrent");
        QTest::addColumn<int>("state");
        QTest::newRow("constant voltage") << true << 5.0 << 1.0 << 5.0 << 0.5 << ZQVOLTA_STATE_CV;
        QTest::newRow("constant current") << true << 12.0 << 0.5 << 5.0 << 0.5 << ZQVOLTA_STATE_CC;
        QTest::newRow("output off") << false << 5.0 << 1.0 << 0.0 << 0.0 << 0;
    }
    void powerSupplyRegulates()
    {
        QFETCH(bool, enabled);
        QFETCH(double, voltage);
        QFETCH(double, current);
        QFETCH(double, outVoltage);
        QFETCH(double, outCurrent);
        QFETCH(int, state);
        ViSession vi = 0;
        QCOMPARE(zqvolta_init(Supply, 1, 1, &vi), VI_SUCCESS);
        QCOMPARE(zqvolta_ModeSession(vi, "1", 1), VI_SUCCESS);
        QCOMPARE(zqvolta_ConfigureOutputRange(vi, "1", ZQVOLTA_RANGE_VOLTAGE, voltage), VI_SUCCESS);
        QCOMPARE(zqvolta_ConfigureOutputRange(vi, "1", ZQVOLTA_RANGE_CURRENT, current), VI_SUCCESS);
        QCOMPARE(zqvolta_ConfigureOutputEnabled(vi, "1", enabled ? 1 : 0), VI_SUCCESS);
        ViReal64 measured = -1;
        QCOMPARE(zqvolta_GetTelemetry(vi, "1", ZQVOLTA_TELEMETRY_VOLTAGE, 1, &measured),
                 VI_SUCCESS);
        QCOMPARE(measured, outVoltage);
        QCOMPARE(zqvolta_GetTelemetry(vi, "1", ZQVOLTA_TELEMETRY_CURRENT, 1, &measured),
                 VI_SUCCESS);
        QCOMPARE(measured, outCurrent);
        ViUInt16 word = 0xFFFF;
        QCOMPARE(zqvolta_GetState(vi, "1", &word), VI_SUCCESS);
        QCOMPARE(int(word), state);
        QCOMPARE(simbench::settings(Supply).at("voltage"), std::to_string(int(voltage)));
        QCOMPARE(zqvolta_ConfigureOutputEnabled(vi, "2", 1), ZQ_ERROR_PARAMETER);
        QCOMPARE(zqvolta_GetTelemetry(vi, "1", 2, 1, &measured), ZQ_ERROR_PARAMETER);
        QCOMPARE(zqvolta_close(vi), VI_SUCCESS);
        QCOMPARE(zqvolta_GetState(vi, "1", &word), VI_ERROR_INV_OBJECT);
    }

    void generatorRecordsItsConfiguration()
    {
        const ViSession vi = openMezzanine(m_carrier, zqkw7_init, zqkw7_connect, 4);
        QVERIFY(vi != 0);
        QCOMPARE(zqkw7_config_mode(vi, 1), VI_SUCCESS);
        QCOMPARE(zqkw7_config_chan(vi, 1, 1, 1, 1, 50.0, 0.25), VI_SUCCESS);
        QCOMPARE(zqkw7_config_afg(vi, 1, 1.5, 2000.0, 45.0), VI_SUCCESS);
        const double table[] = {1.0, -1.0, 0.5};
        QCOMPARE(zqkw7_afg_setData(vi, 0, table, 3, 1e-8), VI_SUCCESS);
        QCOMPARE(zqkw7_start(vi), VI_SUCCESS);
        const auto settings = simbench::settings(Carrier, 4);
        QCOMPARE(settings.at("mode"), std::string("1"));
        QCOMPARE(settings.at("ch1.output"), std::string("1"));
        QCOMPARE(settings.at("ch1.offset"), std::string("0.25"));
        QCOMPARE(settings.at("ch1.frequency"), std::string("2000"));
        QCOMPARE(settings.at("ch0.table_count"), std::string("3"));
        QCOMPARE(settings.at("running"), std::string("1"));
        const auto log = simbench::callLog("zqkw7_afg_setData");
        QCOMPARE(log.size(), size_t(1));
        QCOMPARE(log.front().data, std::vector<double>(table, table + 3));
        QCOMPARE(zqkw7_config_chan(vi, 1, 2, 1, 1, 50.0, 0.0), ZQ_ERROR_PARAMETER);
        QCOMPARE(zqkw7_close(vi), VI_SUCCESS);
    }

    void generatorOnSessionZeroDoesNothing()
    {
        const double table[] = {0.0};
        QCOMPARE(zqkw7_config_sample_freq(0, 4, 2), VI_SUCCESS);
        QCOMPARE(zqkw7_config_chan(0, 1, 0, 1, 1, 1e6, 0.0), VI_SUCCESS);
        QCOMPARE(zqkw7_afg_setData(0, 0, table, 1, 0.0), VI_SUCCESS);
        QCOMPARE(zqkw7_writeAWG(0, 0, 0, nullptr), VI_SUCCESS);
        QCOMPARE(zqkw7_start(0), VI_SUCCESS);
        QCOMPARE(zqkw7_prog_start(0), VI_SUCCESS);
        QCOMPARE(zqkw7_stop(0), VI_SUCCESS);
        QVERIFY(simbench::settings(Carrier, 4).empty());
        QCOMPARE(simbench::openSessionCount(), 1); // the carrier only
        // Any other unknown session is refused, by every library.
        QCOMPARE(zqkw7_start(0x7777), VI_ERROR_INV_OBJECT);
        QCOMPARE(zqhx2_trigger(0), VI_ERROR_INV_OBJECT);
        QCOMPARE(zqrv31_initImm(0x7777), VI_ERROR_INV_OBJECT);
        QCOMPARE(zqvolta_reset(0), VI_ERROR_INV_OBJECT);
        QCOMPARE(zqtavrin_start(0), VI_ERROR_INV_OBJECT);
    }

    void mezzanineNeedsItsSlotAndCarrier()
    {
        ViSession vi = 0;
        QCOMPARE(zqhx2_init(Carrier, 1, 1, &vi), VI_SUCCESS);
        QCOMPARE(zqhx2_trigger(vi), ZQ_ERROR_NOT_CONNECTED); // not yet connected
        QCOMPARE(zqhx2_connect(vi, m_carrier, 3, 1, 1), ZQ_ERROR_NO_MODULE); // a multimeter
        QCOMPARE(zqhx2_connect(vi, 0x5151, 1, 1, 1), VI_ERROR_INV_OBJECT);
        QCOMPARE(zqhx2_connect(vi, m_carrier, 1, 1, 1), VI_SUCCESS);
        QCOMPARE(zqhx2_trigger(vi), VI_SUCCESS);
        // A handle of another library is no session of this one.
        QCOMPARE(zqhx9_trigger(vi), VI_ERROR_INV_OBJECT);
        QCOMPARE(zqtavrin_close(m_carrier), VI_SUCCESS);
        QCOMPARE(zqhx2_trigger(vi), ZQ_ERROR_NOT_CONNECTED);
        QCOMPARE(zqhx2_close(vi), VI_SUCCESS); // closing still works
        QCOMPARE(zqtavrin_init(Carrier, 1, 1, &m_carrier), VI_SUCCESS);
    }

    void generatorCodeWithHighBitsConnects()
    {
        simbench::setSlotModule(Carrier, 4, 0x1042);
        const ViSession vi = openMezzanine(m_carrier, zqkw7_init, zqkw7_connect, 4);
        QVERIFY(vi != 0);
        zqkw7_close(vi);
    }
};

QTEST_GUILESS_MAIN(TestSimulatedInstruments)
#include "tst_simulatedinstruments.moc"
