#include "hardware/modules/rv31/rv31module.h"

#include "hardware/drivercall.h"
#include "hardware/mezzanineslot.h"

#include "zqrv31.h"

#include <QByteArray>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace {

constexpr ViInt16 ReadMode = 2;
constexpr int DemoMinimumReadings = 11; // smaller blocks are simulated with 10 readings
constexpr int DemoReadings = 10;

bool isOverRange(ViStatus status)
{
    return status >= ZQRV31_WARN_OVER_RANGE_FIRST && status <= ZQRV31_WARN_OVER_RANGE_LAST;
}

} // namespace

RV31Module::RV31Module(QObject *parent)
    : ModuleInterface(parent)
    , m_random(std::make_unique<std::random_device>())
{
    setType(ModuleTypeRV31);
    setBase(QStringLiteral("VXI"));
}

RV31Module::~RV31Module() = default;

QString RV31Module::namePrefix() const
{
    return tr("RV31");
}

int RV31Module::performInit()
{
    const int slot = checkMezzanineSlot(this, ZQRV31_MODULE_CODE, PRALUNE_CALL_SITE);
    if (slot != 0)
        return slot;
    ViSession session = 0;
    const QByteArray resource = path().toLatin1();
    if (PRALUNE_DRIVER_FAILED(zqrv31_init(resource.constData(), VI_TRUE, VI_TRUE, &session)))
        return status();
    setHandle(session);
    if (PRALUNE_DRIVER_FAILED(zqrv31_connect(handle(), mainHandle(), ViInt16(position()), 1, 1)))
        return status();
    return 0;
}

int RV31Module::performSelftest()
{
    setStatus(0);
    setSelfTestResultCode(0);
    setSelfTestMessage(QString());
    return 0;
}

int RV31Module::performConfigure()
{
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqrv31_confInstr(handle())))
        return status();
    return 0;
}

int RV31Module::performStart()
{
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqrv31_initImm(handle())))
        return status();
    return 0;
}

int RV31Module::performReset()
{
    if (PRALUNE_DRIVER_FAILED(zqrv31_reset(handle())))
        return status();
    return 0;
}

int RV31Module::performStop()
{
    QMutexLocker locker(lockMutex());
    m_timeStamp = 0.0;
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqrv31_abor(handle())))
        return status();
    return 0;
}

int RV31Module::performClose()
{
    QMutexLocker locker(lockMutex());
    if (PRALUNE_DRIVER_FAILED(zqrv31_abor(handle())))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqrv31_reset(handle())))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqrv31_close(handle())))
        return status();
    setHandle(0);
    return 0;
}

int RV31Module::configureStartOptions(unsigned char option, quint64 count, double time,
                                      bool firstFlag, bool secondFlag)
{
    m_option = option;
    m_optionCount = count;
    m_optionTime = time;
    m_firstFlag = firstFlag;
    m_secondFlag = secondFlag;
    return 0;
}

int RV31Module::configureAutoZero(double mode)
{
    if (demoMode())
        return 0;
    QMutexLocker locker(lockMutex());
    if (PRALUNE_DRIVER_FAILED(zqrv31_calZeroAuto(handle(), ViInt16(std::trunc(mode)))))
        return status();
    return 0;
}

int RV31Module::startAutoZero()
{
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqrv31_calZeroAutoExe(handle())))
        return status();
    return 0;
}

int RV31Module::configureFunction(int function, bool autoRange, double range, double time,
                                  int filter, bool impedance, int lineFrequency, int pointCount)
{
    QMutexLocker locker(lockMutex());
    m_period = time;
    m_readings.resize(std::max(0, pointCount));
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqrv31_conf_func(handle(), ViInt16(function), autoRange ? 1 : 0,
                                               range, time, ViInt16(filter), impedance ? 1 : 0)))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqrv31_systLfr(handle(), ViInt16(lineFrequency))))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqrv31_sampCoun(handle(), ViUInt16(pointCount))))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqrv31_mode_readData(handle(), ReadMode, ViInt32(pointCount))))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqrv31_trigger(handle(), ViUInt16(m_optionCount), m_firstFlag ? 1 : 0,
                                             m_optionTime, m_option, m_secondFlag ? 1 : 0)))
        return status();
    return 0;
}

int RV31Module::performDataReading()
{
    if (demoMode()) {
        performDemoDataReading();
        return 0;
    }
    ViInt32 ready = 0;
    const ViStatus readyStatus = zqrv31_numReadyData(handle(), &ready);
    setStatus(readyStatus);
    // A warning here is reported like an error (text and trace), though without the signal.
    if (readyStatus != 0)
        return runDriverErrorPath(this, readyStatus, PRALUNE_CALL_SITE);
    // A negative count from the driver means nothing to read, never a negative resize.
    if (ready <= 0)
        return 0;

    m_readings.resize(ready);
    ViInt32 got = 0;
    const ViStatus readStatus = zqrv31_read_packet(handle(), ready, m_readings.data(), &got);
    if (readStatus == 0) {
        got = std::clamp<ViInt32>(got, 0, ready);
        if (got != ready)
            m_readings.resize(got);
        if (got == 0)
            return 0;
        emit dataChanged(advanceTimeStamp(got), m_readings);
        return 0;
    }
    if (isOverRange(readStatus))
        emit overMeasurement(advanceTimeStamp(ready), ready);
    return readStatus;
}

void RV31Module::performDemoDataReading()
{
    if (m_readings.size() < DemoMinimumReadings)
        m_readings.resize(DemoReadings);
    m_readings.fill(0.0);
    std::normal_distribution<double> noise(0.0, 5.0);
    for (int k = 0; k < m_readings.size(); ++k) {
        const double g = noise(*m_random);
        m_readings[k] = 2 * std::sin(6280.0 * k * m_period) + 0.1 * (g - std::trunc(g));
    }
    emit dataChanged(advanceTimeStamp(m_readings.size()), m_readings);
}

// The stamp moves on before the package leaves: a receiver that stops the module inside the
// emission (a single package, a forced run) resets it to 0.0, and that reset must hold.
double RV31Module::advanceTimeStamp(int readings)
{
    const double stamp = m_timeStamp;
    m_timeStamp += readings * m_period;
    return stamp;
}

void RV31Module::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(
            this, status,
            [session, status](char *buffer) { zqrv31_error_message(session, status, buffer); },
            DriverErrorTrace::Critical);
}
