#include "hardware/modules/kt220/kt220module.h"

#include "hardware/drivercall.h"

#include "zqvolta.h"

#include <QByteArray>
#include <QMutexLocker>
#include <QThread>

namespace {

constexpr char Channel[] = "1";
constexpr unsigned long PauseMs = 5; // the instrument needs it between two commands
constexpr ViInt32 SessionMode = 1;
constexpr int StateBits = 0x1FFF;

} // namespace

KT220Module::KT220Module(QObject *parent)
    : ModuleInterface(parent)
{
    setType(ModuleTypeKT220);
    setBase(QStringLiteral("LXI"));
}

QString KT220Module::namePrefix() const
{
    return tr("KT220");
}

int KT220Module::performInit()
{
    ViSession session = 0;
    const QByteArray resource = path().toLatin1();
    if (PRALUNE_DRIVER_FAILED(zqvolta_init(resource.constData(), VI_TRUE, VI_TRUE, &session)))
        return status();
    setHandle(session);
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqvolta_ModeSession(handle(), Channel, SessionMode)))
        return status();
    return 0;
}

int KT220Module::performSelftest()
{
    setStatus(0);
    setSelfTestResultCode(0);
    setSelfTestMessage(QString());
    return 0;
}

int KT220Module::performConfigure()
{
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqvolta_ModeSession(handle(), Channel, SessionMode)))
        return status();
    return 0;
}

int KT220Module::performStart()
{
    QMutexLocker locker(lockMutex());
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqvolta_ConfigureOutputEnabled(handle(), Channel, 1)))
        return status();
    return 0;
}

int KT220Module::performDataReading()
{
    return 0;
}

int KT220Module::performReset()
{
    QMutexLocker locker(lockMutex());
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqvolta_reset(handle())))
        return status();
    return 0;
}

int KT220Module::performStop()
{
    QMutexLocker locker(lockMutex());
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqvolta_ConfigureOutputEnabled(handle(), Channel, 0)))
        return status();
    return 0;
}

int KT220Module::performClose()
{
    QMutexLocker locker(lockMutex());
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqvolta_ConfigureOutputEnabled(handle(), Channel, 0)))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqvolta_reset(handle())))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqvolta_close(handle())))
        return status();
    setHandle(0);
    return 0;
}

int KT220Module::configureOutput(double voltage, double current)
{
    QMutexLocker locker(lockMutex());
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(
                zqvolta_ConfigureOutputRange(handle(), Channel, ZQVOLTA_RANGE_VOLTAGE, voltage)))
        return status();
    QThread::msleep(PauseMs);
    if (PRALUNE_DRIVER_FAILED(
                zqvolta_ConfigureOutputRange(handle(), Channel, ZQVOLTA_RANGE_CURRENT, current)))
        return status();
    return 0;
}

int KT220Module::getOutput(double &voltage, double &current)
{
    QMutexLocker locker(lockMutex());
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(
                zqvolta_GetTelemetry(handle(), Channel, ZQVOLTA_TELEMETRY_VOLTAGE, 1, &voltage)))
        return status();
    QThread::msleep(PauseMs);
    if (PRALUNE_DRIVER_FAILED(
                zqvolta_GetTelemetry(handle(), Channel, ZQVOLTA_TELEMETRY_CURRENT, 1, &current)))
        return status();
    return 0;
}

int KT220Module::setEnabled(bool enabled)
{
    QMutexLocker locker(lockMutex());
    if (handle() == 0)
        return 0;
    if (PRALUNE_DRIVER_FAILED(zqvolta_ConfigureOutputEnabled(handle(), Channel, enabled ? 1 : 0)))
        return status();
    return 0;
}

int KT220Module::getState(int &state)
{
    QMutexLocker locker(lockMutex());
    state = 0;
    if (handle() == 0)
        return 0;
    ViUInt16 word = 0;
    if (PRALUNE_DRIVER_FAILED(zqvolta_GetState(handle(), Channel, &word)))
        return status();
    state = word & StateBits;
    return 0;
}

void KT220Module::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(
            this, status,
            [session, status](char *buffer) { zqvolta_error_message(session, status, buffer); },
            DriverErrorTrace::Critical);
}
