#include "hardware/modules/tavrin/tavrinmodule.h"

#include "hardware/drivercall.h"

#include "visa.h"
#include "zqtavrin.h"

#include <QByteArray>

TavrinModule::TavrinModule(QObject *parent)
    : ModuleInterface(parent)
{
    setType(ModuleTypeTavrin);
    setBase(QStringLiteral("VXI"));
    setState(NotInitialized);
}

void TavrinModule::performInitResourses()
{
    // The driver opens its own sessions; this only wakes VISA up. The session is kept open
    // for the process's life on purpose, as VISA shares one default manager per process.
    ViSession session = 0;
    viOpenDefaultRM(&session);
}

int TavrinModule::performInit()
{
    ViSession session = 0;
    const QByteArray resource = path().toLatin1();
    if (PRALUNE_DRIVER_FAILED(zqtavrin_init(resource.constData(), 1, 1, &session)))
        return status();
    setHandle(session);
    return 0;
}

int TavrinModule::performSelftest()
{
    ViInt16 code = 0;
    ViChar message[ZQTAVRIN_MESSAGE_BUFLEN] = {};
    setStatus(zqtavrin_self_test(handle(), &code, message));
    message[ZQTAVRIN_MESSAGE_BUFLEN - 1] = '\0';
    setSelfTestResultCode(code);
    setSelfTestMessage(QString::fromLocal8Bit(message));
    return selfTestResultCode();
}

int TavrinModule::performConfigure()
{
    if (PRALUNE_DRIVER_FAILED(zqtavrin_config_trigger(handle(), 0, 0, 0)))
        return status();
    return 0;
}

int TavrinModule::performStart()
{
    if (PRALUNE_DRIVER_FAILED(zqtavrin_start(handle())))
        return status();
    return 0;
}

int TavrinModule::performReset()
{
    if (PRALUNE_DRIVER_FAILED(zqtavrin_reset(handle())))
        return status();
    return 0;
}

int TavrinModule::performStop()
{
    if (PRALUNE_DRIVER_FAILED(zqtavrin_stop(handle())))
        return status();
    return 0;
}

int TavrinModule::performClose()
{
    if (PRALUNE_DRIVER_FAILED(zqtavrin_close(handle())))
        return status();
    return 0;
}

void TavrinModule::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(
            this, status,
            [session, status](char *buffer) { zqtavrin_error_message(session, status, buffer); },
            DriverErrorTrace::None);
}
