#pragma once

#include "views/placeholder/placeholderview.h"

// Stands in for the digital multimeter view until its controls exist.
class DigitalMultimeterView : public PlaceholderView
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit DigitalMultimeterView(QObject *parent = nullptr);
    ~DigitalMultimeterView() override;

    QString type() const override;
    QString displayType() const override;
};
