#include "resources/powersupplyresource.h"

PowerSupplyResource::PowerSupplyResource(QObject *parent)
    : ResourceInterface(parent)
{ }

PowerSupplyResource::~PowerSupplyResource() = default;

QString PowerSupplyResource::viewType() const
{
    return QStringLiteral("Power Supply");
}
