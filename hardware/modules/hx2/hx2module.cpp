#include "hardware/modules/hx2/hx2module.h"

#include "hardware/drivercall.h"
#include "hardware/mezzanineslot.h"
#include "hardware/oscilloscopetimebase.h"

#include "zqhx2.h"

#include <QByteArray>
#include <QMutexLocker>

#include <algorithm>

namespace {

constexpr int ChannelCount = 2;
// The shortest period of the module's table: a module always has a usable time base.
constexpr double InitialPeriod = 4e-10;

} // namespace

HX2Module::HX2Module(QObject *parent)
    : ModuleInterface(parent)
    , m_frame(ChannelCount, InitialPeriod)
{
    setType(ModuleTypeHX2);
    setBase(QStringLiteral("VXI"));
}

QString HX2Module::namePrefix() const
{
    return tr("HX2");
}

int HX2Module::refuse(int status, const DriverCallSite &site)
{
    setStatus(status);
    return runDriverErrorPath(this, status, site);
}

int HX2Module::performInit()
{
    if (demoMode())
        return 0;
    const int slot = checkMezzanineSlot(this, ZQHX2_MODULE_CODE, PRALUNE_CALL_SITE);
    if (slot != 0)
        return slot;
    ViSession session = 0;
    const QByteArray resource = path().toLatin1();
    if (PRALUNE_DRIVER_FAILED(zqhx2_init(resource.constData(), VI_TRUE, VI_TRUE, &session)))
        return status();
    setHandle(session);
    if (PRALUNE_DRIVER_FAILED(zqhx2_connect(handle(), mainHandle(), ViInt16(position()), 1, 1)))
        return status();
    return 0;
}

int HX2Module::performSelftest()
{
    setStatus(0);
    setSelfTestResultCode(0);
    setSelfTestMessage(QString());
    return 0;
}

int HX2Module::performConfigure()
{
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx2_configMode(handle(), 0)))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqhx2_config(handle())))
        return status();
    return 0;
}

int HX2Module::performStart()
{
    QMutexLocker locker(lockMutex());
    if (demoMode())
        return 0;
    zqhx2_stop(handle()); // halts a running acquisition, if any; the result does not matter
    if (PRALUNE_DRIVER_FAILED(zqhx2_trigger(handle())))
        return status();
    return 0;
}

int HX2Module::performReset()
{
    QMutexLocker locker(lockMutex());
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx2_reset(handle())))
        return status();
    return 0;
}

int HX2Module::performStop()
{
    QMutexLocker locker(lockMutex());
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx2_stop(handle())))
        return status();
    return 0;
}

int HX2Module::performClose()
{
    QMutexLocker locker(lockMutex());
    if (!demoMode()) {
        if (PRALUNE_DRIVER_FAILED(zqhx2_stop(handle())))
            return status();
        if (PRALUNE_DRIVER_FAILED(zqhx2_reset(handle())))
            return status();
        if (PRALUNE_DRIVER_FAILED(zqhx2_close(handle())))
            return status();
    }
    setHandle(0);
    return 0;
}

int HX2Module::configure(int channel, int enabled, int coupling, int rangeCode, int filter,
                         double offset)
{
    QMutexLocker locker(lockMutex());
    if (!m_frame.isChannel(channel))
        return refuse(VI_ERROR_INV_PARAMETER, PRALUNE_CALL_SITE);
    if (!demoMode()) {
        if (PRALUNE_DRIVER_FAILED(zqhx2_configInput(handle(), ViInt16(channel), ViInt16(enabled),
                                                    ViInt16(coupling), ViInt16(rangeCode),
                                                    ViInt16(filter), 0)))
            return status();
        if (PRALUNE_DRIVER_FAILED(zqhx2_configBaseFreq(handle(), 0)))
            return status();
    }
    m_frame.setChannel(channel, enabled != 0, offset);
    return 0;
}

int HX2Module::configureMath(int enabled, int operation, int sourceA, int sourceB, double offset)
{
    m_frame.configureMath(enabled != 0, operation, sourceA, sourceB, offset);
    return 0;
}

int HX2Module::configureTime(double period, double duration, double startTime)
{
    QMutexLocker locker(lockMutex());
    if (!validTimeBase(period, duration))
        return refuse(VI_ERROR_INV_PARAMETER, PRALUNE_CALL_SITE);
    if (!demoMode()) {
        if (PRALUNE_DRIVER_FAILED(zqhx2_configTime(handle(), &period, &duration, &startTime)))
            return status();
        if (!validTimeBase(period, duration))
            return refuse(VI_ERROR_INV_PARAMETER, PRALUNE_CALL_SITE);
    }
    m_frame.setTimeBase(period, duration, startTime);
    return 0;
}

int HX2Module::configureTrigger(int channel, int source, int mode, bool polarity, double *times,
                                double *levels)
{
    QMutexLocker locker(lockMutex());
    if (demoMode())
        return 0;
    if (source != 0
        && PRALUNE_DRIVER_FAILED(zqhx2_configEvents(handle(), ViInt16(channel), ViInt16(mode),
                                                    polarity ? 1 : 0, 0, 0, times, levels)))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqhx2_configTrigger(handle(), ViInt16(source))))
        return status();
    return 0;
}

int HX2Module::configureTriggerForProgrammStart()
{
    QMutexLocker locker(lockMutex());
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx2_configTrigger(handle(), 0)))
        return status();
    return 0;
}

int HX2Module::performDataReading()
{
    if (demoMode()) {
        performDemoDataReading();
        return 0;
    }
    if (handle() == 0)
        return 0;
    const int points = m_frame.pointCount();
    for (int i = 0; i < m_frame.channelCount(); ++i) {
        QVector<double> &row = m_frame.writableRow(i);
        if (!m_frame.isEnabled(i)) {
            row.resize(0);
            continue;
        }
        row.resize(points);
        ViInt32 count = points;
        const ViStatus read = zqhx2_readWaveform(handle(), ViInt16(i), -1, 0, &count, 1, 0, 0,
                                                 row.data(), 0, 0, 0);
        if (read == ZQHX2_WARN_INPUT_OVERDRIVE) {
            emit overDriveWarning();
            return read;
        }
        count = std::clamp<ViInt32>(count, 0, points);
        row.resize(count);
        if (count == 0)
            return 0;
    }
    completeFrame();
    performStart();
    return 0;
}

void HX2Module::performDemoDataReading()
{
    m_frame.generateDemo();
    completeFrame();
}

void HX2Module::completeFrame()
{
    m_frame.complete();
    emit dataChanged(m_frame.startTime(), m_frame.rows());
}

void HX2Module::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(
            this, status,
            [session, status](char *buffer) { zqhx2_error_message(session, status, buffer); },
            DriverErrorTrace::Critical);
}
