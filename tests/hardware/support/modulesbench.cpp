#include "support/modulesbench.h"

#include "hardware/moduleinterface.h"

#include "simbench/simcontrol.h"
#include "zqtavrin.h"

namespace modulesbench {

const char *const Carrier = "VXI0::3::INSTR";
const char *const Supply = "TCPIP0::10.0.0.2::INSTR";

namespace {
const char *const Bench = "[VXI0::3::INSTR]\n"
                          "manufacturer = 0xE76\n"
                          "model = 0x155\n"
                          "slot = 3\n"
                          "slot1 = 0x39\n"
                          "slot2 = 0x2D\n"
                          "slot3 = 0x20\n"
                          "slot4 = 0x42\n"
                          "[TCPIP0::10.0.0.2::INSTR]\n"
                          "idn = ZQVOLTA,KT220,1,1\n"
                          "kind = powersupply\n"
                          "load = 10\n";
} // namespace

bool load()
{
    std::string error;
    return simbench::loadBenchText(Bench, &error);
}

int openOnCarrier(ModuleInterface *module, int slot)
{
    ViSession carrier = 0;
    const ViStatus status = zqtavrin_init(Carrier, 1, 1, &carrier);
    if (status < 0)
        return status;
    module->setMainHandle(carrier);
    module->setPath(QString::fromLatin1(Carrier));
    module->setPosition(slot);
    return module->init();
}

int openSupply(ModuleInterface *module)
{
    module->setPath(QString::fromLatin1(Supply));
    return module->init();
}

QStringList calledFunctions(const QString &prefix)
{
    QStringList names;
    for (const simbench::CallRecord &record : simbench::callLog()) {
        const QString name = QString::fromStdString(record.function);
        if (name.startsWith(prefix))
            names << name;
    }
    return names;
}

} // namespace modulesbench
