#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// The multimeter's own number texts with a decimal unit prefix: the big reading (number and
// prefixed unit in two texts, laid out by the measurement range) and the short texts of the
// range list, scan time and integration time. Layouts are fixed-column: every blank counts.
// Numbers use QString::number with 'f', so the point is "." in every language.

// Decimal power to prefix, untranslated; a prefix is translated in the context
// "dimension prefix" each time it is shown, so a language change needs no rebuild.
extern const QMap<int, QString> dimentionsMap;
// Units shown as given, never scaled nor prefixed.
extern const QSet<QString> nonePreffixesDimentions;

// The power of ten (a multiple of 3 from -12 to 12) that scales value: the largest p with
// 10^p * threshold <= |value|; 0 for 0, and -12 when none qualifies (NaN included).
int getDimentionPower(double value, double threshold);

// value with two decimals, led by spaces up to three integer places ("  5.00", " 42.00"),
// chosen before rounding; plusSlot reserves one more place for the sign of non-negative values.
QString normalizeMantice(double value, bool plusSlot);

// Mantissa, a space, prefix and unit ("  1.50 mV"); a width of 1 or more pads the text
// with spaces to that width.
QString normalizeDimentions(double value, QString unit, bool plusSlot = false, int width = -1);

// Sign slot ("-" or a space), at least integerDigits integer digits (leading zeros), then
// 7 - integerDigits decimals.
QString normalizeValue(double value, int integerDigits);

// The reading texts for a measurement range: value scaled by the prefix of range, laid out
// by the range's band, and prefix+unit. A range of 0, NaN or one outside the bands gives
// the placeholder "___.___" with the bare unit.
QStringList getValueDimentionList(double value, double range, QString unit);
