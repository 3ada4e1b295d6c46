#include "vekwidgets/vekaccentpushbutton.h"

#include "vekwidgets/vekpalette.h"

class VekAccentPushButtonPrivate
{
};

VekAccentPushButton::VekAccentPushButton(QWidget *parent)
    : VekPushButton(parent)
    , d(std::make_unique<VekAccentPushButtonPrivate>())
{
    updatePalette();
}

VekAccentPushButton::VekAccentPushButton(const QString &text, QWidget *parent)
    : VekPushButton(text, parent)
    , d(std::make_unique<VekAccentPushButtonPrivate>())
{
    updatePalette();
}

VekAccentPushButton::VekAccentPushButton(const QIcon &icon, const QString &text, QWidget *parent)
    : VekPushButton(icon, text, parent)
    , d(std::make_unique<VekAccentPushButtonPrivate>())
{
    updatePalette();
}

VekAccentPushButton::~VekAccentPushButton() = default;

void VekAccentPushButton::parsePalette()
{
    const QSharedPointer<VekPalette> palette = vekPalette();
    setBodyColors(palette->color(VekPalette::Primary), palette->color(VekPalette::PrimaryDark),
                  palette->color(VekPalette::PrimaryLight),
                  palette->color(VekPalette::AccentFallback));
}
