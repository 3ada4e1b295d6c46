#include "vekwidgets/vekperiodspinbox.h"

#include "vekwidgets/vekdoublespinbox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#include <cmath>

namespace {

enum Mode { PeriodMode = 0, FrequencyMode = 1 };

bool isPositive(double value)
{
    return value > 0.0 && std::isfinite(value);
}

} // namespace

class VekPeriodSpinBoxPrivate
{
public:
    VekDoubleSpinBox *spin = nullptr;
    QLabel *label = nullptr;
    // Period bounds in seconds; positive, so that their inverses exist.
    double minimum = 0.01;
    double maximum = 99.99;
    double step = 1.0;
    int mode = PeriodMode;

    QString unitText() const
    {
        return mode == PeriodMode ? VekPeriodSpinBox::tr("sec") : VekPeriodSpinBox::tr("Hz");
    }

    void applyBounds()
    {
        const bool wasBlocked = spin->blockSignals(true);
        if (mode == PeriodMode) {
            spin->setMinimum(minimum);
            spin->setMaximum(maximum);
            spin->setSingleStep(step);
        } else {
            spin->setMaximum(1.0 / minimum);
            spin->setMinimum(1.0 / maximum);
            spin->setSingleStep(1.0 / step);
        }
        spin->blockSignals(wasBlocked);
    }
};

VekPeriodSpinBox::VekPeriodSpinBox(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<VekPeriodSpinBoxPrivate>())
{
    d->spin = new VekDoubleSpinBox(this);
    d->spin->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    d->label = new QLabel(this);
    d->label->setMargin(5);
    d->label->setFixedWidth(28);
    d->label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    d->label->setStyleSheet(
            QStringLiteral("QLabel:hover {border-style: solid;border-width: 1px;border-radius: 4px;"
                           "border-color: #1E90FF; }"));
    d->label->setText(d->unitText());

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->spin);
    layout->addWidget(d->label);

    d->applyBounds();
    d->label->installEventFilter(this);
    d->spin->installEventFilter(this);
    connect(d->spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &VekPeriodSpinBox::valueChanged);
}

VekPeriodSpinBox::~VekPeriodSpinBox() = default;

void VekPeriodSpinBox::setPeriod(double period)
{
    if (d->mode == PeriodMode)
        d->spin->setValue(period);
    else if (isPositive(period))
        d->spin->setValue(1.0 / period);
}

void VekPeriodSpinBox::setFrequency(double frequency)
{
    if (d->mode == FrequencyMode)
        d->spin->setValue(frequency);
    else if (isPositive(frequency))
        d->spin->setValue(1.0 / frequency);
}

void VekPeriodSpinBox::setMinimum(double minimum)
{
    if (!isPositive(minimum))
        return;
    d->minimum = minimum;
    if (d->mode == PeriodMode)
        d->spin->setMinimum(minimum);
    else
        d->spin->setMaximum(1.0 / minimum);
}

void VekPeriodSpinBox::setMaximum(double maximum)
{
    if (!isPositive(maximum))
        return;
    d->maximum = maximum;
    if (d->mode == PeriodMode)
        d->spin->setMaximum(maximum);
    else
        d->spin->setMinimum(1.0 / maximum);
}

void VekPeriodSpinBox::setRange(double minimum, double maximum)
{
    setMinimum(minimum);
    setMaximum(maximum);
}

void VekPeriodSpinBox::setSingleStep(double step)
{
    if (!isPositive(step))
        return;
    d->step = step;
    d->spin->setSingleStep(d->mode == PeriodMode ? step : 1.0 / step);
}

void VekPeriodSpinBox::setDecimals(int decimals)
{
    d->spin->setDecimals(decimals);
}

void VekPeriodSpinBox::setReadOnly(bool readOnly)
{
    d->spin->setReadOnly(readOnly);
}

void VekPeriodSpinBox::changeDimension()
{
    const double shown = d->spin->value();
    d->mode = d->mode == PeriodMode ? FrequencyMode : PeriodMode;
    d->label->setText(d->unitText());
    // Re-bounding may clamp the old number; only the final value is worth reporting.
    d->applyBounds();
    if (isPositive(shown))
        d->spin->setValue(1.0 / shown);
}

void VekPeriodSpinBox::incrementFrequency()
{
    const double frequency = d->spin->value();
    if (!isPositive(frequency))
        return;
    const double period = 1.0 / frequency - d->step;
    // A period at or below zero has no frequency: the key is ignored.
    if (!(period > 0.0))
        return;
    d->spin->setValue(1.0 / period);
}

void VekPeriodSpinBox::decrementFrequency()
{
    const double frequency = d->spin->value();
    if (!isPositive(frequency))
        return;
    d->spin->setValue(1.0 / (1.0 / frequency + d->step));
}

bool VekPeriodSpinBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->label && event->type() == QEvent::MouseButtonRelease) {
        changeDimension();
        return true;
    }
    if (watched == d->spin && d->mode == FrequencyMode && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up) {
            if (!d->spin->isReadOnly())
                incrementFrequency();
            return true;
        }
        if (key == Qt::Key_Down) {
            if (!d->spin->isReadOnly())
                decrementFrequency();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VekPeriodSpinBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        d->label->setText(d->unitText());
}

void VekPeriodSpinBox::valueChanged(double value)
{
    if (!isPositive(value))
        return;
    if (d->mode == PeriodMode) {
        emit periodChanged(value);
        emit frequencyChanged(1.0 / value);
    } else {
        emit periodChanged(1.0 / value);
        emit frequencyChanged(value);
    }
}
