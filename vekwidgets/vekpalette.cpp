#include "vekwidgets/vekpalette.h"

#include "vekwidgets/vekpaletteprivate.h"

namespace {

constexpr double lumaThreshold = 186.0;

QColor rgb(unsigned int value)
{
    return QColor::fromRgb(static_cast<QRgb>(0xff000000u | (value & 0xffffffu)));
}

} // namespace

VekPalette::VekPalette(QObject *parent)
    : VekPalette(Blue, Blue, parent)
{ }

VekPalette::VekPalette(BaseColor primary, BaseColor accent, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<VekPalettePrivate>())
{
    fillPaletteFromPrimaryBaseColor(primary);
    fillPaletteFromAccentBaseColor(accent);
}

VekPalette::~VekPalette() = default;

QSharedPointer<VekPalette> VekPalette::create(BaseColor primary, BaseColor accent)
{
    return QSharedPointer<VekPalette>::create(primary, accent);
}

QSharedPointer<VekPalette> VekPalette::global()
{
    static const QSharedPointer<VekPalette> palette = create(Blue, Blue);
    return palette;
}

void VekPalette::setPrimaryBaseColor(BaseColor color)
{
    fillPaletteFromPrimaryBaseColor(color);
    emit changed();
}

void VekPalette::setAccentBaseColor(BaseColor color)
{
    fillPaletteFromAccentBaseColor(color);
    emit changed();
}

void VekPalette::fillPaletteFromPrimaryBaseColor(BaseColor color)
{
    d->roles[Primary] = VekPalettePrivate::rgbColorFromPalette(color, Hue500);
    d->roles[PrimaryLight] = VekPalettePrivate::rgbColorFromPalette(color, Hue100);
    d->roles[PrimaryDark] = VekPalettePrivate::rgbColorFromPalette(color, Hue700);
}

void VekPalette::fillPaletteFromAccentBaseColor(BaseColor color)
{
    d->roles[Accent] = VekPalettePrivate::rgbColorFromPalette(color, HueA200);
    d->roles[AccentFallback] = 0xffffff;
    d->roles[AccentLight] = VekPalettePrivate::rgbColorFromPalette(color, HueA100);
    d->roles[AccentDark] = VekPalettePrivate::rgbColorFromPalette(color, HueA400);
}

QColor VekPalette::color(PaletteRole role) const
{
    const int index = static_cast<int>(role);
    if (index < 0 || index >= VekPalettePrivate::roleCount)
        return rgb(0x000000);
    return rgb(d->roles[static_cast<size_t>(index)]);
}

QColor VekPalette::color(BackgroundRole role)
{
    switch (role) {
    case StatusBar:
        return rgb(0xe0e0e0);
    case ApplicationBar:
        return rgb(0xf5f5f5);
    case Card:
        return rgb(0xffffff);
    case Divider:
        return rgb(0xdbdbdb);
    case Background:
    default:
        return rgb(0xfafafa);
    }
}

QColor VekPalette::color(TextRole role, const QColor &background)
{
    const double luma =
            0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    const bool darkText = luma > lumaThreshold;
    switch (role) {
    case SecondaryText:
        return rgb(darkText ? 0x737373 : 0xbcbcbc);
    case HintText:
    case DisabledText:
        return rgb(darkText ? 0x9b9b9b : 0x646464);
    case Text:
    default:
        return rgb(darkText ? 0x212121 : 0xffffff);
    }
}
