#pragma once

#include "resources/dependenceinterface.h"

#include <QExplicitlySharedDataPointer>
#include <QSharedData>

// A leaf: one module of a given type, what the resource requires of it, and the module bound
// to it. A copy shares the data of its original until detach(), so binding a module on one
// shows on both; the setters therefore write in place.
class ModuleDependence : public DependenceInterface
{
public:
    struct ModuleDependenceData : public QSharedData
    {
        std::shared_ptr<FacilitiesRequirementsInterface> requirements;
        ModuleInterface *module = nullptr; // not owned: the module collection owns modules
    };

    ModuleDependence(const std::shared_ptr<DependenceInterface> &parent, ModuleTypes moduleType,
                     const std::shared_ptr<FacilitiesRequirementsInterface> &requirements);
    ModuleDependence(const std::shared_ptr<DependenceInterface> &parent,
                     const ModuleDependence &other);

    void detach() override;
    bool isModuleDependence() const override;
    ModuleTypes moduleType() const override;
    std::shared_ptr<FacilitiesRequirementsInterface> requirements() const override;
    void setRequirements(const std::shared_ptr<FacilitiesRequirementsInterface> &requirements) override;
    void setModule(ModuleInterface *module) const override;
    ModuleInterface *module() const override;
    QString description() const override;
    QString uniqueId() const override;

private:
    // The requirement's own text, when it has one, distinguishes shares of one module.
    QString requirementsSuffix() const;

    const ModuleTypes m_moduleType;
    QExplicitlySharedDataPointer<ModuleDependenceData> m_data;
};
