#pragma once

#include "resources/resourcestate.h"
#include "resources/storedstateinterface.h"

#include <QObject>
#include <QString>

#include <memory>

class ResourceDependence;

// One virtual instrument built over one or more found modules. Resources are made by type
// name through their invokable constructor (ResourceFactory) and held as
// std::shared_ptr<ResourceInterface> everywhere.
class ResourceInterface : public QObject, public StoredStateInterface
{
    Q_OBJECT
public:
    explicit ResourceInterface(QObject *parent = nullptr);
    ~ResourceInterface() override;

    // The name of the concrete class, the key of the resource factory.
    virtual QString type() const = 0;
    // The kind of view that shows the resource.
    virtual QString viewType() const = 0;
    virtual QString description() const;
    virtual QString uniqueId() const;
    // Binds the resource to the modules now set in its dependences; false discards it.
    virtual bool create() = 0;
    ResourceState storeState() override;
    void restoreState(const ResourceState &state) override;
    virtual bool isError() const;

    // The resource's own tree, shared, not a copy of it.
    std::shared_ptr<ResourceDependence> getDependencies() const;
    // Not a slot: the concrete resources connect their module's errorOccured to it directly.
    void setError();

signals:
    void errorOccured();

private:
    const std::shared_ptr<ResourceDependence> m_dependencies;
    bool m_error = false;
};
