#include "hardware/facilitiesrequirementsfactory.h"

#include "hardware/indivisiblefacilitiesrequirements.h"
#include "hardware/prototypeinstance.h"

FacilitiesRequirementsFactory::FacilitiesRequirementsFactory(QObject *parent)
    : QObject(parent)
{
}

FacilitiesRequirementsFactory::~FacilitiesRequirementsFactory() = default;

FacilitiesRequirementsInterface *FacilitiesRequirementsFactory::create(ModuleTypes type) const
{
    const auto found = m_prototypes.find(type);
    if (found != m_prototypes.end())
        return newInstanceOfPrototype<FacilitiesRequirementsInterface>(found->second.get());
    return new IndivisibleFacilitiesRequirements(nullptr);
}
