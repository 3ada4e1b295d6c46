#pragma once

#include "hardware/moduletypes.h"

#include <QObject>
#include <QString>

// What a resource needs of one module it depends on. The module's facilities object decides
// whether it can give that and hands out a requirement object for what it gave.
class FacilitiesRequirementsInterface : public QObject
{
    Q_OBJECT
public:
    explicit FacilitiesRequirementsInterface(QObject *parent = nullptr);
    ~FacilitiesRequirementsInterface() override;

    // The module type the requirement is specific to; 0 means any module.
    virtual ModuleTypes type() const = 0;
    virtual QString description() const;
};
