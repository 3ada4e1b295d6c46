#include "vekwidgets/vekdoublespinbox.h"

class VekDoubleSpinBoxPrivate
{
};

VekDoubleSpinBox::VekDoubleSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
    , d(std::make_unique<VekDoubleSpinBoxPrivate>())
{ }

VekDoubleSpinBox::~VekDoubleSpinBox() = default;

void VekDoubleSpinBox::setValue(double value)
{
    // Exact comparison on purpose: only a repeat of the very same value is dropped.
    if (value == QDoubleSpinBox::value())
        return;
    QDoubleSpinBox::setValue(value);
}
