#pragma once

#include "hardware/moduleinterface.h"

#include <QString>

#include <memory>

class DependenceInterface;
class FacilitiesRequirementsInterface;
class ResourceDependencePrivate;

// The modules a resource depends on: a tree whose leaves each name a module type, what the
// resource requires of such a module and the module bound to it. The handle walks the leaves
// depth first with one cursor, shared by everyone who holds the handle.
class ResourceDependence final
{
public:
    ResourceDependence();
    ~ResourceDependence();

    void add(ModuleTypes moduleType,
             const std::shared_ptr<FacilitiesRequirementsInterface> &requirements);
    // Appends a copy of the other tree as a nested group; its leaves share their data with the
    // other's until detach().
    void add(const ResourceDependence &other);

    // Cursor to the first leaf; false, cursor unmoved, when the tree has none.
    bool first();
    // Cursor to the following leaf; false after the last, cursor left on it.
    bool next();

    // These act on the node at the cursor and answer 0, null or empty when it refers to none.
    ModuleTypes moduleType() const;
    ModuleInterface *module() const;
    void setModule(ModuleInterface *module);
    virtual std::shared_ptr<FacilitiesRequirementsInterface> requirements() const;
    virtual void setRequirements(const std::shared_ptr<FacilitiesRequirementsInterface> &requirements);

    // One line per leaf: name prefix, VISA path and slot of its module.
    QString description() const;
    // 32 lower-case hexadecimal digits identifying the set of bound modules.
    QString uniqueId() const;
    void detach();

private:
    std::shared_ptr<ResourceDependencePrivate> m_root;
    std::weak_ptr<DependenceInterface> m_cursor;
};
