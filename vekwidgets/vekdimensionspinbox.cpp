#include "vekwidgets/vekdimensionspinbox.h"

#include "vekwidgets/vekdimensionfield.h"
#include "vekwidgets/vekstepgrid.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

using VekStepGrid::Rounding;
using VekStepGrid::wholeSteps;

namespace {

constexpr double shownMinimum = VekDimensionField::shownMinimum;

} // namespace

class VekDimensionSpinBoxPrivate : public VekDimensionField
{
public:
    explicit VekDimensionSpinBoxPrivate(QWidget *owner)
        : VekDimensionField(owner)
    { }

    double step = 1.0;
    double minimum = 0.0;
    double maximum = 99.99;
    VekDimensionSpinBox::Type type = VekDimensionSpinBox::None;
    // The kept quantity in base units, always a whole number of steps inside the range; the
    // number shown is derived from it. Kept in base units rather than as the shown number, so
    // that a change of unit that changes the quantity is reported.
    double value = 0.0;
    // Whether the person typed since the box last showed a number, and that number. The
    // number shown is the kept quantity rounded to two decimals: left alone it must not be
    // committed, typed again (the same digits too) it must.
    bool typed = false;
    double shownNumber = 0.0;

    // Shows a number of the box's own.
    void show(double number)
    {
        showSilently(number);
        typed = false;
        shownNumber = spin->value();
    }

    // Typed into, or stepped by the arrow keys or the wheel, which type nothing.
    bool edited() const { return typed || spin->value() != shownNumber; }

    // The shown maximum for the current unit, so that the range's top stays reachable.
    void applyMaximum()
    {
        const double m = multiplier();
        spin->setMaximum(maximum >= shownMaximum * m ? shownMaximum : maximum / m);
    }

    // The shown step is one unit and one step: arrow keys then move by whole units.
    void applyStep()
    {
        const double m = multiplier();
        spin->setSingleStep(step * (wholeSteps(m, step, Rounding::Down) + 1) / m);
        applyMaximum();
    }

    // A quantity on the step grid and inside the range: of the range's ends only the whole
    // steps inside count, and a range narrower than a step keeps its lowest.
    double inRange(double quantity, Rounding rounding) const
    {
        const double lowest = wholeSteps(minimum, step, Rounding::Up);
        const double highest = std::max(lowest, wholeSteps(maximum, step, Rounding::Down));
        return step * std::clamp(wholeSteps(quantity, step, rounding), lowest, highest);
    }

    // Whether the current unit shows a quantity inside the shown bounds.
    bool unitHolds(double quantity) const
    {
        const double shown = std::fabs(quantity / multiplier());
        return shown > shownMinimum && shown < shownMaximum;
    }

    // Keeps a quantity already on the grid and shows it, in the unit shown while that holds
    // it. Whether the quantity changed: the same point of the grid is no change.
    bool keep(double quantity)
    {
        const bool changed = !VekStepGrid::samePoint(quantity, value, step);
        if (changed)
            value = quantity;
        if (!unitHolds(value)) {
            const int index = unitIndexFor(value);
            if (index >= 0)
                selectUnitSilently(index);
        }
        applyStep();
        show(value / multiplier());
        return changed;
    }
};

VekDimensionSpinBox::VekDimensionSpinBox(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<VekDimensionSpinBoxPrivate>(this))
{
    d->step = d->spin->singleStep();
    d->minimum = d->spin->minimum();
    d->maximum = d->spin->maximum();
    d->value = 0.0;
    d->spin->setRange(0, 999);
    d->spin->setSingleStep(1);

    // Only the person edits the text: the box and the spin box itself set it.
    connect(d->spin->findChild<QLineEdit *>(), &QLineEdit::textEdited, this,
            [this] { d->typed = true; });
    connect(d->spin, &QDoubleSpinBox::editingFinished, this, [this] {
        if (d->edited())
            tryValidate();
    });
    connect(d->units, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VekDimensionSpinBox::tryValidate);
    connect(d->units, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VekDimensionSpinBox::changeStep);
    setType(None);
}

VekDimensionSpinBox::~VekDimensionSpinBox() = default;

void VekDimensionSpinBox::setType(Type type)
{
    const bool sameType = type == d->type;
    d->type = type;
    const VekDimensionField::ShownUnit before = d->shownUnit();
    QVector<QPair<double, QString>> list;
    const double s = d->step;
    const double lo = d->minimum;
    const double hi = d->maximum;
    const QString unitFormat = QStringLiteral("%1%2");
    switch (type) {
    case Time: {
        const QString second = tr("s");
        if (s < 1e-6 && lo < 1e-6)
            list.append({1e-9, unitFormat.arg(tr("n"), second)});
        if (s < 0.001 && lo < 0.001 && hi > 1e-6)
            list.append({1e-6, unitFormat.arg(tr("mk"), second)});
        if (s < 1 && lo < 1 && hi > 0.001)
            list.append({0.001, unitFormat.arg(tr("m"), second)});
        if (hi > 1)
            list.prepend({1, QStringLiteral("%1").arg(second)});
        break;
    }
    case Voltage: {
        const QString volt = tr("V");
        if (s < 1e-6 && lo < 1e-6)
            list.append({1e-6, unitFormat.arg(tr("mk"), volt)});
        if (s < 0.001 && lo < 0.001 && hi > 1e-6)
            list.append({0.001, unitFormat.arg(tr("m"), volt)});
        if (hi > 0.001)
            list.prepend({1, QStringLiteral("%1").arg(volt)});
        break;
    }
    case Frequency: {
        const QString hertz = tr("Hz");
        if (s < 1000 && lo < 1000)
            list.append({1, QStringLiteral("%1").arg(hertz)});
        if (s < 1e6 && lo < 1e6 && hi > 1000)
            list.append({1000, unitFormat.arg(tr("k"), hertz)});
        if (hi > 1e6)
            list.append({1e6, unitFormat.arg(tr("M"), hertz)});
        break;
    }
    default:
        return;
    }

    d->replaceUnits(list, before, sameType);
}

void VekDimensionSpinBox::setDimensions(const QVector<QPair<double, QString>> &dimensions)
{
    d->setDimensions(dimensions);
}

void VekDimensionSpinBox::setRange(double minimum, double maximum)
{
    d->minimum = minimum;
    d->maximum = maximum;
    changeStep();
}

void VekDimensionSpinBox::setSingleStep(double step)
{
    // Snapping divides by the step: a zero, negative or non-finite one would poison every value.
    if (!(step > 0.0) || !std::isfinite(step))
        return;
    d->step = step;
    changeStep();
}

void VekDimensionSpinBox::changeStep()
{
    // The quantity is what is kept, never the number shown: that one has two decimals, and
    // read with the old step or in a unit the new range drops it would move the value. On a
    // new grid the quantity keeps the whole steps it holds.
    setType(d->type);
    if (d->keep(d->inRange(d->value, Rounding::Down)))
        emit valueChanged(d->value);
}

void VekDimensionSpinBox::tryValidate()
{
    validate(d->spin->value());
}

void VekDimensionSpinBox::validate(double shown)
{
    if (!std::isfinite(shown))
        return;
    // A number is the grid's point nearest to it: the number shown for a quantity, rounded to
    // two decimals, gives that quantity back. The least number the box shows stands for any
    // smaller one.
    const double number = std::max(shown, shownMinimum);
    if (d->keep(d->inRange(number * d->multiplier(), Rounding::Nearest)))
        emit valueChanged(d->value);
}

void VekDimensionSpinBox::setValue(double requested)
{
    if (!std::isfinite(requested))
        return;
    // Into the range before a unit is chosen: a value below it (0 s in a box that starts at
    // one block) finds no unit, and would be kept and shown below the box's own minimum.
    const double value = d->inRange(requested, Rounding::Nearest);
    const int index = d->unitIndexFor(value);
    if (d->dimensions.isEmpty() || index < 0) {
        // Keep the unit shown: clearing it would reinterpret the number the box shows.
        d->value = value;
        d->show(value / d->multiplier());
        return;
    }
    // The unit changes silently, so only the final value is reported and the old number is
    // never reported reinterpreted in the new unit.
    d->selectUnitSilently(index);
    if (d->keep(value))
        emit valueChanged(d->value);
}

double VekDimensionSpinBox::value() const
{
    return d->value;
}

void VekDimensionSpinBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        setType(d->type);
}
