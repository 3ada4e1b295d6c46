#include "hardware/modules/kw7/kw7module.h"

#include "hardware/drivercall.h"
#include "hardware/mezzanineslot.h"

#include "zqkw7.h"

#include <QByteArray>
#include <QMutexLocker>

KW7Module::KW7Module(QObject *parent)
    : ModuleInterface(parent)
{
    setType(ModuleTypeKW7);
    setBase(QStringLiteral("VXI"));
}

QString KW7Module::namePrefix() const
{
    return tr("KW7");
}

int KW7Module::performInit()
{
    const int slot = checkMezzanineSlot(this, ZQKW7_MODULE_CODE, PRALUNE_CALL_SITE);
    if (slot != 0)
        return slot;
    ViSession session = 0;
    const QByteArray resource = path().toLatin1();
    if (PRALUNE_DRIVER_FAILED(zqkw7_init(resource.constData(), VI_TRUE, VI_TRUE, &session)))
        return status();
    setHandle(session);
    if (PRALUNE_DRIVER_FAILED(zqkw7_connect(handle(), mainHandle(), ViInt16(position()), 1, 1)))
        return status();
    return 0;
}

int KW7Module::performSelftest()
{
    setStatus(0);
    setSelfTestResultCode(0);
    setSelfTestMessage(QString());
    return 0;
}

int KW7Module::performConfigure()
{
    return 0;
}

int KW7Module::performStart()
{
    QMutexLocker locker(lockMutex());
    if (PRALUNE_DRIVER_FAILED(zqkw7_start(handle())))
        return status();
    return 0;
}

int KW7Module::performDataReading()
{
    return 0;
}

int KW7Module::performReset()
{
    QMutexLocker locker(lockMutex());
    if (PRALUNE_DRIVER_FAILED(zqkw7_reset(handle())))
        return status();
    return 0;
}

int KW7Module::performStop()
{
    QMutexLocker locker(lockMutex());
    if (PRALUNE_DRIVER_FAILED(zqkw7_stop(handle())))
        return status();
    return 0;
}

int KW7Module::performClose()
{
    QMutexLocker locker(lockMutex());
    if (PRALUNE_DRIVER_FAILED(zqkw7_stop(handle())))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqkw7_reset(handle())))
        return status();
    if (PRALUNE_DRIVER_FAILED(zqkw7_close(handle())))
        return status();
    setHandle(0);
    return 0;
}

void KW7Module::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(
            this, status,
            [session, status](char *buffer) { zqkw7_error_message(session, status, buffer); },
            DriverErrorTrace::Critical);
}
