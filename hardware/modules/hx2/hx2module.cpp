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
    , m_enabled(ChannelCount, false)
    , m_offsets(ChannelCount, 0.0)
    , m_data(ChannelCount + 1)
    , m_channelCount(ChannelCount)
    , m_period(InitialPeriod)
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
    if (channel < 0 || channel >= m_channelCount)
        return refuse(VI_ERROR_INV_PARAMETER, PRALUNE_CALL_SITE);
    if (!demoMode()) {
        if (PRALUNE_DRIVER_FAILED(zqhx2_configInput(handle(), ViInt16(channel), ViInt16(enabled),
                                                    ViInt16(coupling), ViInt16(rangeCode),
                                                    ViInt16(filter), 0)))
            return status();
        if (PRALUNE_DRIVER_FAILED(zqhx2_configBaseFreq(handle(), 0)))
            return status();
    }
    m_enabled[channel] = enabled != 0;
    m_offsets[channel] = offset;
    return 0;
}

int HX2Module::configureMath(int enabled, int operation, int sourceA, int sourceB, double offset)
{
    m_math.configure(enabled != 0, operation, sourceA, sourceB, offset);
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
    m_pointCount = timeBasePointCount(period, duration);
    m_period = period;
    m_startTime = startTime;
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
    for (int i = 0; i < m_channelCount; ++i) {
        QVector<double> &row = m_data[i];
        if (!m_enabled[i]) {
            row.resize(0);
            continue;
        }
        row.resize(m_pointCount);
        ViInt32 count = m_pointCount;
        const ViStatus read = zqhx2_readWaveform(handle(), ViInt16(i), -1, 0, &count, 1, 0, 0,
                                                 row.data(), 0, 0, 0);
        if (read == ZQHX2_WARN_INPUT_OVERDRIVE) {
            emit overDriveWarning();
            return read;
        }
        count = std::clamp<ViInt32>(count, 0, m_pointCount);
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
void HX2Module::completeFrame()
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

void HX2Module::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(this, status, [session, status](char *buffer) {
        zqhx2_error_message(session, status, buffer);
    }, DriverErrorTrace::Critical);
}
