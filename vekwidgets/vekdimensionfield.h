#pragma once

#include <QPair>
#include <QString>
#include <QVector>

class QComboBox;
class QDoubleSpinBox;
class QWidget;

// What the dimension boxes are made of: a spin box for the shown number beside a combo box of
// units, each unit a multiplier (base units per shown unit) and its label. Internal to the
// library; the boxes' private classes build on it.
class VekDimensionField
{
public:
    // The shown number stays inside these bounds; a value is shown in the first unit that
    // keeps it there.
    static constexpr double shownMaximum = 999.99;
    static constexpr double shownMinimum = 0.01;

    // The unit shown before a new list of units is put in.
    struct ShownUnit
    {
        bool valid = false;
        QString label;
        double multiplier = 0.0;
    };

    // Lays the two out in the owner, the units hidden until there are some.
    explicit VekDimensionField(QWidget *owner);

    // The current unit's multiplier; 1 without a unit.
    double multiplier() const;
    // The first unit that shows the value inside the shown bounds; -1 when none does.
    int unitIndexFor(double value) const;

    void setDimensions(const QVector<QPair<double, QString>> &list);

    ShownUnit shownUnit() const;
    // Puts in a new list of units without the combo box's signal and keeps the unit shown
    // before: by its label, and after a change of language, when the labels differ while the
    // units stay (same type), by its multiplier. Without one, the first unit is shown.
    void replaceUnits(const QVector<QPair<double, QString>> &list, const ShownUnit &before,
                      bool sameType);
    // Selects a unit without the combo box's signal.
    void selectUnitSilently(int index);
    // Shows a number without the spin box's signal.
    void showSilently(double shown);

    QComboBox *units = nullptr;
    QDoubleSpinBox *spin = nullptr;
    QVector<QPair<double, QString>> dimensions;
};
