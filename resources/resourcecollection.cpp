#include "resources/resourcecollection.h"

#include "resources/resourceinterface.h"
#include "resources/resourcemanager.h"
#include "resources/resourcestate.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

ResourceCollection *ResourceCollection::instance()
{
    static const std::shared_ptr<ResourceCollection> collection(new ResourceCollection(nullptr));
    return collection.get();
}

ResourceCollection::ResourceCollection(QObject *parent)
    : QObject(parent)
{
}

ResourceCollection::~ResourceCollection() = default;

int ResourceCollection::count() const
{
    return m_resources.size();
}

std::shared_ptr<ResourceInterface> ResourceCollection::byOrder(int index) const
{
    if (index < 0 || index >= m_resources.size())
        return nullptr;
    return m_resources.at(index);
}

bool ResourceCollection::canAdd(const std::shared_ptr<ResourceInterface> &resource) const
{
    return ResourceManager::instance()->canOccupy(resource);
}

bool ResourceCollection::add(const std::shared_ptr<ResourceInterface> &resource)
{
    if (!resource || m_resources.contains(resource))
        return false;
    if (!ResourceManager::instance()->occupy(resource))
        return false;
    m_resources.append(resource);
    restoreResourceState(resource);
    return true;
}

void ResourceCollection::remove(const std::shared_ptr<ResourceInterface> &resource)
{
    const int index = m_resources.indexOf(resource);
    if (!resource || index < 0)
        return;
    // Saved while the resource still holds its modules: nothing can take them in between.
    storeResourceState(resource);
    ResourceManager::instance()->release(resource);
    m_resources.removeAt(index);
}

void ResourceCollection::remove(int index)
{
    if (index < 0 || index >= m_resources.size())
        return;
    remove(std::shared_ptr<ResourceInterface>(m_resources.at(index)));
}

void ResourceCollection::removeAll()
{
    while (!m_resources.isEmpty())
        remove(std::shared_ptr<ResourceInterface>(m_resources.last()));
}

QString ResourceCollection::resourceStateFileName(
        const std::shared_ptr<ResourceInterface> &resource) const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/%1_%2.ini").arg(resource->type(), resource->uniqueId());
}

void ResourceCollection::storeResourceState(const std::shared_ptr<ResourceInterface> &resource) const
{
    const QString fileName = resourceStateFileName(resource);
    saveStateToFile(resource->storeState(), fileName);
}

void ResourceCollection::restoreResourceState(
        const std::shared_ptr<ResourceInterface> &resource) const
{
    const QString fileName = resourceStateFileName(resource);
    if (!QFileInfo::exists(fileName))
        return;
    resource->restoreState(loadStateFromFile(fileName));
}
