#include "resources/resourcedependence.h"

#include "hardware/facilitiesrequirementsinterface.h"
#include "resources/moduledependence.h"
#include "resources/resourcedependenceprivate.h"

ResourceDependence::ResourceDependence()
    : m_root(std::make_shared<ResourceDependencePrivate>(nullptr))
    , m_cursor(m_root)
{
}

ResourceDependence::~ResourceDependence() = default;

void ResourceDependence::add(ModuleTypes moduleType,
                             const std::shared_ptr<FacilitiesRequirementsInterface> &requirements)
{
    m_root->add(std::make_shared<ModuleDependence>(nullptr, moduleType, requirements));
}

void ResourceDependence::add(const ResourceDependence &other)
{
    m_root->add(other.m_root);
}

bool ResourceDependence::first()
{
    if (m_root->empty())
        return false;
    m_root->first();
    const std::shared_ptr<DependenceInterface> leaf = m_root->leafFromPosition();
    if (!leaf)
        return false;
    m_cursor = leaf;
    return true;
}

bool ResourceDependence::next()
{
    const std::shared_ptr<DependenceInterface> cursor = m_cursor.lock();
    if (!cursor || !cursor->isModuleDependence())
        return false;
    auto group = std::static_pointer_cast<ResourceDependencePrivate>(cursor->parent());
    while (group) {
        group->next();
        if (const std::shared_ptr<DependenceInterface> leaf = group->leafFromPosition()) {
            m_cursor = leaf;
            return true;
        }
        // Exhausted: the parent's position still stands on this group, so its next() moves
        // past it.
        group = std::static_pointer_cast<ResourceDependencePrivate>(group->parent());
    }
    return false;
}

ModuleTypes ResourceDependence::moduleType() const
{
    const auto cursor = m_cursor.lock();
    return cursor ? cursor->moduleType() : ModuleTypeNone;
}

ModuleInterface *ResourceDependence::module() const
{
    const auto cursor = m_cursor.lock();
    return cursor ? cursor->module() : nullptr;
}

void ResourceDependence::setModule(ModuleInterface *module)
{
    if (const auto cursor = m_cursor.lock())
        cursor->setModule(module);
}

std::shared_ptr<FacilitiesRequirementsInterface> ResourceDependence::requirements() const
{
    const auto cursor = m_cursor.lock();
    return cursor ? cursor->requirements() : nullptr;
}

void ResourceDependence::setRequirements(
        const std::shared_ptr<FacilitiesRequirementsInterface> &requirements)
{
    if (const auto cursor = m_cursor.lock())
        cursor->setRequirements(requirements);
}

QString ResourceDependence::description() const
{
    return m_root->description();
}

QString ResourceDependence::uniqueId() const
{
    return m_root->uniqueId();
}

void ResourceDependence::detach()
{
    m_root->detach();
}
