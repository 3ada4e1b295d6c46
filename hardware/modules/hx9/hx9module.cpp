#include "hardware/modules/hx9/hx9module.h"

#include "hardware/drivercall.h"
#include "hardware/mezzanineslot.h"
#include "hardware/oscilloscopetimebase.h"

#include "zqhx9.h"

#include <QByteArray>
#include <QMutexLocker>

#include <algorithm>

namespace {

constexpr int ChannelCount = 2;
// The shortest period of the module's table: a module always has a usable time base.
constexpr double InitialPeriod = 2e-10;

} // namespace

HX9Module::HX9Module(QObject *parent)
    : ModuleInterface(parent)
    , m_frame(ChannelCount, InitialPeriod)
{
    setType(ModuleTypeHX9);
    setBase(QStringLiteral("VXI"));
}

QString HX9Module::namePrefix() const
{
    return tr("XH9");
}

int HX9Module::refuse(int status, const DriverCallSite &site)
{
    setStatus(status);
    return runDriverErrorPath(this, status, site);
}

int HX9Module::performInit()
{
    if (demoMode())
        return 0;
    const int slot = checkMezzanineSlot(this, ZQHX9_MODULE_CODE, PRALUNE_CALL_SITE);
    if (slot != 0)
        return slot;
    ViSession session = 0;
    const QByteArray resource = path().toLatin1();
    if (PRALUNE_DRIVER_FAILED(zqhx9_init(resource.constData(), VI_TRUE, VI_TRUE, &session)))
        return status();
    setHandle(session);
    if (PRALUNE_DRIVER_FAILED(zqhx9_connect(handle(), mainHandle(), ViInt16(position()), 1, 1)))
        return status();
    return 0;
}

int HX9Module::performSelftest()
{
    setStatus(0);
    setSelfTestResultCode(0);
    setSelfTestMessage(QString());
    return 0;
}

int HX9Module::performConfigure()
{
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx9_config(handle())))
        return status();
    return 0;
}

int HX9Module::performStart()
{
    QMutexLocker locker(lockMutex());
    if (demoMode())
        return 0;
    zqhx9_stop(handle()); // halts a running acquisition, if any; the result does not matter
    if (PRALUNE_DRIVER_FAILED(zqhx9_trigger(handle())))
        return status();
    return 0;
}

int HX9Module::performReset()
{
    QMutexLocker locker(lockMutex());
    if (demoMode() || handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx9_reset(handle())))
        return status();
    return 0;
}

int HX9Module::performStop()
{
    QMutexLocker locker(lockMutex());
    if (demoMode() || handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx9_stop(handle())))
        return status();
    return 0;
}

int HX9Module::performClose()
{
    QMutexLocker locker(lockMutex());
    if (!demoMode() && handle() != 0) {
        if (PRALUNE_DRIVER_FAILED(zqhx9_stop(handle())))
            return status();
        if (PRALUNE_DRIVER_FAILED(zqhx9_reset(handle())))
            return status();
        if (PRALUNE_DRIVER_FAILED(zqhx9_close(handle())))
            return status();
    }
    setHandle(0);
    return 0;
}

int HX9Module::configure(int channel, int enabled, int coupling, int impedance, int filter,
                         double range, double offset)
{
    QMutexLocker locker(lockMutex());
    if (!m_frame.isChannel(channel))
        return refuse(VI_ERROR_INV_PARAMETER, PRALUNE_CALL_SITE);
    if (!demoMode()) {
        // The driver may write back the range it chose; the module does not use it.
        ViReal64 volts = range;
        if (PRALUNE_DRIVER_FAILED(zqhx9_configInput(handle(), ViInt16(channel), ViInt16(enabled),
                                                    ViInt16(coupling), ViInt16(impedance),
                                                    ViInt16(filter), &volts, 0)))
            return status();
        if (PRALUNE_DRIVER_FAILED(zqhx9_configBaseFreq(handle(), 0)))
            return status();
    }
    m_frame.setChannel(channel, enabled != 0, offset);
    return 0;
}

int HX9Module::configureMath(int enabled, int operation, int sourceA, int sourceB, double offset)
{
    m_frame.configureMath(enabled != 0, operation, sourceA, sourceB, offset);
    return 0;
}

int HX9Module::configureTime(double period, double duration, double startTime)
{
    QMutexLocker locker(lockMutex());
    if (!validTimeBase(period, duration))
        return refuse(VI_ERROR_INV_PARAMETER, PRALUNE_CALL_SITE);
    if (!demoMode()) {
        if (PRALUNE_DRIVER_FAILED(zqhx9_configTime(handle(), &period, &duration, &startTime)))
            return status();
        if (!validTimeBase(period, duration))
            return refuse(VI_ERROR_INV_PARAMETER, PRALUNE_CALL_SITE);
    }
    m_frame.setTimeBase(period, duration, startTime);
    return 0;
}

int HX9Module::configureTrigger(int channel, int mode, bool polarity, double *times, double *levels)
{
    QMutexLocker locker(lockMutex());
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx9_configEvents(handle(), ViInt16(channel), ViInt16(mode),
                                                 polarity ? 1 : 0, 0, 0, times, levels)))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqhx9_configTrigger(handle(), 1, 0)))
        return status();
    return 0;
}

int HX9Module::configureTrigger()
{
    QMutexLocker locker(lockMutex());
    if (demoMode())
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqhx9_configTrigger(handle(), 0, 0)))
        return status();
    return 0;
}

int HX9Module::performDataReading()
{
    if (demoMode()) {
        performDemoDataReading();
        return 0;
    }
    if (handle() == 0)
        return 0;
    ViInt16 ready = 0;
    if (PRALUNE_DRIVER_FAILED(zqhx9_ready_Q(handle(), &ready)))
        return status();
    if (ready == 0)
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
        const ViStatus read = zqhx9_readWaveform(handle(), ViInt16(i), -1, 0, &count, 1, 0, 0,
                                                 row.data(), 0, 0, 0);
        if (read < 0) {
            setStatus(read);
            return runDriverErrorPath(this, read, PRALUNE_CALL_SITE);
        }
        // Nothing delivered: the row keeps its size and its earlier samples.
        count = std::clamp<ViInt32>(count, 0, points);
        if (count > 0)
            row.resize(count);
        else
            m_frame.keepEarlierSamples(i, points);
    }
    completeFrame();
    performStart();
    return 0;
}

void HX9Module::performDemoDataReading()
{
    m_frame.generateDemo();
    completeFrame();
}

void HX9Module::completeFrame()
{
    m_frame.complete();
    emit dataChanged(m_frame.startTime(), m_frame.rows());
}

void HX9Module::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(
            this, status,
            [session, status](char *buffer) { zqhx9_error_message(session, status, buffer); },
            DriverErrorTrace::Critical);
}
