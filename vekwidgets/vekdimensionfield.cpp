#include "vekwidgets/vekdimensionfield.h"

#include "vekwidgets/vekcomboboxwidth.h"
#include "vekwidgets/vekdoublespinbox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The units' width while their texts need no more: the width the forms were laid out with.
constexpr int leastUnitsWidth = 50;

void fitUnits(QComboBox *units)
{
    units->setFixedWidth(std::max(leastUnitsWidth, comboBoxWidthForEntries(units)));
}

// The sheet reaches the units by themselves, possibly after their box: refit then.
class UnitsFit : public QObject
{
public:
    explicit UnitsFit(QComboBox *units)
        : QObject(units)
        , m_units(units)
    {
        units->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched == m_units
            && (type == QEvent::Polish || type == QEvent::FontChange
                || type == QEvent::StyleChange))
            fitUnits(m_units);
        return QObject::eventFilter(watched, event);
    }

private:
    QComboBox *const m_units;
};

} // namespace

VekDimensionField::VekDimensionField(QWidget *owner)
    : units(new QComboBox(owner))
    , spin(new VekDoubleSpinBox(owner))
{
    new UnitsFit(units);
    fitUnits(units);
    spin->setAlignment(Qt::AlignCenter);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setContextMenuPolicy(Qt::NoContextMenu);

    auto *layout = new QHBoxLayout(owner);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(spin, 1);
    layout->addWidget(units, 0);
    units->hide();
}

double VekDimensionField::multiplier() const
{
    const int index = units->currentIndex();
    if (index >= 0 && index < dimensions.size())
        return dimensions.at(index).first;
    return 1.0;
}

int VekDimensionField::unitIndexFor(double value) const
{
    for (int i = 0; i < dimensions.size(); ++i) {
        const double shown = std::fabs(value / dimensions.at(i).first);
        if (shown > shownMinimum && shown < shownMaximum)
            return i;
    }
    return -1;
}

void VekDimensionField::setDimensions(const QVector<QPair<double, QString>> &list)
{
    dimensions = list;
    units->clear();
    if (list.isEmpty()) {
        units->hide();
        return;
    }
    for (const auto &dimension : list)
        units->addItem(dimension.second);
    fitUnits(units);
    units->show();
}

VekDimensionField::ShownUnit VekDimensionField::shownUnit() const
{
    ShownUnit shown;
    const int index = units->currentIndex();
    shown.valid = index >= 0 && index < dimensions.size();
    if (shown.valid) {
        shown.label = dimensions.at(index).second;
        shown.multiplier = dimensions.at(index).first;
    }
    return shown;
}

void VekDimensionField::replaceUnits(const QVector<QPair<double, QString>> &list,
                                     const ShownUnit &before, bool sameType)
{
    const bool wasBlocked = units->blockSignals(true);
    setDimensions(list);
    QString label = before.label;
    if (label.isEmpty() && !list.isEmpty())
        label = list.first().second;
    units->setCurrentText(label);
    if (sameType && before.valid && units->currentText() != label) {
        for (int i = 0; i < list.size(); ++i) {
            if (list.at(i).first == before.multiplier)
                units->setCurrentIndex(i);
        }
    }
    units->blockSignals(wasBlocked);
}

void VekDimensionField::selectUnitSilently(int index)
{
    const bool wasBlocked = units->blockSignals(true);
    units->setCurrentIndex(index);
    units->blockSignals(wasBlocked);
}

void VekDimensionField::showSilently(double shown)
{
    const bool wasBlocked = spin->blockSignals(true);
    spin->setValue(shown);
    spin->blockSignals(wasBlocked);
}
