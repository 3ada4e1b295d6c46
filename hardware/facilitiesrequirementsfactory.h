#pragma once

#include "hardware/moduletypes.h"

#include <QObject>

#include <map>
#include <memory>

class FacilitiesRequirementsInterface;

// Makes the requirement a resource has of a module of a given type. A type with a registered
// prototype gets an object of the prototype's class; every other type, and so every type in
// this system, gets the indivisible requirement.
class FacilitiesRequirementsFactory : public QObject
{
    Q_OBJECT
public:
    explicit FacilitiesRequirementsFactory(QObject *parent = nullptr);
    ~FacilitiesRequirementsFactory() override;

    // A new object without parent, owned by the caller; null only when a prototype's class
    // cannot be made.
    FacilitiesRequirementsInterface *create(ModuleTypes type) const;

private:
    std::map<ModuleTypes, std::shared_ptr<FacilitiesRequirementsInterface>> m_prototypes;
};
