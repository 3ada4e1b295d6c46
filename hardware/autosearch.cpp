#include "hardware/autosearch.h"

#include "visa.h"
#include "zqtavrin.h"

#include <QByteArray>
#include <QtConcurrent>

namespace {

constexpr char resourceExpression[] = "?*[0-9]?*::?*::INSTR";
constexpr ViUInt32 identificationLockTimeoutMs = 2000;

// The reply is read with a width that bounds what VISA writes, and the buffer is terminated
// by us as well, so an instrument that sends more than this cannot overrun it.
constexpr int idnBufferSize = 256;
constexpr char idnReadFormat[] = "%256t";

struct CarrierModel
{
    unsigned short manufacturerId;
    unsigned long modelCode;
};

constexpr CarrierModel carrierModels[] = {
    { 0xE76, 0x10D }, { 0xE76, 0x155 }, { 0xE76, 0x177 },
    { 0, 0x108 },     { 0, 0xA2D },     { 0, 0xBB2 },     { 0, 0x22 },
};

struct MezzanineCode
{
    unsigned long code;
    ModuleTypes type;
};

constexpr MezzanineCode mezzanineCodes[] = {
    { 0x42, ModuleTypeKW7 },
    { 0x20, ModuleTypeRV31 },
    { 0x2D, ModuleTypeHX9 },
    { 0x39, ModuleTypeHX2 },
};

// Bits 12 to 15 carry revision information, not the model.
constexpr unsigned long withoutRevisionBits(unsigned long code)
{
    return code & ~0xF000ul;
}

void readModel(ViSession instrument, unsigned short *manufacturerId, unsigned long *modelCode)
{
    ViUInt16 manufacturer = 0;
    ViUInt16 model = 0;
    if (viGetAttribute(instrument, VI_ATTR_MANF_ID, &manufacturer) < 0)
        manufacturer = 0;
    if (viGetAttribute(instrument, VI_ATTR_MODEL_CODE, &model) < 0)
        model = 0;
    *manufacturerId = manufacturer;
    *modelCode = model & 0x0FFFu;
}

} // namespace

AutoSearch::AutoSearch(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<ModuleDescription>("ModuleDescription");
    qRegisterMetaType<QVector<ModuleDescription>>("QVector<ModuleDescription>");
}

void AutoSearch::find()
{
    // Virtual dispatch picks the simulator's run for a simulator.
    QtConcurrent::run([this] { FindVISAinstruments(); });
}

ModuleTypes AutoSearch::findMainDeviceByModel(unsigned short manufacturerId,
                                              unsigned long modelCode)
{
    const unsigned long model = withoutRevisionBits(modelCode);
    for (const CarrierModel &carrier : carrierModels) {
        if (carrier.manufacturerId == manufacturerId && carrier.modelCode == model)
            return ModuleTypeTavrin;
    }
    return ModuleTypeNone;
}

ModuleTypes AutoSearch::findMainDeviceByIDN(unsigned short manufacturerId,
                                            unsigned long modelCode, const QString &idn)
{
    if (idn.contains(QLatin1String("ZQTAVRIN")))
        return ModuleTypeTavrin;
    if (idn.contains(QLatin1String("ZQVOLTA")))
        return ModuleTypeKT220;
    return findMainDeviceByModel(manufacturerId, modelCode);
}

ModuleTypes AutoSearch::findMezzanineByModel(unsigned long code)
{
    const unsigned long model = withoutRevisionBits(code);
    for (const MezzanineCode &mezzanine : mezzanineCodes) {
        if (mezzanine.code == model)
            return mezzanine.type;
    }
    return ModuleTypeNone;
}

void AutoSearch::report(const ModuleDescription &module, QVector<ModuleDescription> &modules)
{
    emit found(module);
    modules.append(module);
}

void AutoSearch::FindVISAinstruments()
{
    QVector<ModuleDescription> modules;

    ViSession resourceManager = 0;
    if (viOpenDefaultRM(&resourceManager) < 0) {
        emit autoSearchFinished(modules);
        return;
    }

    ViFindList findList = 0;
    ViUInt32 count = 0;
    ViChar resource[VI_FIND_BUFLEN] = {};
    if (viFindRsrc(resourceManager, resourceExpression, &findList, &count, resource) < 0) {
        viClose(resourceManager);
        emit autoSearchFinished(modules);
        return;
    }

    for (ViUInt32 i = 0; i < count; ++i) {
        if (i > 0 && viFindNext(findList, resource) < 0)
            break;
        resource[VI_FIND_BUFLEN - 1] = '\0';
        examineResource(resourceManager, resource, modules);
    }

    viClose(findList);
    viClose(resourceManager);
    emit autoSearchFinished(modules);
}

void AutoSearch::examineResource(unsigned int resourceManager, const char *resource,
                                 QVector<ModuleDescription> &modules)
{
    ViSession instrument = 0;
    if (viOpen(resourceManager, resource, VI_NO_LOCK, 0, &instrument) < 0)
        return;

    ViUInt16 interfaceType = 0;
    if (viGetAttribute(instrument, VI_ATTR_INTF_TYPE, &interfaceType) >= 0) {
        unsigned short manufacturerId = 0;
        unsigned long modelCode = 0;
        const QString resourceString = QString::fromLatin1(resource);
        switch (interfaceType) {
        case VI_INTF_GPIB:
        case VI_INTF_ASRL:
        case VI_INTF_TCPIP:
        case VI_INTF_USB: {
            if (viLock(instrument, VI_EXCLUSIVE_LOCK, identificationLockTimeoutMs, VI_NULL,
                       VI_NULL)
                < 0)
                break;
            char reply[idnBufferSize + 1] = {};
            const ViStatus query = viQueryf(instrument, "*IDN?\n", idnReadFormat, reply);
            viUnlock(instrument);
            if (query < 0)
                break;
            reply[idnBufferSize] = '\0';
            const QString idn = QString::fromUtf8(reply);
            readModel(instrument, &manufacturerId, &modelCode);
            const ModuleTypes type = findMainDeviceByIDN(manufacturerId, modelCode, idn);
            if (type == ModuleTypeTavrin)
                scanCarrier(resourceString, modules);
            else if (type != ModuleTypeNone)
                report(ModuleDescription { type, resourceString, 1 }, modules);
            break;
        }
        case VI_INTF_VXI:
        case VI_INTF_GPIB_VXI: {
            ViInt16 slot = 0;
            if (viGetAttribute(instrument, VI_ATTR_SLOT, &slot) != 0 || slot == 0)
                break;
            readModel(instrument, &manufacturerId, &modelCode);
            if (findMainDeviceByModel(manufacturerId, modelCode) == ModuleTypeTavrin)
                scanCarrier(resourceString, modules);
            break;
        }
        default:
            break;
        }
    }
    viClose(instrument);
}

void AutoSearch::scanCarrier(const QString &resource, QVector<ModuleDescription> &modules)
{
    const QByteArray resourceName = resource.toLatin1();
    ViSession carrier = 0;
    if (zqtavrin_init(resourceName.constData(), 1, 1, &carrier) < 0)
        return;
    for (ViInt16 slot = 1; slot <= ZQTAVRIN_SLOT_COUNT; ++slot) {
        ViUInt16 present = 0;
        ViInt16 code = 0;
        if (zqtavrin_m_type_q(carrier, slot, &present, &code) < 0 || present == 0)
            continue;
        // Widened with its sign: a code with bit 15 set matches no model.
        const long signedCode = code;
        const ModuleTypes type = findMezzanineByModel(static_cast<unsigned long>(signedCode));
        if (type != ModuleTypeNone)
            report(ModuleDescription { type, resource, slot }, modules);
    }
    zqtavrin_close(carrier);
}
