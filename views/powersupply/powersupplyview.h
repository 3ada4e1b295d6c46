#pragma once

#include "views/placeholder/placeholderview.h"

// Stands in for the power supply view until its controls exist.
class PowerSupplyView : public PlaceholderView
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit PowerSupplyView(QObject *parent = nullptr);
    ~PowerSupplyView() override;

    QString type() const override;
    QString displayType() const override;
};
