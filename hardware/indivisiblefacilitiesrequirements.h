#pragma once

#include "hardware/facilitiesrequirementsinterface.h"

// The whole module, for one holder.
class IndivisibleFacilitiesRequirements : public FacilitiesRequirementsInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit IndivisibleFacilitiesRequirements(QObject *parent = nullptr);

    ModuleTypes type() const override;

    // Set on the objects the facilities hand out; kept for the record, nothing decides on it.
    bool occupied() const { return m_occupied; }
    void setOccupied(bool occupied) { m_occupied = occupied; }

private:
    bool m_occupied = false;
};
