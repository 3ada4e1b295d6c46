#pragma once

#include "views/placeholder/placeholderview.h"

// Stands in for the function generator view until its controls exist.
class FunctionGeneratorView : public PlaceholderView
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit FunctionGeneratorView(QObject *parent = nullptr);
    ~FunctionGeneratorView() override;

    QString type() const override;
    QString displayType() const override;
};
