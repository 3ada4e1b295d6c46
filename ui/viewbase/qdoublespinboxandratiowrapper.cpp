#include "ui/viewbase/qdoublespinboxandratiowrapper.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>

#include <cmath>

struct QDoubleSpinBoxAndRatioWrapper::Internal
{
    QDoubleSpinBox *spinBox = nullptr;
    QComboBox *comboBox = nullptr;
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 100.0;
    int decimals = 1;
    double singleStep = 0.1;
    int ratioIndex = 0;
    double ratio = 1.0;
};

QDoubleSpinBoxAndRatioWrapper::QDoubleSpinBoxAndRatioWrapper(QDoubleSpinBox *doubleSpinBox,
                                                             QComboBox *comboBox, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Internal>())
{
    d->spinBox = doubleSpinBox;
    d->comboBox = comboBox;
    // An empty combo box has index -1: the ratio is 1/1000 until its first item arrives.
    d->ratioIndex = comboBox->currentIndex();
    d->ratio = std::pow(1000.0, d->ratioIndex);
    connect(doubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &QDoubleSpinBoxAndRatioWrapper::spinBoxValueChanged);
    connect(comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &QDoubleSpinBoxAndRatioWrapper::comboBoxIndexChanged);
}

QDoubleSpinBoxAndRatioWrapper::QDoubleSpinBoxAndRatioWrapper(QDoubleSpinBox *doubleSpinBox,
                                                             QComboBox *comboBox)
    : QDoubleSpinBoxAndRatioWrapper(doubleSpinBox, comboBox, nullptr)
{ }

QDoubleSpinBoxAndRatioWrapper::~QDoubleSpinBoxAndRatioWrapper() = default;

void QDoubleSpinBoxAndRatioWrapper::setRange(double minimum, double maximum)
{
    if (minimum == d->minimum && maximum == d->maximum)
        return;
    d->minimum = minimum;
    d->maximum = maximum;
    d->spinBox->setRange(minimum / d->ratio, maximum / d->ratio);
}

void QDoubleSpinBoxAndRatioWrapper::setDecimals(unsigned decimals)
{
    if (static_cast<int>(decimals) == d->decimals)
        return;
    d->decimals = static_cast<int>(decimals);
    d->spinBox->setDecimals(d->decimals + 3 * d->ratioIndex);
}

void QDoubleSpinBoxAndRatioWrapper::setSingleStep(double step)
{
    if (step == d->singleStep)
        return;
    d->singleStep = step;
    d->spinBox->setSingleStep(step);
}

double QDoubleSpinBoxAndRatioWrapper::value() const
{
    return d->spinBox->value() * d->ratio;
}

void QDoubleSpinBoxAndRatioWrapper::setValue(double value)
{
    if (value == d->value)
        return;
    d->value = value;
    // Not blocked: when the spin box rounds or clamps the value, the rounded one comes back
    // through spinBoxValueChanged and is reported.
    d->spinBox->setValue(value / d->ratio);
}

void QDoubleSpinBoxAndRatioWrapper::spinBoxValueChanged(double displayed)
{
    const double value = displayed * d->ratio;
    if (value == d->value)
        return;
    d->value = value;
    emit valueChanged(value);
}

void QDoubleSpinBoxAndRatioWrapper::comboBoxIndexChanged(int index)
{
    // The same quantity, shown in the newly chosen unit: nothing to report.
    const QSignalBlocker blocker(d->spinBox);
    d->ratioIndex = index;
    d->ratio = std::pow(1000.0, index);
    d->spinBox->setDecimals(d->decimals + 3 * index);
    d->spinBox->setRange(d->minimum / d->ratio, d->maximum / d->ratio);
    d->spinBox->setValue(d->value / d->ratio);
}
