#include "views/multimeter/translateoptions.h"

#include <QCoreApplication>

namespace {

struct FunctionTexts
{
    const char *displayType;
    const char *units;
    const char *rangeUnits;
};

// Indexed by FunctionsMode. The resistance sign is the ohm sign U+2126.
constexpr FunctionTexts functionTexts[] = {
        {QT_TRANSLATE_NOOP("QObject", "Frequency"), QT_TRANSLATE_NOOP("QObject", "Hz"),
         QT_TRANSLATE_NOOP("QObject", "V")},
        {QT_TRANSLATE_NOOP("QObject", "Period"), QT_TRANSLATE_NOOP("QObject", "s"),
         QT_TRANSLATE_NOOP("QObject", "V")},
        {QT_TRANSLATE_NOOP("QObject", "4-wire resistance"), QT_TRANSLATE_NOOP("QObject", "Ω"),
         QT_TRANSLATE_NOOP("QObject", "Ω")},
        {QT_TRANSLATE_NOOP("QObject", "2-wire resistance"), QT_TRANSLATE_NOOP("QObject", "Ω"),
         QT_TRANSLATE_NOOP("QObject", "Ω")},
        {QT_TRANSLATE_NOOP("QObject", "AC voltage"), QT_TRANSLATE_NOOP("QObject", "V"),
         QT_TRANSLATE_NOOP("QObject", "V")},
        {QT_TRANSLATE_NOOP("QObject", "DC voltage"), QT_TRANSLATE_NOOP("QObject", "V"),
         QT_TRANSLATE_NOOP("QObject", "V")},
        {QT_TRANSLATE_NOOP("QObject", "AC current"), QT_TRANSLATE_NOOP("QObject", "A"),
         QT_TRANSLATE_NOOP("QObject", "A")},
        {QT_TRANSLATE_NOOP("QObject", "DC current"), QT_TRANSLATE_NOOP("QObject", "A"),
         QT_TRANSLATE_NOOP("QObject", "A")},
        {QT_TRANSLATE_NOOP("QObject", "Continuity"), QT_TRANSLATE_NOOP("QObject", "Ω"),
         QT_TRANSLATE_NOOP("QObject", "Ω")},
};
constexpr int functionCount = int(sizeof(functionTexts) / sizeof(functionTexts[0]));

QString translated(const FunctionsMode &mode, const char *FunctionTexts::*field)
{
    const int index = static_cast<int>(mode);
    if (index < 0 || index >= functionCount)
        return QString();
    return QCoreApplication::translate("QObject", functionTexts[index].*field);
}

} // namespace

TranslateOptions::TranslateOptions(QObject *parent)
    : QObject(parent)
{ }

TranslateOptions *TranslateOptions::instance()
{
    static const std::shared_ptr<TranslateOptions> options(new TranslateOptions);
    return options.get();
}

QString TranslateOptions::displayType(const FunctionsMode &mode) const
{
    return translated(mode, &FunctionTexts::displayType);
}

QString TranslateOptions::units(const FunctionsMode &mode) const
{
    return translated(mode, &FunctionTexts::units);
}

QString TranslateOptions::rangeUnits(const FunctionsMode &mode) const
{
    return translated(mode, &FunctionTexts::rangeUnits);
}
