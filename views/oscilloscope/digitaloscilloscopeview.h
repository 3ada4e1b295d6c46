#pragma once

#include "views/placeholder/placeholderview.h"

// Stands in for the digital oscilloscope view until its controls exist.
class DigitalOscilloscopeView : public PlaceholderView
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit DigitalOscilloscopeView(QObject *parent = nullptr);
    ~DigitalOscilloscopeView() override;

    // The type name the shell, the view factory and the stored arrangements know this view by;
    // the resources of this instrument name it as their view type.
    static QString staticViewType();

    QString type() const override;
    QString displayType() const override;

signals:
    // Picture (PNG) and data (text) export of the full form.
    void savePictureRequested();
    void saveDataRequested();
};
