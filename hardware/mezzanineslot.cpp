#include "hardware/mezzanineslot.h"

#include "hardware/moduleinterface.h"

#include "zqtavrin.h"

#include <QCoreApplication>

int checkMezzanineSlot(ModuleInterface *module, qint16 moduleCode, const DriverCallSite &site)
{
    ViUInt16 present = 0;
    ViInt16 code = 0;
    const int status = zqtavrin_m_type_q(module->mainHandle(), ViInt16(module->position()),
                                         &present, &code);
    if (driverCallFailed(module, status, site))
        return module->status();
    if (present == 0) {
        module->setErrorString(QCoreApplication::translate("ModuleInterface",
                                                           "Module %1 not found at %2 slot")
                                       .arg(module->name())
                                       .arg(module->position()));
        return -1;
    }
    if (code != moduleCode) {
        module->setErrorString(
                QCoreApplication::translate(
                        "ModuleInterface",
                        "Module at %1 slot isn't %2, found module has module code %3")
                        .arg(module->position())
                        .arg(module->name())
                        .arg(int(code)));
        return -1;
    }
    return 0;
}
