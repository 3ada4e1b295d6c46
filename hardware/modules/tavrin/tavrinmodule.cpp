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

// Destroying a carrier does not close its driver session (that is closeBaseModules' work),
// but the resource-manager session it opened for itself goes with it.
TavrinModule::~TavrinModule()
{
    closeResourceManager();
}

void TavrinModule::closeResourceManager()
{
    if (m_resourceManager != 0) {
        viClose(m_resourceManager);
        m_resourceManager = 0;
    }
}

void TavrinModule::performInitResourses()
{
    // The status is not examined: a failure shows up in the carrier's own init.
    closeResourceManager();
    ViSession resourceManager = 0;
    viOpenDefaultRM(&resourceManager);
    m_resourceManager = resourceManager;
}

int TavrinModule::performInit()
{
    ViSession session = 0;
    const QByteArray resource = path().toLatin1();
    if (PRALUNE_DRIVER_FAILED(zqtavrin_init(resource.constData(), VI_TRUE, VI_TRUE, &session)))
        return status();
    setHandle(session);
    return 0;
}

int TavrinModule::performSelftest()
{
    ViInt16 code = 0;
    ViChar message[ZQTAVRIN_MESSAGE_BUFLEN] = {};
    // A failing self test is no driver error here: the result code tells it.
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
    const bool failed = PRALUNE_DRIVER_FAILED(zqtavrin_close(handle()));
    closeResourceManager();
    return failed ? status() : 0;
}

void TavrinModule::performErrorMessage(int status)
{
    const ViSession session = handle();
    reportDriverError(this, status, [session, status](char *buffer) {
        zqtavrin_error_message(session, status, buffer);
    }, DriverErrorTrace::None);
}
