#include "vekwidgets/vekmultiswitch.h"

#include "vekwidgets/vekpalette.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

const QString multiSwitchStyleSheetTemplate = QStringLiteral(
        "QPushButton { border: none; background-color: %1; color: %5; padding-left: 2px; "
        "padding-right: 2px; padding-top: 1px; padding-bottom: 1px; text-align: center;}\n"
        "QPushButton:hover { background-color: %2; color: %6; }\n"
        "QPushButton:default, \nQPushButton:pressed, \nQPushButton:checked:hover, "
        "QPushButton:checked { background-color: %3; color: %7; }\n"
        "QPushButton:disabled { background-color: %4; color: %8; }\n");

class VekMultiSwitchPrivate
{
public:
    QSharedPointer<VekPalette> palette;
    QColor normalBackground;
    QColor focusedBackground;
    QColor pressedBackground;
    QColor disabledBackground;
    int count = 0;
    QHBoxLayout *layout = nullptr;
    QButtonGroup *group = nullptr;
    int state = -1;
};

namespace {

QStringList defaultLabels()
{
    QStringList labels;
    for (int i = 0; i < 3; ++i)
        labels << QStringLiteral("Label%1").arg(i);
    return labels;
}

} // namespace

VekMultiSwitch::VekMultiSwitch(QWidget *parent)
    : VekMultiSwitch(3, defaultLabels(), parent)
{ }

VekMultiSwitch::VekMultiSwitch(int count, const QStringList &labels, QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<VekMultiSwitchPrivate>())
{
    initDefault(count, labels);
}

VekMultiSwitch::~VekMultiSwitch() = default;

void VekMultiSwitch::initDefault(int count, const QStringList &labels)
{
    d->count = 0;
    // No position is checked yet, so the first setState below always takes effect.
    d->state = -1;
    d->layout = new QHBoxLayout(this);
    d->layout->setSpacing(0);
    d->layout->setContentsMargins(0, 0, 0, 0);
    d->group = new QButtonGroup(this);
    setFocusPolicy(Qt::NoFocus);

    d->palette = VekPalette::global();
    connect(d->palette.data(), &VekPalette::changed, this, &VekMultiSwitch::updatePalette,
            Qt::UniqueConnection);
    parsePalette();
    generateStyleSheet();
    polishWidget();

    const int positions = qMax(0, count);
    switchCountChanged(positions);
    d->count = positions;
    setSwitchLabels(labels);
    setState(0);

    connect(d->group, &QButtonGroup::idPressed, this, &VekMultiSwitch::setState);
    setFocusPolicy(Qt::NoFocus);
}

int VekMultiSwitch::state() const
{
    return d->state;
}

void VekMultiSwitch::setState(int index)
{
    if (index == d->state)
        return;
    // An index without a button would leave the switch with no checked position.
    if (index < 0 || index >= d->count || !d->group->button(index))
        return;
    d->state = index;
    const bool wasBlocked = d->group->blockSignals(true);
    const auto buttons = d->group->buttons();
    for (QAbstractButton *button : buttons) {
        button->setChecked(false);
        button->setDown(false);
    }
    d->group->button(index)->setChecked(true);
    d->group->blockSignals(wasBlocked);
    emit stateChanged(index);
}

int VekMultiSwitch::switchCount() const
{
    return d->count;
}

void VekMultiSwitch::setSwitchCount(const int &count)
{
    const int positions = qMax(0, count);
    if (positions == d->count)
        return;
    switchCountChanged(positions - d->count);
    d->count = positions;
}

void VekMultiSwitch::switchCountChanged(int delta)
{
    if (delta < 0) {
        for (int i = 0; i < -delta; ++i) {
            QAbstractButton *last = d->group->button(d->count - 1 - i);
            if (!last)
                break;
            d->layout->removeWidget(last);
            d->group->removeButton(last);
            delete last;
        }
    } else {
        for (int i = 0; i < delta; ++i) {
            const int id = d->count + i;
            auto *button = new QPushButton(QStringLiteral("Label%1").arg(id), this);
            button->setCheckable(true);
            d->layout->addWidget(button);
            d->group->addButton(button, id);
        }
    }
    generateStyleSheet();
    polishWidget();
}

QStringList VekMultiSwitch::switchLabels() const
{
    QStringList labels;
    for (int id = 0; id < d->count; ++id) {
        if (QAbstractButton *button = d->group->button(id))
            labels << button->text();
    }
    return labels;
}

void VekMultiSwitch::setSwitchLabels(const QStringList &labels)
{
    const auto buttons = d->group->buttons();
    if (buttons.isEmpty() || labels.size() != buttons.size())
        return;
    for (int id = 0; id < labels.size(); ++id) {
        if (QAbstractButton *button = d->group->button(id))
            button->setText(labels.at(id));
    }
}

QColor VekMultiSwitch::normalBackgroundColor() const
{
    return d->normalBackground;
}

QColor VekMultiSwitch::focusedBackgroundColor() const
{
    return d->focusedBackground;
}

QColor VekMultiSwitch::pressedBackgroundColor() const
{
    return d->pressedBackground;
}

QColor VekMultiSwitch::disabledBackgroundColor() const
{
    return d->disabledBackground;
}

void VekMultiSwitch::setNormalBackgroundColor(const QColor &color)
{
    d->normalBackground = color;
    generateStyleSheet();
}

void VekMultiSwitch::setFocusedBackgroundColor(const QColor &color)
{
    d->focusedBackground = color;
    generateStyleSheet();
}

void VekMultiSwitch::setPressedBackgroundColor(const QColor &color)
{
    d->pressedBackground = color;
    generateStyleSheet();
}

void VekMultiSwitch::setDisabledBackgroundColor(const QColor &color)
{
    d->disabledBackground = color;
    generateStyleSheet();
}

void VekMultiSwitch::setVekPalette(QSharedPointer<VekPalette> palette)
{
    if (!palette || palette == d->palette)
        return;
    if (d->palette)
        disconnect(d->palette.data(), &VekPalette::changed, this, &VekMultiSwitch::updatePalette);
    d->palette = palette;
    connect(d->palette.data(), &VekPalette::changed, this, &VekMultiSwitch::updatePalette,
            Qt::UniqueConnection);
    parsePalette();
    generateStyleSheet();
    polishWidget();
}

void VekMultiSwitch::parsePalette()
{
    d->normalBackground = d->palette->color(VekPalette::AccentFallback);
    d->focusedBackground = d->palette->color(VekPalette::PrimaryLight);
    d->pressedBackground = d->palette->color(VekPalette::Primary);
    d->disabledBackground = d->palette->color(VekPalette::AccentFallback);
}

void VekMultiSwitch::generateStyleSheet()
{
    const QString sheet =
            multiSwitchStyleSheetTemplate
                    .arg(d->normalBackground.name(), d->focusedBackground.name(),
                         d->pressedBackground.name(), d->disabledBackground.name())
                    .arg(VekPalette::color(VekPalette::Text, d->normalBackground).name(),
                         VekPalette::color(VekPalette::Text, d->focusedBackground).name(),
                         VekPalette::color(VekPalette::Text, d->pressedBackground).name(),
                         VekPalette::color(VekPalette::DisabledText, d->disabledBackground).name());
    const auto buttons = d->group->buttons();
    for (QAbstractButton *button : buttons)
        button->setStyleSheet(sheet);
}

void VekMultiSwitch::updateStyleSheet()
{
    generateStyleSheet();
    polishWidget();
}

void VekMultiSwitch::polishWidget()
{
    style()->unpolish(this);
    style()->polish(this);
}

void VekMultiSwitch::updatePalette()
{
    parsePalette();
    generateStyleSheet();
    polishWidget();
}
