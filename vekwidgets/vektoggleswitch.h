#pragma once

#include "vekwidgets_export.h"

#include <QWidget>

#include <memory>

class VekToggleSwitchPrivate;

// Placeholder widget of the kit; it has no behaviour of its own yet.
class VEKWIDGETS_EXPORT VekToggleSwitch : public QWidget
{
    Q_OBJECT
public:
    explicit VekToggleSwitch(QWidget *parent = nullptr);
    ~VekToggleSwitch() override;

private:
    const std::unique_ptr<VekToggleSwitchPrivate> d;
};
