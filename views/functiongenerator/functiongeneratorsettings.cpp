#include "views/functiongenerator/functiongeneratorsettings.h"

#include "resources/resourcestate.h"
#include "resources/storefile.h"
#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <QVariantList>

#include <algorithm>
#include <cmath>

namespace {

const QString customImpedanceKey = QStringLiteral("customImpedanceValues");

bool listed(const std::vector<double> &values, double value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

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
    // A NaN would leave the lists unsortable, and a value the page cannot enter could reach a
    // generator as a load.
    QStringList dropped;
    for (const QVariant &value : values) {
        bool number = false;
        // Values that read alike in a list are one value.
        const double ohms = functionGeneratorImpedanceAsShown(value.toDouble(&number));
        const bool usable = number && std::isfinite(ohms)
                && ohms >= functionGeneratorMinimumImpedance
                && ohms <= functionGeneratorMaximumImpedance;
        if (!usable || listed(d->customImpedanceValues, ohms)
            || listed(Internal::defaultImpedanceValues, ohms)) {
            dropped << value.toString();
            continue;
        }
        d->customImpedanceValues.push_back(ohms);
    }
    if (!dropped.isEmpty())
        reportStoreProblem(
                QStringLiteral("generator settings: load impedances dropped, not a number "
                               "from %1 to %2 ohms or listed before: %3")
                        .arg(functionGeneratorMinimumImpedance)
                        .arg(functionGeneratorMaximumImpedance, 0, 'f', 0)
                        .arg(dropped.join(QStringLiteral(", "))));
}

void FunctionGeneratorSettings::store()
{
    saveStateToFile(storeState(), stateFile());
}

void FunctionGeneratorSettings::restore()
{
    restoreState(loadStateFromFile(stateFile()));
}
