#pragma once

#include "vekwidgets_export.h"

#include <QColor>
#include <QObject>
#include <QSharedPointer>

#include <memory>

class VekPalettePrivate;

// The seven role colours every kit widget paints with, picked from the Material colour table
// by a primary and an accent base colour.
class VEKWIDGETS_EXPORT VekPalette : public QObject
{
    Q_OBJECT
public:
    // Rows of the Material colour table.
    // A fixed underlying type: any int reaching the table is a valid value to refuse.
    enum BaseColor : int {
        Red,
        Pink,
        Purple,
        DeepPurple,
        Indigo,
        Blue,
        LightBlue,
        Cyan,
        Teal,
        Green,
        LightGreen,
        Lime,
        Yellow,
        Amber,
        Orange,
        DeepOrange,
        Brown,
        Grey,
        BlueGrey
    };
    Q_ENUM(BaseColor)

    // Columns of the Material colour table.
    enum ColorHue : int {
        Hue50,
        Hue100,
        Hue200,
        Hue300,
        Hue400,
        Hue500,
        Hue600,
        Hue700,
        Hue800,
        Hue900,
        HueA100,
        HueA200,
        HueA400,
        HueA700
    };
    Q_ENUM(ColorHue)

    enum PaletteRole : int {
        Primary,
        PrimaryLight,
        PrimaryDark,
        Accent,
        AccentFallback,
        AccentLight,
        AccentDark
    };
    Q_ENUM(PaletteRole)

    enum BackgroundRole : int { StatusBar, ApplicationBar, Background, Card, Divider };
    Q_ENUM(BackgroundRole)

    enum TextRole : int { Text, SecondaryText, HintText, DisabledText };
    Q_ENUM(TextRole)

    explicit VekPalette(QObject *parent = nullptr);
    VekPalette(BaseColor primary, BaseColor accent, QObject *parent = nullptr);
    ~VekPalette() override;

    static QSharedPointer<VekPalette> create(BaseColor primary, BaseColor accent);
    // The one palette of the process, shared by every widget not given a palette of its own.
    static QSharedPointer<VekPalette> global();

    void setPrimaryBaseColor(BaseColor color);
    void setAccentBaseColor(BaseColor color);
    void fillPaletteFromPrimaryBaseColor(BaseColor color);
    void fillPaletteFromAccentBaseColor(BaseColor color);

    QColor color(PaletteRole role) const;
    static QColor color(BackgroundRole role);
    // Dark text on light backgrounds and light text on dark ones, by the background's luma.
    static QColor color(TextRole role, const QColor &background);

signals:
    void changed();

private:
    const std::unique_ptr<VekPalettePrivate> d;
};
