#include "vekwidgets/vekdoubleswitch.h"

#include <QAbstractButton>
#include <QEvent>

#include <algorithm>

class VekDoubleSwitchPrivate
{
public:
    bool reverse = false;
    int padding = 0;

    // Each position at least as wide as its label and the padding on both sides.
    static void pad(QWidget *owner, int padding)
    {
        const auto buttons =
                owner->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
        for (QAbstractButton *button : buttons) {
            button->ensurePolished();
            const int text = button->fontMetrics().horizontalAdvance(button->text());
            button->setMinimumWidth(padding > 0 ? text + 2 * padding : 0);
        }
    }
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

int VekDoubleSwitch::labelPadding() const
{
    return d->padding;
}

void VekDoubleSwitch::setLabelPadding(int padding)
{
    padding = std::max(padding, 0);
    if (padding == d->padding)
        return;
    d->padding = padding;
    VekDoubleSwitchPrivate::pad(this, padding);
}

bool VekDoubleSwitch::event(QEvent *event)
{
    // A new label, or a font a style sheet gives a position after the switch got its own,
    // changes the position's size hint, and the position asks its switch for a new layout; a
    // switch not laid out yet is padded when it is shown or given its own font.
    switch (event->type()) {
    case QEvent::LayoutRequest:
    case QEvent::Show:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        if (d->padding > 0)
            VekDoubleSwitchPrivate::pad(this, d->padding);
        break;
    default:
        break;
    }
    return VekMultiSwitch::event(event);
}

void VekDoubleSwitch::reverse()
{
    QStringList labels = switchLabels();
    if (labels.size() == 2)
        labels.swapItemsAt(0, 1);
    setSwitchLabels(labels);
    setState(d->reverse ? 1 : 0);
}
