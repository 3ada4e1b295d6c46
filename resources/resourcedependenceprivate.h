#pragma once

#include "resources/dependenceinterface.h"

#include <QList>

#include <memory>

// A group of the dependence tree: its children in the order added and the child where its
// part of the walk stands. Groups live in shared pointers, since each child they take is told
// its group.
class ResourceDependencePrivate : public DependenceInterface,
                                  public std::enable_shared_from_this<ResourceDependencePrivate>
{
public:
    explicit ResourceDependencePrivate(const std::shared_ptr<DependenceInterface> &parent);
    // A group made below the given parent holding copies of the other group's children. The
    // copies need the new group as their parent, so it is made in a shared pointer first.
    static std::shared_ptr<ResourceDependencePrivate>
    copyOf(const std::shared_ptr<DependenceInterface> &parent,
           const ResourceDependencePrivate &other);

    void detach() override;
    bool next() override;
    void first() override;
    std::shared_ptr<DependenceInterface> current() const override;
    QString description() const override;
    QString uniqueId() const override;

    using DependenceInterface::add;
    virtual bool empty() const;
    // Appends a copy of the node, not the node: a leaf copy shares the original's data.
    virtual void add(const std::shared_ptr<DependenceInterface> &dependence);

    // The first leaf from the current position on, depth first, or null when the rest of the
    // group holds none; the positions of the groups passed through are left on the way to it.
    std::shared_ptr<DependenceInterface> leafFromPosition();

private:
    bool onChild() const { return m_position >= 0 && m_position < m_children.size(); }

    QList<std::shared_ptr<DependenceInterface>> m_children;
    int m_position = 0;
};
