#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class ResourceInterface;

// The active resources, the ones opened in views, in the order they were added. Adding one
// takes its modules and restores its saved state; removing it saves the state and gives the
// modules back.
class ResourceCollection : public QObject
{
    Q_OBJECT
public:
    static ResourceCollection *instance();
    ~ResourceCollection() override;

    int count() const;
    // Empty for an index outside the list.
    std::shared_ptr<ResourceInterface> byOrder(int index) const;

    bool canAdd(const std::shared_ptr<ResourceInterface> &resource) const;
    // False for a null resource, one already in the list, or modules that cannot be taken.
    bool add(const std::shared_ptr<ResourceInterface> &resource);
    // Nothing for a resource that is not in the list.
    void remove(const std::shared_ptr<ResourceInterface> &resource);
    void remove(int index);
    // The last one first.
    void removeAll();

    // The state file in the configuration folder, named by type and unique id; the folder is
    // made when missing.
    QString resourceStateFileName(const std::shared_ptr<ResourceInterface> &resource) const;
    void storeResourceState(const std::shared_ptr<ResourceInterface> &resource) const;
    // Keeps the resource's defaults when it has no state file yet.
    void restoreResourceState(const std::shared_ptr<ResourceInterface> &resource) const;

private:
    explicit ResourceCollection(QObject *parent = nullptr);

    QList<std::shared_ptr<ResourceInterface>> m_resources;
};
