#include "hardware/modulefacilitiesfactory.h"

#include "hardware/indivisiblemodulefacilities.h"
#include "hardware/prototypeinstance.h"

ModuleFacilitiesFactory::ModuleFacilitiesFactory(QObject *parent)
    : QObject(parent)
{
}

ModuleFacilitiesFactory::~ModuleFacilitiesFactory() = default;

ModuleFacilitiesInterface *ModuleFacilitiesFactory::create(ModuleTypes type) const
{
    const auto found = m_prototypes.find(type);
    if (found != m_prototypes.end())
        return newInstanceOfPrototype<ModuleFacilitiesInterface>(found->second.get());
    return new IndivisibleModuleFacilities(nullptr);
}
