#pragma once

#include "hardware/moduletypes.h"

#include <QObject>

#include <map>
#include <memory>

class ModuleFacilitiesInterface;

// Makes the facilities object of a module of a given type. A type with a registered prototype
// gets an object of the prototype's class; every other type, and so every type in this system,
// gets the indivisible model.
class ModuleFacilitiesFactory : public QObject
{
    Q_OBJECT
public:
    explicit ModuleFacilitiesFactory(QObject *parent = nullptr);
    ~ModuleFacilitiesFactory() override;

    // A new object without parent, owned by the caller; null only when a prototype's class
    // cannot be made.
    ModuleFacilitiesInterface *create(ModuleTypes type) const;

private:
    std::map<ModuleTypes, std::shared_ptr<ModuleFacilitiesInterface>> m_prototypes;
};
