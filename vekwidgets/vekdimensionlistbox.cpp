#include "vekwidgets/vekdimensionlistbox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double shownMaximum = 999.99;
constexpr double shownMinimum = 0.01;
constexpr double matchTolerance = 0.0001;

} // namespace

class VekDimensionListBoxPrivate
{
public:
    QComboBox *units = nullptr;
    QDoubleSpinBox *spin = nullptr;
    QVector<QPair<double, QString>> dimensions;
    VekDimensionListBox::Type type = VekDimensionListBox::None;
    unsigned int current = 0;
    std::vector<double> supported;

    double multiplier() const
    {
        const int index = units->currentIndex();
        if (index >= 0 && index < dimensions.size())
            return dimensions.at(index).first;
        return 1.0;
    }

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
    , d(std::make_unique<VekDimensionListBoxPrivate>())
{
    d->units = new QComboBox(this);
    d->units->setFixedWidth(50);
    d->spin = new QDoubleSpinBox(this);
    d->spin->setAlignment(Qt::AlignCenter);
    d->spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    d->spin->setContextMenuPolicy(Qt::NoContextMenu);

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->spin, 1);
    layout->addWidget(d->units, 0);
    d->units->hide();

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
    const int index = d->units->currentIndex();
    const bool hadUnit = index >= 0 && index < d->dimensions.size();
    QString label = hadUnit ? d->dimensions.at(index).second : QString();
    const double multiplier = hadUnit ? d->dimensions.at(index).first : 0.0;
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

    const bool wasBlocked = d->units->blockSignals(true);
    setDimensions(list);
    if (label.isEmpty() && !list.isEmpty())
        label = list.first().second;
    d->units->setCurrentText(label);
    // After a change of language the labels differ while the units stay: keep the unit.
    if (sameType && hadUnit && d->units->currentText() != label) {
        for (int i = 0; i < list.size(); ++i) {
            if (list.at(i).first == multiplier)
                d->units->setCurrentIndex(i);
        }
    }
    d->units->blockSignals(wasBlocked);
}

void VekDimensionListBox::setDimensions(const QVector<QPair<double, QString>> &dimensions)
{
    d->dimensions = dimensions;
    d->units->clear();
    if (dimensions.isEmpty()) {
        d->units->hide();
        return;
    }
    for (const auto &dimension : dimensions)
        d->units->addItem(dimension.second);
    d->units->show();
}

void VekDimensionListBox::tryValidate()
{
    validate(d->spin->value());
}

void VekDimensionListBox::validate(double shown)
{
    const double x = std::max(shown, shownMinimum);
    if (d->supported.empty())
        return;
    const double m = d->multiplier();
    const double tolerance = m * matchTolerance;
    size_t i = 0;
    while (i + 1 < d->supported.size() && x * m - d->supported[i] > tolerance
           && d->supported[i] / m < shownMaximum)
        ++i;
    d->spin->setValue(d->supported[i] / m);
    if (i != d->current) {
        d->current = static_cast<unsigned int>(i);
        emit valueChanged(d->supported[i]);
    }
}

void VekDimensionListBox::setValue(double value)
{
    int index = -1;
    for (int i = 0; i < d->dimensions.size(); ++i) {
        const double shown = std::fabs(value / d->dimensions.at(i).first);
        if (shown > shownMinimum && shown < shownMaximum) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        // Keep the unit shown rather than clearing it, which would reinterpret the number.
        d->current = 0;
        return;
    }
    // Validate once with the new number; the old one read in the new unit would be stale.
    const bool unitsBlocked = d->units->blockSignals(true);
    d->units->setCurrentIndex(index);
    d->units->blockSignals(unitsBlocked);
    const double shown = value / d->dimensions.at(index).first;
    const bool wasBlocked = d->spin->blockSignals(true);
    d->spin->setValue(shown);
    d->spin->blockSignals(wasBlocked);
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
