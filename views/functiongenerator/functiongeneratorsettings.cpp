#include "views/functiongenerator/functiongeneratorsettings.h"

#include "resources/resourcestate.h"

#include <QDir>
#include <QStandardPaths>
#include <QVariantList>

namespace {

const QString customImpedanceKey = QStringLiteral("customImpedanceValues");

} // namespace

struct FunctionGeneratorSettings::Internal
{
    static const std::vector<double> defaultImpedanceValues;
    std::vector<double> customImpedanceValues;
};

const std::vector<double> FunctionGeneratorSettings::Internal::defaultImpedanceValues = {50.0,
                                                                                         1000000.0};

FunctionGeneratorSettings::FunctionGeneratorSettings(QObject *parent)
    : QObject(parent)
    , d(std::make_shared<Internal>())
{ }

FunctionGeneratorSettings::~FunctionGeneratorSettings() = default;

const std::vector<double> &FunctionGeneratorSettings::defaultImpedanceValues() const
{
    return Internal::defaultImpedanceValues;
}

const std::vector<double> &FunctionGeneratorSettings::customImpedanceValues() const
{
    return d->customImpedanceValues;
}

std::vector<double> FunctionGeneratorSettings::supportedImpedanceValues() const
{
    std::vector<double> values = d->customImpedanceValues;
    values.insert(values.end(), Internal::defaultImpedanceValues.begin(),
                  Internal::defaultImpedanceValues.end());
    return values;
}

void FunctionGeneratorSettings::setCustomImpedanceValues(const std::vector<double> &values)
{
    d->customImpedanceValues = values;
    emit supportedImpedanceChanged(supportedImpedanceValues());
}

QString FunctionGeneratorSettings::stateFile() const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/FunctionGeneratorCommonSettings.ini");
}

ResourceState FunctionGeneratorSettings::storeState()
{
    ResourceState state;
    QVariantList values;
    for (double value : d->customImpedanceValues)
        values << value;
    state[customImpedanceKey] = values;
    return state;
}

void FunctionGeneratorSettings::restoreState(const ResourceState &state)
{
    d->customImpedanceValues.clear();
    // The INI form keeps no list of one value as a list, and an empty list as no value.
    const QVariant stored = state.value(customImpedanceKey);
    QVariantList values;
    if (stored.type() == QVariant::List)
        values = stored.toList();
    else if (stored.type() == QVariant::StringList)
        for (const QString &text : stored.toStringList())
            values << text;
    else if (stored.isValid() && !stored.toString().isEmpty())
        values << stored;
    for (const QVariant &value : values)
        d->customImpedanceValues.push_back(value.toDouble());
}

void FunctionGeneratorSettings::store()
{
    saveStateToFile(storeState(), stateFile());
}

void FunctionGeneratorSettings::restore()
{
    restoreState(loadStateFromFile(stateFile()));
}
