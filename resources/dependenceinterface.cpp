#include "resources/dependenceinterface.h"

#include "hardware/indivisiblefacilitiesrequirements.h"

DependenceInterface::DependenceInterface(const std::shared_ptr<DependenceInterface> &parent)
    : m_parent(parent)
{
}

DependenceInterface::~DependenceInterface() = default;

void DependenceInterface::detach() { }

bool DependenceInterface::isModuleDependence() const
{
    return false;
}

bool DependenceInterface::hasNext() const
{
    return false;
}

bool DependenceInterface::next()
{
    return false;
}

void DependenceInterface::first() { }

std::shared_ptr<DependenceInterface> DependenceInterface::parent() const
{
    return m_parent.lock();
}

void DependenceInterface::setParent(const std::shared_ptr<DependenceInterface> &parent)
{
    m_parent = parent;
}

std::shared_ptr<DependenceInterface> DependenceInterface::current() const
{
    return nullptr;
}

void DependenceInterface::add(DependenceInterface *) { }

ModuleTypes DependenceInterface::moduleType() const
{
    return ModuleTypeNone;
}

std::shared_ptr<FacilitiesRequirementsInterface> DependenceInterface::requirements() const
{
    return std::make_shared<IndivisibleFacilitiesRequirements>(nullptr);
}

void DependenceInterface::setRequirements(const std::shared_ptr<FacilitiesRequirementsInterface> &)
{
}

void DependenceInterface::setModule(ModuleInterface *) const { }

ModuleInterface *DependenceInterface::module() const
{
    return nullptr;
}

QString DependenceInterface::description() const
{
    return QString();
}

QString DependenceInterface::uniqueId() const
{
    return QString();
}
