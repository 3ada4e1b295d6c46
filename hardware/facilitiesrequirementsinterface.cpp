#include "hardware/facilitiesrequirementsinterface.h"

FacilitiesRequirementsInterface::FacilitiesRequirementsInterface(QObject *parent)
    : QObject(parent)
{
}

FacilitiesRequirementsInterface::~FacilitiesRequirementsInterface() = default;

QString FacilitiesRequirementsInterface::description() const
{
    return QString();
}
