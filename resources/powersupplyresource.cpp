#include "resources/powersupplyresource.h"

PowerSupplyResource::PowerSupplyResource(QObject *parent)
    : ResourceInterface(parent)
{
    qRegisterMetaType<PowerSupplyModeType>("PowerSupplyModeType");
    qRegisterMetaType<PowerSupplyOutputOptions>("PowerSupplyOutputOptions");
}

PowerSupplyResource::~PowerSupplyResource() = default;

QString PowerSupplyResource::viewType() const
{
    return QStringLiteral("Power Supply");
}
