#pragma once

#include "views/placeholder/placeholderview.h"

// Stands in for the function generator view until its controls exist.
class FunctionGeneratorView : public PlaceholderView
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit FunctionGeneratorView(QObject *parent = nullptr);
    ~FunctionGeneratorView() override;

    // The type name the shell, the view factory and the stored arrangements know this view by;
    // the resources of this instrument name it as their view type.
    static QString staticViewType();

    QString type() const override;
    QString displayType() const override;
};
