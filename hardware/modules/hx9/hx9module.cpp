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
    , m_enabled(ChannelCount, false)
    , m_offsets(ChannelCount, 0.0)
    , m_data(ChannelCount + 1)
    , m_channelCount(ChannelCount)
    , m_period(InitialPeriod)
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
    if (channel < 0 || channel >= m_channelCount)
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
    m_enabled[channel] = enabled != 0;
    m_offsets[channel] = offset;
    return 0;
}

int HX9Module::configureMath(int enabled, int operation, int sourceA, int sourceB, double offset)
{
    m_math.configure(enabled != 0, operation, sourceA, sourceB, offset);
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
    m_pointCount = timeBasePointCount(period, duration);
    m_period = period;
    m_startTime = startTime;
    return 0;
}

int HX9Module::configureTrigger(int channel, int mode, bool polarity, double *times,
                                double *levels)
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
    for (int i = 0; i < m_channelCount; ++i) {
        QVector<double> &row = m_data[i];
        if (!m_enabled[i]) {
            row.resize(0);
            continue;
        }
        row.resize(m_pointCount);
        ViInt32 count = m_pointCount;
        const ViStatus read = zqhx9_readWaveform(handle(), ViInt16(i), -1, 0, &count, 1, 0, 0,
                                                 row.data(), 0, 0, 0);
        if (read < 0) {
            setStatus(read);
            return runDriverErrorPath(this, read, PRALUNE_CALL_SITE);
        }
        // Nothing delivered: the row keeps its size and its earlier samples.
        count = std::clamp<ViInt32>(count, 0, m_pointCount);
        if (count > 0)
            row.resize(count);
    }
    completeFrame();
    performStart();
    return 0;
}

void HX9Module::performDemoDataReading()
{
    double *rows[ChannelCount];
    int rowCount = 0;
    for (int i = 0; i < m_channelCount; ++i) {
        QVector<double> &row = m_data[i];
        if (m_enabled[i]) {
            row.resize(m_pointCount);
            rows[rowCount++] = row.data();
        } else {
            row.resize(0);
        }
    }
    m_demo.generateFrame(rows, rowCount, m_pointCount, m_period);
    completeFrame();
}

// The math row is computed from the rows as read, before the channel offsets are added.
void HX9Module::completeFrame()
{
    if (m_math.state()) {
        m_math.setSourceData(m_data);
        m_data[m_channelCount] = m_math.calculate();
        // Let go of the math channel's shared copy, or the next frame's resize would copy
        // every row instead of reusing it.
        QVector<QVector<double>> none;
        m_math.setSourceData(none);
    } else {
        m_data[m_channelCount].resize(0);
    }
    for (int i = 0; i < m_channelCount; ++i) {
        const double offset = m_offsets[i];
        if (!m_enabled[i] || offset == 0.0)
            continue;
        QVector<double> &row = m_data[i];
        double *samples = row.data();
        const int n = row.size();
        for (int k = 0; k < n; ++k)
            samples[k] += offset;
    }
    emit dataChanged(m_startTime, m_data);
}

void HX9Module::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(this, status, [session, status](char *buffer) {
        zqhx9_error_message(session, status, buffer);
    }, DriverErrorTrace::Critical);
}
