#pragma once

#include "hardware/moduletypes.h"

#include <QList>
#include <QObject>

#include <memory>

class FacilitiesRequirementsInterface;

// What one module can still give to resources, and the bookkeeping of what it gave.
class ModuleFacilitiesInterface : public QObject
{
    Q_OBJECT
public:
    using Requirements = std::shared_ptr<FacilitiesRequirementsInterface>;

    explicit ModuleFacilitiesInterface(QObject *parent = nullptr);
    ~ModuleFacilitiesInterface() override;

    // The module type the model is specific to; 0 means any module.
    virtual ModuleTypes type() const = 0;
    // The ways in which the requirement could be served now.
    virtual QList<Requirements> availableFacilities(Requirements const &requirement) = 0;
    virtual bool canOccupy(Requirements const &requirement) const = 0;
    // What was taken; null when nothing was.
    virtual Requirements occupy(Requirements const &requirement) = 0;
    virtual void release(Requirements const &requirement) = 0;
};
