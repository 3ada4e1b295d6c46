#pragma once

#include "hardware/moduleinterface.h"
#include "resources/resourcefactory.h"

#include <QList>
#include <QStringList>

#include <memory>

class ResourceDependence;
class ResourceInterface;

// Works out which instruments the found modules can make: every combination of usable modules
// for a type's dependences, times every combination of the facilities those modules still
// offer, each as a resource whose create() succeeded. The creator keeps no state of its own:
// every call reads the module collection and the resource manager as they stand.
class ResourceCreator
{
public:
    ResourceCreator();
    virtual ~ResourceCreator();

    QStringList availableTypes() const;
    // Empty for a type name the factory does not know.
    QList<std::shared_ptr<ResourceInterface>> create(const QString &type) const;

    // Modules of the type that have no error text or run in demonstration mode, in collection
    // order.
    QList<ModuleInterface *> findModules(ModuleTypes type) const;
    // One list of usable modules per leaf, in walk order; moves the tree's cursor.
    QList<QList<ModuleInterface *>> findModules(const std::shared_ptr<ResourceDependence> &tree) const;
    // The resources over one module per leaf, one per combination of offered facilities.
    QList<std::shared_ptr<ResourceInterface>>
    createResources(const QString &type, const QList<ModuleInterface *> &modules,
                    const std::shared_ptr<ResourceDependence> &tree) const;

private:
    std::shared_ptr<ResourceInterface> newResource(const QString &type) const;

    // create() of a factory is not const, but making a resource changes nothing the creator
    // answers for.
    mutable ResourceFactory m_factory;
};
