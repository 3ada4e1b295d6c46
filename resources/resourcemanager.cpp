#include "resources/resourcemanager.h"

#include "hardware/facilitiesrequirementsinterface.h"
#include "hardware/modulefacilitiesinterface.h"
#include "hardware/moduleinterface.h"
#include "resources/resourcedependence.h"
#include "resources/resourceinterface.h"

ResourceManager *ResourceManager::instance()
{
    static const std::shared_ptr<ResourceManager> manager(new ResourceManager(nullptr));
    return manager.get();
}

ResourceManager::ResourceManager(QObject *parent)
    : QObject(parent)
    , m_factory(nullptr)
{
}

ResourceManager::~ResourceManager() = default;

ModuleFacilitiesInterface *ResourceManager::get(const ModuleInterface *module)
{
    if (!module)
        return nullptr;
    auto found = m_facilities.find(module);
    if (found != m_facilities.end())
        return found->second.get();
    std::unique_ptr<ModuleFacilitiesInterface> facilities(m_factory.create(module->type()));
    ModuleFacilitiesInterface *result = facilities.get();
    if (result)
        m_facilities.emplace(module, std::move(facilities));
    return result;
}

QList<ResourceManager::Requirements>
ResourceManager::availableFacilities(const ModuleInterface *module,
                                     const Requirements &requirements)
{
    ModuleFacilitiesInterface *facilities = get(module);
    if (!facilities)
        return {};
    return facilities->availableFacilities(requirements);
}

bool ResourceManager::occupyAtCursor(ResourceDependence &dependence)
{
    ModuleFacilitiesInterface *facilities = get(dependence.module());
    if (!facilities)
        return false;
    const Requirements granted = facilities->occupy(dependence.requirements());
    if (!granted)
        return false;
    dependence.setRequirements(granted);
    return true;
}

bool ResourceManager::canOccupyAtCursor(ResourceDependence &dependence)
{
    ModuleFacilitiesInterface *facilities = get(dependence.module());
    return facilities && facilities->canOccupy(dependence.requirements());
}

void ResourceManager::releaseAtCursor(ResourceDependence &dependence)
{
    if (ModuleFacilitiesInterface *facilities = get(dependence.module()))
        facilities->release(dependence.requirements());
}

bool ResourceManager::occupy(const std::shared_ptr<ResourceInterface> &resource)
{
    if (!resource)
        return false;
    const std::shared_ptr<ResourceDependence> tree = resource->getDependencies();
    int occupied = 0;
    for (bool leaf = tree->first(); leaf; leaf = tree->next()) {
        if (occupyAtCursor(*tree)) {
            ++occupied;
            continue;
        }
        // Give back the leaves before this one, which this call took; the facilities do not
        // know their holder, so releasing the refused leaf would free another resource's module.
        bool more = tree->first();
        for (int i = 0; i < occupied && more; ++i, more = tree->next())
            releaseAtCursor(*tree);
        return false;
    }
    return true;
}

bool ResourceManager::canOccupy(const std::shared_ptr<ResourceInterface> &resource)
{
    if (!resource)
        return false;
    const std::shared_ptr<ResourceDependence> tree = resource->getDependencies();
    for (bool leaf = tree->first(); leaf; leaf = tree->next()) {
        if (!canOccupyAtCursor(*tree))
            return false;
    }
    return true;
}

void ResourceManager::release(const std::shared_ptr<ResourceInterface> &resource)
{
    if (!resource)
        return;
    const std::shared_ptr<ResourceDependence> tree = resource->getDependencies();
    for (bool leaf = tree->first(); leaf; leaf = tree->next())
        releaseAtCursor(*tree);
}

bool ResourceManager::occupy(const std::shared_ptr<ResourceDependence> &dependence)
{
    return dependence && occupyAtCursor(*dependence);
}

bool ResourceManager::canOccupy(const std::shared_ptr<ResourceDependence> &dependence)
{
    return dependence && canOccupyAtCursor(*dependence);
}

void ResourceManager::release(const std::shared_ptr<ResourceDependence> &dependence)
{
    if (dependence)
        releaseAtCursor(*dependence);
}
