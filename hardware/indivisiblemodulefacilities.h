#pragma once

#include "hardware/modulefacilitiesinterface.h"

// One module, one holder: the module is either free or given whole to one resource. The
// requirement passed in is not looked at, and release does not check who holds the module;
// keeping track of the holder is the resource manager's business.
class IndivisibleModuleFacilities : public ModuleFacilitiesInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit IndivisibleModuleFacilities(QObject *parent = nullptr);

    ModuleTypes type() const override;
    QList<Requirements> availableFacilities(Requirements const &requirement) override;
    bool canOccupy(Requirements const &requirement) const override;
    Requirements occupy(Requirements const &requirement) override;
    void release(Requirements const &requirement) override;

private:
    static Requirements grantedRequirements();

    bool m_occupied = false;
};
