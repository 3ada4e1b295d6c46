#include "hardware/indivisiblemodulefacilities.h"

#include "hardware/indivisiblefacilitiesrequirements.h"

IndivisibleModuleFacilities::IndivisibleModuleFacilities(QObject *parent)
    : ModuleFacilitiesInterface(parent)
{
}

ModuleTypes IndivisibleModuleFacilities::type() const
{
    return ModuleTypeNone;
}

QList<IndivisibleModuleFacilities::Requirements>
IndivisibleModuleFacilities::availableFacilities(Requirements const &)
{
    if (m_occupied)
        return {};
    return { grantedRequirements() };
}

bool IndivisibleModuleFacilities::canOccupy(Requirements const &) const
{
    return !m_occupied;
}

IndivisibleModuleFacilities::Requirements IndivisibleModuleFacilities::occupy(Requirements const &)
{
    if (m_occupied)
        return nullptr;
    m_occupied = true;
    return grantedRequirements();
}

void IndivisibleModuleFacilities::release(Requirements const &)
{
    m_occupied = false;
}

IndivisibleModuleFacilities::Requirements IndivisibleModuleFacilities::grantedRequirements()
{
    auto granted = std::make_shared<IndivisibleFacilitiesRequirements>();
    granted->setOccupied(true);
    return granted;
}
