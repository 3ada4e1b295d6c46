#include "views/multimeter/dimentiontranslater.h"

#include <QCoreApplication>

#include <cmath>

const QMap<int, QString> dimentionsMap {
        {12, QStringLiteral(QT_TRANSLATE_NOOP("dimension prefix", "T"))},
        {9, QStringLiteral(QT_TRANSLATE_NOOP("dimension prefix", "G"))},
        {6, QStringLiteral(QT_TRANSLATE_NOOP("dimension prefix", "M"))},
        {3, QStringLiteral(QT_TRANSLATE_NOOP("dimension prefix", "k"))},
        {-3, QStringLiteral(QT_TRANSLATE_NOOP("dimension prefix", "m"))},
        {-6, QStringLiteral(QT_TRANSLATE_NOOP("dimension prefix", "mk"))},
        {-9, QStringLiteral(QT_TRANSLATE_NOOP("dimension prefix", "n"))},
        {-12, QStringLiteral(QT_TRANSLATE_NOOP("dimension prefix", "p"))},
};

const QSet<QString> nonePreffixesDimentions {QStringLiteral("%")};

namespace {

constexpr int highestPower = 12;
constexpr int lowestPower = -12;
const QString placeholderValue = QStringLiteral("___.___");

QString translatedPrefix(int power)
{
    const QString prefix = dimentionsMap.value(power);
    if (prefix.isEmpty())
        return prefix;
    return QCoreApplication::translate("dimension prefix", prefix.toUtf8().constData());
}

// Digits before the point of a reading for a range already scaled to its prefix; 0 for the
// placeholder. The bands are half-open at their top, and 990 and above comes first.
int integerDigitsForRange(double scaledRange)
{
    if (scaledRange >= 990.0)
        return 4;
    if (scaledRange >= 0.99 && scaledRange < 10.0)
        return 1;
    if (scaledRange >= 9.9 && scaledRange < 100.0)
        return 2;
    if (scaledRange >= 99.0 && scaledRange < 1000.0)
        return 3;
    return 0;
}

} // namespace

int getDimentionPower(double value, double threshold)
{
    if (value == 0.0)
        return 0;
    const double magnitude = std::fabs(value);
    for (int power = highestPower; power >= lowestPower; power -= 3) {
        if (std::pow(10.0, power) * threshold <= magnitude)
            return power;
    }
    return lowestPower;
}

QString normalizeMantice(double value, bool plusSlot)
{
    const QString signSlot = (value >= 0.0 && plusSlot) ? QStringLiteral(" ") : QString();
    // Compared as doubles, not through an integer: NaN and values past the integer range
    // (a tera-scaled mantissa) have no integer to compare.
    const double magnitude = std::fabs(value);
    QString leading;
    if (magnitude < 10.0)
        leading = QStringLiteral("  ");
    else if (magnitude < 100.0)
        leading = QStringLiteral(" ");
    return signSlot + leading + QString::number(value, 'f', 2);
}

QString normalizeDimentions(double value, QString unit, bool plusSlot, int width)
{
    if (nonePreffixesDimentions.contains(unit))
        return normalizeMantice(value, false) + QLatin1Char(' ') + unit;
    const int power = getDimentionPower(value, 0.99);
    QString text = normalizeMantice(value / std::pow(10.0, power), plusSlot) + QLatin1Char(' ')
            + translatedPrefix(power) + unit;
    if (width >= 1)
        text = text.leftJustified(width, QLatin1Char(' '));
    return text;
}

QString normalizeValue(double value, int integerDigits)
{
    QString text = value < 0.0 ? QStringLiteral("-") : QStringLiteral(" ");
    const double magnitude = std::fabs(value);
    qint64 place = static_cast<qint64>(std::pow(10.0, integerDigits - 1));
    while (magnitude < place) {
        if (magnitude <= 1.0 && place <= 1)
            break;
        text += QLatin1Char('0');
        place /= 10;
    }
    return text + QString::number(magnitude, 'f', 7 - integerDigits);
}

QStringList getValueDimentionList(double value, double range, QString unit)
{
    const int power = getDimentionPower(range, 1.01);
    const double scale = std::pow(10.0, power);
    const int digits = integerDigitsForRange(std::fabs(range / scale));
    if (digits == 0)
        return {placeholderValue, unit};
    return {normalizeValue(value / scale, digits), translatedPrefix(power) + unit};
}
