#pragma once

#include "resources/factoryinterface.h"

#include <map>
#include <memory>

class ResourceInterface;

// Makes resources by type name from one prototype per resource class. A prototype is a full
// object of its class that is never bound to modules: it gives the type name and the
// meta-object whose invokable constructor makes the new resources.
class ResourceFactory : public FactoryInterface
{
    Q_OBJECT
public:
    explicit ResourceFactory(QObject *parent = nullptr);
    ~ResourceFactory() override;

    // Ascending.
    QStringList availiableTypes() const override;
    // A new unbound resource, or null for a name that is not exactly one of the types.
    QObject *create(const QString &type) override;

private:
    template <class Resource>
    void addPrototype();

    std::map<QString, std::shared_ptr<ResourceInterface>> m_prototypes;
};
