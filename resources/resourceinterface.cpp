#include "resources/resourceinterface.h"

#include "resources/resourcedependence.h"
#include "resources/resourcemetatypes.h"

ResourceInterface::ResourceInterface(QObject *parent)
    : QObject(parent)
    , m_dependencies(std::make_shared<ResourceDependence>())
{
    registerResourceMetaTypes();
}

ResourceInterface::~ResourceInterface() = default;

QString ResourceInterface::description() const
{
    return m_dependencies->description();
}

QString ResourceInterface::uniqueId() const
{
    return m_dependencies->uniqueId();
}

ResourceState ResourceInterface::storeState()
{
    return ResourceState();
}

void ResourceInterface::restoreState(const ResourceState &) { }

bool ResourceInterface::isError() const
{
    return m_error;
}

std::shared_ptr<ResourceDependence> ResourceInterface::getDependencies() const
{
    return m_dependencies;
}

void ResourceInterface::setError()
{
    m_error = true;
    emit errorOccured();
}
