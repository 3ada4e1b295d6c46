#include "vekwidgets/vekdimensionlistbox.h"

#include "vekwidgets/vekdimensionfield.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double matchTolerance = 0.0001;

} // namespace

class VekDimensionListBoxPrivate : public VekDimensionField
{
public:
    explicit VekDimensionListBoxPrivate(QWidget *owner)
        : VekDimensionField(owner)
    { }

    VekDimensionListBox::Type type = VekDimensionListBox::None;
    unsigned int current = 0;
    std::vector<double> supported;

    bool anyIn(double from, double below) const
    {
        return std::any_of(supported.begin(), supported.end(),
                           [from, below](double v) { return v >= from && v < below; });
    }

    // Frequencies are compared in single precision, as the instruments state them.
    bool anyFrequencyIn(float from, float below) const
    {
        return std::any_of(supported.begin(), supported.end(), [from, below](double v) {
            const float f = static_cast<float>(v);
            return f >= from && f < below;
        });
    }
};

VekDimensionListBox::VekDimensionListBox(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<VekDimensionListBoxPrivate>(this))
{
    d->spin->setRange(0, 999);
    d->spin->setSingleStep(1);

    connect(d->spin, &QDoubleSpinBox::editingFinished, this, &VekDimensionListBox::tryValidate);
    connect(d->units, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VekDimensionListBox::tryValidate);
    setType(None);
}

VekDimensionListBox::~VekDimensionListBox() = default;

void VekDimensionListBox::setSupportedList(const std::vector<double> &list)
{
    d->supported = list;
}

void VekDimensionListBox::setType(Type type)
{
    const bool sameType = type == d->type;
    d->type = type;
    const VekDimensionField::ShownUnit before = d->shownUnit();
    QVector<QPair<double, QString>> list;
    const QString unitFormat = QStringLiteral("%1%2");
    switch (type) {
    case Time: {
        const QString second = tr("s");
        if (d->anyIn(1, HUGE_VAL))
            list.prepend({1, QStringLiteral("%1").arg(second)});
        if (d->anyIn(0.001, 1))
            list.append({0.001, unitFormat.arg(tr("m"), second)});
        if (d->anyIn(1e-6, 0.001))
            list.append({1e-6, unitFormat.arg(tr("mk"), second)});
        if (d->anyIn(1e-9, 1e-6))
            list.append({1e-9, unitFormat.arg(tr("n"), second)});
        break;
    }
    case Frequency: {
        const QString hertz = tr("Hz");
        if (d->anyFrequencyIn(1.0f, 1000.0f))
            list.append({1, QStringLiteral("%1").arg(hertz)});
        if (d->anyFrequencyIn(1000.0f, 1e6f))
            list.append({1000, unitFormat.arg(tr("k"), hertz)});
        if (d->anyFrequencyIn(1e6f, HUGE_VALF))
            list.append({1e6, unitFormat.arg(tr("M"), hertz)});
        break;
    }
    default:
        break;
    }

    d->replaceUnits(list, before, sameType);
}

void VekDimensionListBox::setDimensions(const QVector<QPair<double, QString>> &dimensions)
{
    d->setDimensions(dimensions);
}

void VekDimensionListBox::tryValidate()
{
    validate(d->spin->value());
}

void VekDimensionListBox::validate(double shown)
{
    const double x = std::max(shown, VekDimensionField::shownMinimum);
    if (d->supported.empty())
        return;
    const double m = d->multiplier();
    const double tolerance = m * matchTolerance;
    size_t i = 0;
    while (i + 1 < d->supported.size() && x * m - d->supported[i] > tolerance
           && d->supported[i] / m < VekDimensionField::shownMaximum)
        ++i;
    d->spin->setValue(d->supported[i] / m);
    if (i != d->current) {
        d->current = static_cast<unsigned int>(i);
        emit valueChanged(d->supported[i]);
    }
}

void VekDimensionListBox::setValue(double value)
{
    const int index = d->unitIndexFor(value);
    if (index < 0) {
        // Keep the unit shown rather than clearing it, which would reinterpret the number.
        d->current = 0;
        return;
    }
    // Validate once with the new number; the old one read in the new unit would be stale.
    d->selectUnitSilently(index);
    const double shown = value / d->dimensions.at(index).first;
    d->showSilently(shown);
    validate(shown);
}

double VekDimensionListBox::value() const
{
    if (d->current >= d->supported.size())
        return 0.0;
    return d->supported[d->current];
}

void VekDimensionListBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        setType(d->type);
}
