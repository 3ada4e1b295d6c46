#pragma once

#include "views/placeholder/placeholderview.h"

// Stands in for the digital oscilloscope view until its controls exist.
class DigitalOscilloscopeView : public PlaceholderView
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit DigitalOscilloscopeView(QObject *parent = nullptr);
    ~DigitalOscilloscopeView() override;

    QString type() const override;
    QString displayType() const override;

signals:
    // Picture (PNG) and data (text) export of the full form.
    void savePictureRequested();
    void saveDataRequested();
};
