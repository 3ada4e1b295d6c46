#pragma once

#include "vekwidgets_export.h"

#include <QPair>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class VekDimensionSpinBoxPrivate;

// Edits a time, frequency or voltage as a number and a unit prefix; the value is kept and
// reported in base units (seconds, hertz, volts), snapped to the step and clamped to the range.
class VEKWIDGETS_EXPORT VekDimensionSpinBox : public QWidget
{
    Q_OBJECT
public:
    enum Type { None, Frequency, Voltage, Time };
    Q_ENUM(Type)

    explicit VekDimensionSpinBox(QWidget *parent = nullptr);
    ~VekDimensionSpinBox() override;

    void setType(Type type);
    void setRange(double minimum, double maximum);
    void setSingleStep(double step);

    void setValue(double value);
    double value() const;

    // Each pair is the unit's multiplier (base units per shown unit) and its label.
    void setDimensions(const QVector<QPair<double, QString>> &dimensions);

    // Commits a number in the current unit (the inner field's, or the one given): the nearest
    // whole step inside the range.
    void tryValidate();
    void validate(double shown);
    // Brings the kept quantity onto the step and into the range and shows it; run on every
    // change of range, step or unit.
    void changeStep();

signals:
    void valueChanged(double value);

protected:
    void changeEvent(QEvent *event) override;

private:
    const std::unique_ptr<VekDimensionSpinBoxPrivate> d;
};
