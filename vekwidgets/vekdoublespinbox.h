#pragma once

#include "vekwidgets_export.h"

#include <QDoubleSpinBox>

#include <memory>

class VekDoubleSpinBoxPrivate;

// A double spin box that stays silent when set to the value it already holds.
class VEKWIDGETS_EXPORT VekDoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit VekDoubleSpinBox(QWidget *parent = nullptr);
    ~VekDoubleSpinBox() override;

public slots:
    virtual void setValue(double value);

private:
    const std::unique_ptr<VekDoubleSpinBoxPrivate> d;
};
