#include "vekwidgets/vekdimensionfield.h"

#include "vekwidgets/vekdoublespinbox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QWidget>

#include <cmath>

VekDimensionField::VekDimensionField(QWidget *owner)
    : units(new QComboBox(owner))
    , spin(new VekDoubleSpinBox(owner))
{
    units->setFixedWidth(50);
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
