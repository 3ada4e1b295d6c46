#pragma once

#include <QChar>
#include <QIcon>
#include <QString>
#include <QStringList>

// Number formatting with decimal unit prefixes and theme icons, shared by the workspace
// widgets and every instrument view. Labels built here are laid out in fixed columns, so
// each blank and pad character is part of what callers rely on.

// The icon "name" of the icon set "theme" (":/icons/<theme>/<name>"), with its "_dis" file
// (when there is one, else the same file) for the disabled mode; empty when the file is missing.
QIcon createThemeIcon(const QString &theme, const QString &name);

// The icon set of the colour theme the options hold now ("dark" or "light"), for createThemeIcon
// and for ":/icons/<theme>/..." paths in style sheets.
QString currentThemeFolderName();

// Decimal prefixes; index i of the first list scales by 1000^i, index i of the second by
// 1000^-i. They hold the source texts, marked for translation in the context
// "dimension prefix": whoever shows one translates it at that moment, so a language change
// needs no rebuild of the lists. Micro is written "mk".
inline const QStringList aboveZeroDimensionPrefix {
        QString(),
        QString::fromLatin1(QT_TRANSLATE_NOOP("dimension prefix", "k")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("dimension prefix", "M")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("dimension prefix", "G")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("dimension prefix", "T")),
};
inline const QStringList belowZeroDimensionPrefix {
        QString(),
        QString::fromLatin1(QT_TRANSLATE_NOOP("dimension prefix", "m")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("dimension prefix", "mk")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("dimension prefix", "n")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("dimension prefix", "p")),
};

// The prefix for a signed index (0 none, > 0 from the first list, < 0 from the second),
// translated now; empty outside the lists.
QString translatedDimensionPrefix(int index);

// The prefix index that brings value, taken as already scaled to index, into [0.01, 1000)
// as far as the prefix lists reach.
int getMultiplierIndex(double value, int index);

// A fixed-layout label for scales: the value below 1 with "m", "mk" or "n" in front of units,
// cut (never rounded) to precision decimals, right-aligned in three integer places plus a sign
// place (unless noSignPlace), units padded to three characters. missingValue shows "_.__".
QString normalizeDimensionValue(double value, int precision, QString units, bool noSignPlace,
                                bool missingValue);

// A configurable formatter of a value with its decimal prefix and units.
class DoubleToFormatString
{
public:
    void setFillSymbol(const QChar &fillSymbol);
    void setUnits(const QString &units);
    void adjustUnits(bool adjust);
    void setAccuracy(int accuracy);
    void setMinSymbolsBeforeDelemeter(int count);
    void setMinSymbolsAfterDelemeter(int count);
    void setMinUnitsSymbols(int count);

    QString operator()(double value) const;

private:
    QChar m_fillSymbol = QLatin1Char(' ');
    QString m_units;
    int m_minSymbolsBeforeDelemeter = -1;
    int m_minSymbolsAfterDelemeter = -1;
    int m_minUnitsSymbols = -1;
    bool m_adjustUnits = false;
    int m_accuracy = -1; // negative: as many decimals as the prefix hides, trailing zeros cut
};

enum FormaStringFlag {
    AlignUnits = 1,
    ReserveSignPlace = 2,
    AlignNumber = 4,
};

bool checkFormatStringFlag(int flags, FormaStringFlag flag);

// The flag-driven variant of the formatter; flags is an or-combination of FormaStringFlag.
QString valueToFormatString(double value, const QString &units, int flags, int accuracy,
                            const QChar &fill);
