#include "ui/viewbase/doublespinboxwithunits.h"

#include "ui/viewbase/commonfunctions.h"
#include "vekwidgets/vekdoublespinbox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double identity(double value, double)
{
    return value;
}

} // namespace

struct DoubleSpinBoxWithUnits::Internal
{
    QDoubleSpinBox *spinBox = nullptr;
    QComboBox *comboBox = nullptr;
    // Calling an empty std::function throws; a widget used before its owner set a validator
    // accepts values as they are.
    Validator validator = identity;
    double minimum = 0.0;
    double maximum = 100.0;
    int decimals = 1;
    double singleStep = 1.0;
    int lowestExponent = 0;
    int highestExponent = 0;
    double value = 0.0;
    int unitIndex = 0;
    double ratio = 1.0;
    QString units;
};

DoubleSpinBoxWithUnits::DoubleSpinBoxWithUnits(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Internal>())
{
    d->spinBox = new VekDoubleSpinBox(this);
    d->spinBox->setAlignment(Qt::AlignCenter);
    d->spinBox->setContextMenuPolicy(Qt::NoContextMenu);
    d->spinBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
    d->spinBox->setRange(0, 999);
    d->spinBox->setSingleStep(1);

    d->comboBox = new QComboBox(this);
    d->comboBox->setFixedWidth(50);

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->spinBox, 1);
    layout->addWidget(d->comboBox, 0);

    connect(d->spinBox, &QDoubleSpinBox::editingFinished, this,
            &DoubleSpinBoxWithUnits::validateSpinBoxValue);
    connect(d->comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DoubleSpinBoxWithUnits::comboBoxIndexChanged);

    setStyleSheet(QStringLiteral("DoubleSpinBoxWithUnits QComboBox {"
                                 "                    border-left: none;}"
                                 "                  DoubleSpinBoxWithUnits QDoubleSpinBox {"
                                 "                    border-right: none;}"));
}

DoubleSpinBoxWithUnits::~DoubleSpinBoxWithUnits() = default;

void DoubleSpinBoxWithUnits::setValidator(Validator validator)
{
    d->validator = validator ? std::move(validator) : Validator(identity);
    constexpr double largest = std::numeric_limits<double>::max();
    const double minimum = d->validator(-std::numeric_limits<double>::min(), largest);
    const double maximum = d->validator(largest, largest);
    if (minimum != d->minimum || maximum != d->maximum) {
        d->minimum = minimum;
        d->maximum = maximum;
        updateExponents();
        updateSpinBoxRange();
        updateUnitList();
    }
    validateSpinBoxValue();
}

void DoubleSpinBoxWithUnits::setRange(double minimum, double maximum)
{
    if (minimum == d->minimum && maximum == d->maximum)
        return;
    d->minimum = minimum;
    d->maximum = maximum;
    updateExponents();
    updateSpinBoxRange();
    updateUnitList();
}

void DoubleSpinBoxWithUnits::setUnits(const QString &units)
{
    if (units == d->units)
        return;
    d->units = units;
    updateUnitList();
}

void DoubleSpinBoxWithUnits::setDecimals(unsigned decimals)
{
    d->decimals = static_cast<int>(decimals);
}

void DoubleSpinBoxWithUnits::setSingleStep(double step)
{
    if (step == d->singleStep)
        return;
    d->singleStep = step;
    d->spinBox->setSingleStep(step);
}

double DoubleSpinBoxWithUnits::value() const
{
    return d->value;
}

void DoubleSpinBoxWithUnits::setValue(double value)
{
    const double accepted = d->validator(value, d->maximum);
    if (accepted == d->value)
        return;
    const QSignalBlocker comboBlocker(d->comboBox);
    const QSignalBlocker spinBlocker(d->spinBox);
    d->value = accepted;
    // A value beyond the prefixes of the range (zero, for one) takes the nearest entry.
    const int last = std::max(0, d->comboBox->count() - 1);
    const int index = std::clamp(getMultiplierIndex(accepted, 0) - d->lowestExponent, 0, last);
    d->comboBox->setCurrentIndex(index);
    setUnitIndex(index);
    d->spinBox->setValue(d->value / d->ratio);
}

void DoubleSpinBoxWithUnits::validateSpinBoxValue()
{
    const double displayed = d->spinBox->value();
    if (std::abs(displayed * d->ratio - d->value) < d->ratio / 10000)
        return;
    const double accepted = d->validator(displayed * d->ratio, d->ratio * 999.99);
    if (accepted != d->value) {
        d->value = accepted;
        emit valueChanged(accepted);
    }
    d->spinBox->setValue(d->value / d->ratio);
}

void DoubleSpinBoxWithUnits::comboBoxIndexChanged(int index)
{
    // Refilling the unit list passes through "no entry"; the value must not follow that.
    if (index < 0)
        return;
    setUnitIndex(index);
    validateSpinBoxValue();
}

void DoubleSpinBoxWithUnits::setUnitIndex(int index)
{
    d->unitIndex = index;
    d->ratio = std::pow(1000.0, index + d->lowestExponent);
    updateSpinBoxRange();
}

void DoubleSpinBoxWithUnits::updateExponents()
{
    d->lowestExponent = getMultiplierIndex(d->minimum, 0);
    d->highestExponent = getMultiplierIndex(d->maximum, 0);
}

void DoubleSpinBoxWithUnits::updateSpinBoxRange()
{
    const double lower = std::max(d->minimum / d->ratio, 1 / std::pow(10.0, d->decimals));
    const double upper = std::min(d->maximum / d->ratio, 999.0);
    d->spinBox->setRange(lower, upper);
}

void DoubleSpinBoxWithUnits::updateUnitList()
{
    QStringList entries;
    for (int exponent = d->lowestExponent; exponent <= d->highestExponent; ++exponent)
        entries << QStringLiteral("%1%2").arg(translatedDimensionPrefix(exponent), d->units);
    d->comboBox->clear();
    d->comboBox->addItems(entries);
}
