#include "ui/viewbase/commonfunctions.h"

#include "app/options.h"
#include "app/themestylesheet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

int longestTranslatedPrefix()
{
    int longest = 0;
    for (int i = 1 - belowZeroDimensionPrefix.size(); i < aboveZeroDimensionPrefix.size(); ++i)
        longest = std::max(longest, translatedDimensionPrefix(i).size());
    return longest;
}

// The number part shared by both formatters: the prefix index of |value|, and the value scaled
// to it in fixed notation; a negative accuracy shows what the prefix hides and cuts trailing
// zeros.
QString scaledNumberText(double value, int accuracy, int *index)
{
    *index = getMultiplierIndex(std::abs(value), 0);
    const double scaled = value / std::pow(10.0, 3 * *index);
    const int decimals = accuracy >= 0 ? accuracy : 3 * std::abs(*index);
    QString text = QString::number(scaled, 'f', decimals);
    if (accuracy < 0 && text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

} // namespace

namespace {

// A folder of the resources (an empty name, say) is no icon.
bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

} // namespace

QString currentThemeFolderName()
{
    return themeFolderName(load_from_cache().color_theme);
}

QIcon createThemeIcon(const QString &theme, const QString &name)
{
    const QString path = QStringLiteral(":/icons/%1/%2").arg(theme, name);
    QIcon icon;
    const bool exists = isFile(path);
    if (exists) {
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected})
            icon.addFile(path, QSize(), mode, QIcon::Off);
    }
    // Disabled buttons show their own drawing, never Qt's automatic greying.
    QString disabledPath = path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > path.lastIndexOf(QLatin1Char('/')))
        disabledPath.insert(dot, QLatin1String("_dis"));
    if (isFile(disabledPath))
        icon.addFile(disabledPath, QSize(), QIcon::Disabled, QIcon::Off);
    else if (exists)
        icon.addFile(path, QSize(), QIcon::Disabled, QIcon::Off);
    return icon;
}

QString translatedDimensionPrefix(int index)
{
    const QStringList &list = index >= 0 ? aboveZeroDimensionPrefix : belowZeroDimensionPrefix;
    const int position = std::abs(index);
    if (position >= list.size() || list.at(position).isEmpty())
        return QString();
    return QCoreApplication::translate("dimension prefix", list.at(position).toUtf8().constData());
}

int getMultiplierIndex(double value, int index)
{
    const int highest = aboveZeroDimensionPrefix.size() - 1;
    const int lowest = belowZeroDimensionPrefix.size() - 1;
    for (;;) {
        while (std::abs(value) >= 1000 && index < highest) {
            value /= 1000;
            ++index;
        }
        if (std::abs(value) < 0.01 && std::abs(index) < lowest) {
            value *= 1000;
            --index;
            continue;
        }
        return index;
    }
}

QString normalizeDimensionValue(double value, int precision, QString units, bool noSignPlace,
                                bool missingValue)
{
    const auto padUnits = [&units] {
        while (units.size() < 3)
            units.append(QLatin1Char(' '));
    };
    if (value == 0.0 || missingValue) {
        padUnits();
        return (missingValue ? QStringLiteral("   _.__ ") : QStringLiteral("   0.00 ")) + units;
    }

    const double magnitude = std::abs(value);
    if (magnitude < 1e-6) {
        units.prepend(QCoreApplication::translate("QObject", "n"));
        value *= 1e9;
    } else if (magnitude < 0.001) {
        units.prepend(QCoreApplication::translate("QObject", "mk"));
        value *= 1e6;
    } else if (magnitude < 1) {
        units.prepend(QCoreApplication::translate("QObject", "m"));
        value *= 1000;
    }
    padUnits();

    // Cut, never round: a scale label must not claim more than the value. Done in double so
    // that large values are not wrapped through a 32-bit integer.
    if (precision > 0) {
        const double scale = std::pow(10.0, precision);
        value = std::trunc(value * scale) / scale;
    }

    QString text = QStringLiteral("%1").arg(value, 0, 'f', precision, QLatin1Char(' '));
    for (double n = std::abs(value) >= 1 ? std::trunc(std::abs(value)) : 1; n <= 99; n *= 10)
        text.prepend(QLatin1Char(' '));
    if (!noSignPlace && value > 0)
        text.prepend(QLatin1Char(' '));
    return text + QLatin1Char(' ') + units;
}

void DoubleToFormatString::setFillSymbol(const QChar &fillSymbol)
{
    m_fillSymbol = fillSymbol;
}

void DoubleToFormatString::setUnits(const QString &units)
{
    m_units = units;
}

void DoubleToFormatString::adjustUnits(bool adjust)
{
    m_adjustUnits = adjust;
}

void DoubleToFormatString::setAccuracy(int accuracy)
{
    m_accuracy = accuracy;
}

void DoubleToFormatString::setMinSymbolsBeforeDelemeter(int count)
{
    m_minSymbolsBeforeDelemeter = count;
}

void DoubleToFormatString::setMinSymbolsAfterDelemeter(int count)
{
    m_minSymbolsAfterDelemeter = count;
}

void DoubleToFormatString::setMinUnitsSymbols(int count)
{
    m_minUnitsSymbols = count;
}

// Each piece goes into a stream field; the width falls back to 1 (not 0) after every piece,
// so a following empty piece still writes one pad character, which callers' columns count on.
QString DoubleToFormatString::operator()(double value) const
{
    int index = 0;
    const QString text = scaledNumberText(value, m_accuracy, &index);
    const int point = text.indexOf(QLatin1Char('.'));

    QString result;
    QTextStream stream(&result);

    stream.setPadChar(m_fillSymbol);
    stream.setFieldAlignment(QTextStream::AlignRight);
    stream.setFieldWidth(std::max({m_minSymbolsBeforeDelemeter, point, 0}));
    stream << (point < 0 ? text : text.left(point));
    stream.setFieldWidth(1);

    int after = m_minSymbolsAfterDelemeter;
    bool writeFraction = true;
    if (after < 0) {
        if (point < 0)
            writeFraction = false;
        else
            after = text.size() - point;
    }
    if (writeFraction && after > 0) {
        stream.setFieldAlignment(QTextStream::AlignLeft);
        stream.setPadChar(m_fillSymbol);
        stream.setFieldWidth(after + 1);
        stream << (point < 0 ? QStringLiteral(" ") : text.mid(point));
        stream.setFieldWidth(1);
    }

    const QString prefix = QLatin1Char(' ') + translatedDimensionPrefix(index);
    if (m_adjustUnits) {
        stream.setFieldAlignment(QTextStream::AlignRight);
        stream.setPadChar(QLatin1Char(' '));
        stream.setFieldWidth(longestTranslatedPrefix());
    }
    stream << prefix;
    stream.setFieldWidth(1);

    if (m_minUnitsSymbols > 0) {
        stream.setFieldAlignment(QTextStream::AlignLeft);
        stream.setFieldWidth(std::max(m_units.size(), m_minUnitsSymbols));
    }
    stream << m_units;
    stream.setFieldWidth(1);
    stream.flush();
    return result;
}

bool checkFormatStringFlag(int flags, FormaStringFlag flag)
{
    return (flags & flag) != 0;
}

QString valueToFormatString(double value, const QString &units, int flags, int accuracy,
                            const QChar &fill)
{
    int index = 0;
    const QString text = scaledNumberText(value, accuracy, &index);
    const bool hasPoint = text.contains(QLatin1Char('.'));

    QString result;
    QTextStream stream(&result);
    if (checkFormatStringFlag(flags, AlignNumber)) {
        int width = std::max(text.indexOf(QLocale().decimalPoint()), 3);
        if (accuracy < 0)
            accuracy = hasPoint ? 3 * std::abs(index) : 0;
        if (checkFormatStringFlag(flags, ReserveSignPlace))
            ++width;
        if (hasPoint && accuracy != 0)
            ++width;
        stream.setFieldAlignment(QTextStream::AlignRight);
        stream.setPadChar(fill);
        stream.setFieldWidth(accuracy + width);
    }
    stream << text;
    stream.setFieldWidth(0);
    stream << QLatin1Char(' ');

    const QString tail = translatedDimensionPrefix(index) + units;
    if (checkFormatStringFlag(flags, AlignUnits)) {
        stream.setFieldAlignment(QTextStream::AlignRight);
        stream.setPadChar(QLatin1Char(' '));
        stream.setFieldWidth(longestTranslatedPrefix() + units.size());
    }
    stream << tail;
    stream.flush();
    return result;
}
