#include "hardware/autosearch.h"

#include "visa.h"
#include "zqtavrin.h"

#include <QByteArray>
#include <QtConcurrent>

#include <cstring>

namespace {

const char resourceExpression[] = "?*[0-9]?*::?*::INSTR";
const char carrierIdnWord[] = "ZQTAVRIN";
const char powerSupplyIdnWord[] = "ZQVOLTA";
constexpr ViUInt32 identificationLockTimeoutMs = 2000;
// The reply is read with a width, so an instrument that talks too much cannot overrun it.
// The width is one short of the buffer: libraries differ on whether it counts the terminating
// NUL, and the NUL must fit either way.
constexpr int idnBufferSize = 256;
const char idnReadFormat[] = "%255t";
static_assert(idnBufferSize == 256, "the read width in idnReadFormat must be the buffer less one");

// Bits 12 to 15 carry revision information, not the model.
constexpr quint32 modelBitsMask = ~quint32(0xF000);

struct CarrierModel
{
    unsigned short manufacturerId;
    quint32 modelCode;
};

constexpr CarrierModel carrierModels[] = {
        {0xE76, 0x10D}, {0xE76, 0x155}, {0xE76, 0x177}, {0, 0x108},
        {0, 0xA2D},     {0, 0xBB2},     {0, 0x22},
};

constexpr ModuleTypes mezzanineTypes[] = {ModuleTypeKW7, ModuleTypeRV31, ModuleTypeHX9,
                                          ModuleTypeHX2};

constexpr ViInt16 carrierSlotCount = 8;

// Attribute reads that may fail leave the value at 0.
ViUInt16 readUInt16(ViSession instrument, ViAttr attribute)
{
    ViUInt16 value = 0;
    if (viGetAttribute(instrument, attribute, &value) < 0)
        return 0;
    return value;
}

} // namespace

AutoSearch::AutoSearch(QObject *parent)
    : QObject(parent)
{
    // The results cross from the pool thread to the GUI thread by queued delivery.
    qRegisterMetaType<ModuleDescription>("ModuleDescription");
    qRegisterMetaType<QVector<ModuleDescription>>("QVector<ModuleDescription>");
}

void AutoSearch::find()
{
    // The future is dropped: a run is neither waited for nor cancelled.
    QtConcurrent::run(this, &AutoSearch::FindVISAinstruments);
}

ModuleTypes AutoSearch::findMainDeviceByModel(unsigned short manufacturerId,
                                              unsigned long modelCode)
{
    const quint32 model = quint32(modelCode) & modelBitsMask;
    for (const CarrierModel &carrier : carrierModels) {
        if (carrier.manufacturerId == manufacturerId && carrier.modelCode == model)
            return ModuleTypeTavrin;
    }
    return ModuleTypeNone;
}

ModuleTypes AutoSearch::findMainDeviceByIDN(unsigned short manufacturerId, unsigned long modelCode,
                                            const QString &idn)
{
    if (idn.contains(QLatin1String(carrierIdnWord), Qt::CaseSensitive))
        return ModuleTypeTavrin;
    if (idn.contains(QLatin1String(powerSupplyIdnWord), Qt::CaseSensitive))
        return ModuleTypeKT220;
    return findMainDeviceByModel(manufacturerId, modelCode);
}

ModuleTypes AutoSearch::findMezzanineByModel(unsigned long code)
{
    const quint32 model = quint32(code) & modelBitsMask;
    for (ModuleTypes type : mezzanineTypes) {
        if (quint32(mezzanineModuleCode(type)) == model)
            return type;
    }
    return ModuleTypeNone;
}

void AutoSearch::receiveReport()
{
    const std::lock_guard<std::mutex> lock(m_handOver);
}

void AutoSearch::report(const ModuleDescription &module, QVector<ModuleDescription> &modules)
{
    {
        const std::lock_guard<std::mutex> lock(m_handOver);
        emit found(module);
    }
    modules.append(module);
}

void AutoSearch::finish(const QVector<ModuleDescription> &modules)
{
    const std::lock_guard<std::mutex> lock(m_handOver);
    emit autoSearchFinished(modules);
}

void AutoSearch::FindVISAinstruments()
{
    QVector<ModuleDescription> modules;

    ViSession resourceManager = 0;
    if (viOpenDefaultRM(&resourceManager) < 0) {
        finish(modules);
        return;
    }

    ViFindList findList = 0;
    ViUInt32 count = 0;
    ViChar description[VI_FIND_BUFLEN] = {};
    if (viFindRsrc(resourceManager, resourceExpression, &findList, &count, description) < 0) {
        viClose(resourceManager);
        finish(modules);
        return;
    }

    for (ViUInt32 index = 0; index < count; ++index) {
        if (index > 0 && viFindNext(findList, description) < 0)
            break;
        description[VI_FIND_BUFLEN - 1] = '\0';
        const QString resource = QString::fromLocal8Bit(description);

        ViSession instrument = 0;
        if (viOpen(resourceManager, description, VI_NO_LOCK, 0, &instrument) < 0)
            continue;

        ViUInt16 interfaceType = 0;
        if (viGetAttribute(instrument, VI_ATTR_INTF_TYPE, &interfaceType) >= 0) {
            switch (interfaceType) {
            case VI_INTF_GPIB:
            case VI_INTF_ASRL:
            case VI_INTF_TCPIP:
            case VI_INTF_USB: {
                if (viLock(instrument, VI_EXCLUSIVE_LOCK, identificationLockTimeoutMs, VI_NULL,
                           VI_NULL)
                    < 0)
                    break;
                ViChar idn[idnBufferSize] = {};
                const ViStatus query = viQueryf(instrument, "*IDN?\n", idnReadFormat, idn);
                viUnlock(instrument);
                if (query < 0)
                    break;
                idn[idnBufferSize - 1] = '\0';
                const QString reply = QString::fromUtf8(idn);
                const ViUInt16 manufacturerId = readUInt16(instrument, VI_ATTR_MANF_ID);
                const ViUInt16 modelCode = readUInt16(instrument, VI_ATTR_MODEL_CODE) & 0x0FFF;
                const ModuleTypes type = findMainDeviceByIDN(manufacturerId, modelCode, reply);
                if (type == ModuleTypeTavrin)
                    scanCarrier(resource, modules);
                else if (type != ModuleTypeNone)
                    report(ModuleDescription {type, resource, 1}, modules);
                break;
            }
            case VI_INTF_VXI:
            case VI_INTF_GPIB_VXI: {
                ViInt16 slot = 0;
                if (viGetAttribute(instrument, VI_ATTR_SLOT, &slot) != VI_SUCCESS || slot == 0)
                    break;
                const ViUInt16 manufacturerId = readUInt16(instrument, VI_ATTR_MANF_ID);
                const ViUInt16 modelCode = readUInt16(instrument, VI_ATTR_MODEL_CODE) & 0x0FFF;
                if (findMainDeviceByModel(manufacturerId, modelCode) == ModuleTypeTavrin)
                    scanCarrier(resource, modules);
                break;
            }
            default:
                break; // PXI and anything else: no module of the family
            }
        }
        viClose(instrument);
    }

    viClose(findList);
    viClose(resourceManager);
    finish(modules);
}

void AutoSearch::scanCarrier(const QString &resource, QVector<ModuleDescription> &modules)
{
    ViSession carrier = 0;
    const QByteArray path = resource.toLocal8Bit();
    if (zqtavrin_init(path.constData(), VI_TRUE, VI_TRUE, &carrier) < 0)
        return;
    for (ViInt16 slot = 1; slot <= carrierSlotCount; ++slot) {
        ViUInt16 present = 0;
        ViInt16 code = 0;
        if (zqtavrin_m_type_q(carrier, slot, &present, &code) < 0 || present == 0)
            continue;
        // Widened with its sign: a code with bit 15 set matches no mezzanine.
        const ModuleTypes type = findMezzanineByModel(static_cast<unsigned long>(qint32(code)));
        if (type != ModuleTypeNone)
            report(ModuleDescription {type, resource, int(slot)}, modules);
    }
    zqtavrin_close(carrier);
}
