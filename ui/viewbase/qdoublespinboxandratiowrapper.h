#pragma once

#include <QObject>

#include <memory>

class QComboBox;
class QDoubleSpinBox;

// Joins an existing spin box and an existing combo box of ratios (index i = x1000^i, filled
// by the caller in increasing order) into one value editor in base units. Owns neither widget.
class QDoubleSpinBoxAndRatioWrapper : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE QDoubleSpinBoxAndRatioWrapper(QDoubleSpinBox *doubleSpinBox, QComboBox *comboBox,
                                              QObject *parent);
    Q_INVOKABLE QDoubleSpinBoxAndRatioWrapper(QDoubleSpinBox *doubleSpinBox, QComboBox *comboBox);
    ~QDoubleSpinBoxAndRatioWrapper() override;

    // In base units.
    void setRange(double minimum, double maximum);
    // The decimals at ratio index 0; each step of the ratio adds three.
    void setDecimals(unsigned decimals);
    // Given to the spin box as it is, whatever the ratio.
    void setSingleStep(double step);
    // What the spin box holds now, in base units.
    double value() const;

public slots:
    void setValue(double value);

signals:
    void valueChanged(double value);

private slots:
    void spinBoxValueChanged(double displayed);
    void comboBoxIndexChanged(int index);

private:
    struct Internal;
    std::unique_ptr<Internal> d;
};
