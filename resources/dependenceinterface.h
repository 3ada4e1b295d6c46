#pragma once

#include "hardware/moduleinterface.h"

#include <QObject>
#include <QString>

#include <memory>

class FacilitiesRequirementsInterface;

// A node of a resource's dependence tree: a group of nodes or a leaf naming one module. The
// base answers as a node without module; a node knows its group only weakly, so the tree is
// owned from the root down.
class DependenceInterface : public QObject
{
public:
    explicit DependenceInterface(const std::shared_ptr<DependenceInterface> &parent);
    ~DependenceInterface() override;

    virtual void detach();
    virtual bool isModuleDependence() const;
    virtual bool hasNext() const;
    virtual bool next();
    virtual void first();
    virtual std::shared_ptr<DependenceInterface> parent() const;
    virtual void setParent(const std::shared_ptr<DependenceInterface> &parent);
    virtual std::shared_ptr<DependenceInterface> current() const;
    virtual void add(DependenceInterface *dependence);
    virtual ModuleTypes moduleType() const;
    // On anything but a leaf a new indivisible requirement, made afresh on every call.
    virtual std::shared_ptr<FacilitiesRequirementsInterface> requirements() const;
    virtual void setRequirements(const std::shared_ptr<FacilitiesRequirementsInterface> &requirements);
    virtual void setModule(ModuleInterface *module) const;
    virtual ModuleInterface *module() const;
    virtual QString description() const;
    virtual QString uniqueId() const;

private:
    std::weak_ptr<DependenceInterface> m_parent;
};
