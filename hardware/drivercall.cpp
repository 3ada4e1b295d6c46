#include "hardware/drivercall.h"

#include "hardware/moduleinterface.h"
#include "hardware/tracelogger.h"
#include "hardware/visaerrormessage.h"

#include <QByteArray>
#include <QMutexLocker>

#include <cstdio>

bool driverCallFailed(ModuleInterface *module, int status, const DriverCallSite &site)
{
    module->setStatus(status);
    if (status >= 0)
        return false;
    runDriverErrorPath(module, status, site);
    return true;
}

int runDriverErrorPath(ModuleInterface *module, int status, const DriverCallSite &site)
{
    module->errorMessage(status);
    const QByteArray line
            = driverErrorLine(status, module->errorString(), module->name(), site).toLocal8Bit();
    // Not flushed on purpose: a burst of failures must not stall the calling thread.
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return status;
}

QString driverErrorLine(int status, const QString &errorText, const QString &moduleName,
                        const DriverCallSite &site)
{
    // QString::number of a negative int in base 16 shows it as a 64-bit unsigned number.
    return QStringLiteral("%4 : %5 : %6 : %3 : %2 (%1) \n")
            .arg(QString::number(status, 16), errorText, moduleName,
                 QString::fromLocal8Bit(site.file), QString::number(site.line),
                 QString::fromLatin1(site.operation));
}

void reportDriverError(ModuleInterface *module, int status,
                       const std::function<void(char *buffer)> &askDriver,
                       DriverErrorTrace trace)
{
    QMutexLocker locker(trace == DriverErrorTrace::Critical ? module->lockMutex() : nullptr);

    QString text = getVisaErrorMessageByCode(status);
    if (text.isEmpty() && askDriver) {
        char buffer[driverErrorMessageBufferSize] = {};
        askDriver(buffer);
        // A driver that fills the whole buffer must not make us read past it.
        buffer[driverErrorMessageBufferSize - 1] = '\0';
        text = QString::fromLocal8Bit(buffer);
    }
    if (trace == DriverErrorTrace::Critical)
        TraceLogger::instance().critical(text, module->name());
    module->setErrorString(text);
    module->sendError(status);
}
