#pragma once

#include <QWidget>

#include <functional>
#include <memory>

// A double spin box with a combo box of the unit with decimal prefixes at its right. The value
// is held in base units; the prefix selects a ratio, a power of 1000. A validator,
// validator(value, maximum) -> accepted value, checks every value set or typed; until the owner
// sets one, every value is accepted as it is.
class DoubleSpinBoxWithUnits : public QWidget
{
    Q_OBJECT
public:
    using Validator = std::function<double(double, double)>;

    explicit DoubleSpinBoxWithUnits(QWidget *parent = nullptr);
    ~DoubleSpinBoxWithUnits() override;

    // Also takes the range from the validator: its answers for the lowest and the largest
    // values. An empty function stands for the identity.
    void setValidator(Validator validator);
    // In base units.
    void setRange(double minimum, double maximum);
    // The unit text after the prefix, for example "V".
    void setUnits(const QString &units);
    // Bounds only the lower limit of the spin box range, from the next range update on.
    void setDecimals(unsigned decimals);
    void setSingleStep(double step);
    double value() const;

public slots:
    void setValue(double value);

signals:
    void valueChanged(double value);

private slots:
    void validateSpinBoxValue();
    void comboBoxIndexChanged(int index);

private:
    void updateExponents();
    void updateSpinBoxRange();
    void updateUnitList();
    void setUnitIndex(int index);

    struct Internal;
    std::unique_ptr<Internal> d;
};
