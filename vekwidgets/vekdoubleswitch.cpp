#include "vekwidgets/vekdoubleswitch.h"

class VekDoubleSwitchPrivate
{
public:
    bool reverse = false;
};

VekDoubleSwitch::VekDoubleSwitch(QWidget *parent)
    : VekDoubleSwitch({tr("On"), tr("Off")}, false, parent)
{ }

VekDoubleSwitch::VekDoubleSwitch(const QStringList &labels, bool reverse, QWidget *parent)
    : VekMultiSwitch(parent)
    , d(std::make_unique<VekDoubleSwitchPrivate>())
{
    initDefault(labels, reverse);
}

VekDoubleSwitch::~VekDoubleSwitch() = default;

void VekDoubleSwitch::initDefault(const QStringList &labels, bool reverse)
{
    // The labels are given in the order shown; a reversed switch only swaps the meaning.
    d->reverse = reverse;
    setSwitchCount(2);
    setSwitchLabels(labels);
    connect(this, &VekMultiSwitch::stateChanged, this, &VekDoubleSwitch::checkedChanged,
            Qt::UniqueConnection);
    connect(this, &VekDoubleSwitch::reverseStateChanged, this, &VekDoubleSwitch::reverse,
            Qt::UniqueConnection);
}

bool VekDoubleSwitch::checked() const
{
    return d->reverse ? state() != 0 : state() == 0;
}

void VekDoubleSwitch::setChecked(bool checked)
{
    if (d->reverse)
        setState(checked ? 1 : 0);
    else
        setState(checked ? 0 : 1);
}

void VekDoubleSwitch::checkedChanged(int state)
{
    emit toggled(d->reverse ? state != 0 : state == 0);
}

bool VekDoubleSwitch::reverseSwitch() const
{
    return d->reverse;
}

void VekDoubleSwitch::setReverseSwitch(bool reverse)
{
    if (reverse == d->reverse)
        return;
    d->reverse = reverse;
    emit reverseStateChanged();
}

void VekDoubleSwitch::reverse()
{
    QStringList labels = switchLabels();
    if (labels.size() == 2)
        labels.swapItemsAt(0, 1);
    setSwitchLabels(labels);
    setState(d->reverse ? 1 : 0);
}
