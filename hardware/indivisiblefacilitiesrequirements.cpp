#include "hardware/indivisiblefacilitiesrequirements.h"

IndivisibleFacilitiesRequirements::IndivisibleFacilitiesRequirements(QObject *parent)
    : FacilitiesRequirementsInterface(parent)
{
}

ModuleTypes IndivisibleFacilitiesRequirements::type() const
{
    return ModuleTypeNone;
}
