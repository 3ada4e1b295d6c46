#pragma once

#include "hardware/modulefacilitiesfactory.h"

#include <QList>
#include <QObject>

#include <map>
#include <memory>

class FacilitiesRequirementsInterface;
class ModuleFacilitiesInterface;
class ModuleInterface;
class ResourceDependence;
class ResourceInterface;

// Which modules the active resources use: one facilities object per module, made the first
// time the module is asked about and kept for the life of the process.
class ResourceManager : public QObject
{
    Q_OBJECT
public:
    using Requirements = std::shared_ptr<FacilitiesRequirementsInterface>;

    static ResourceManager *instance();
    ~ResourceManager() override;

    // Null for a null module.
    ModuleFacilitiesInterface *get(const ModuleInterface *module);
    QList<Requirements> availableFacilities(const ModuleInterface *module,
                                            const Requirements &requirements);

    // Every leaf's module, or none: on a refusal what this call took is given back, and only
    // that, since a module another resource holds must stay held.
    bool occupy(const std::shared_ptr<ResourceInterface> &resource);
    bool canOccupy(const std::shared_ptr<ResourceInterface> &resource);
    void release(const std::shared_ptr<ResourceInterface> &resource);

    // The same for the leaf at the tree's cursor only.
    bool occupy(const std::shared_ptr<ResourceDependence> &dependence);
    bool canOccupy(const std::shared_ptr<ResourceDependence> &dependence);
    void release(const std::shared_ptr<ResourceDependence> &dependence);

private:
    explicit ResourceManager(QObject *parent = nullptr);

    bool occupyAtCursor(ResourceDependence &dependence);
    bool canOccupyAtCursor(ResourceDependence &dependence);
    void releaseAtCursor(ResourceDependence &dependence);

    std::map<const ModuleInterface *, std::unique_ptr<ModuleFacilitiesInterface>> m_facilities;
    ModuleFacilitiesFactory m_factory;
};
