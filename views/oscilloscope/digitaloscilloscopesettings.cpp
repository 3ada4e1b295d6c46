#include "views/oscilloscope/digitaloscilloscopesettings.h"

#include "resources/resourcestate.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString indexKey = QStringLiteral("customPointsCountIndex");
const QString fileName = QStringLiteral("DigitalOscilloscopeCommonSettings.ini");

} // namespace

struct DigitalOscilloscopeSettings::Internal
{
    int index = 0;
    std::vector<uint64_t> pointCounts {10000, 100000, 500000, 1000000};

    bool valid(int value) const { return value >= 0 && size_t(value) < pointCounts.size(); }
};

DigitalOscilloscopeSettings::DigitalOscilloscopeSettings(QObject *parent)
    : QObject(parent)
    , d(std::make_shared<Internal>())
{ }

DigitalOscilloscopeSettings::~DigitalOscilloscopeSettings() = default;

const std::vector<uint64_t> &DigitalOscilloscopeSettings::defaultPointCountValues() const
{
    return d->pointCounts;
}

int DigitalOscilloscopeSettings::pointCountIndex() const
{
    return d->index;
}

const uint64_t &DigitalOscilloscopeSettings::pointCountValue() const
{
    return d->pointCounts.at(d->valid(d->index) ? size_t(d->index) : 0);
}

void DigitalOscilloscopeSettings::setPointCountIndex(int value)
{
    if (!d->valid(value) || value == d->index)
        return;
    d->index = value;
    emit maximumPointsCountChanged(d->pointCounts.at(size_t(value)));
}

ResourceState DigitalOscilloscopeSettings::storeState()
{
    ResourceState state;
    state[indexKey] = d->index;
    return state;
}

void DigitalOscilloscopeSettings::restoreState(const ResourceState &state)
{
    bool converted = false;
    const int value = state.value(indexKey).toInt(&converted);
    d->index = converted && d->valid(value) ? value : 0;
}

QString DigitalOscilloscopeSettings::stateFile() const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + fileName;
}

void DigitalOscilloscopeSettings::store()
{
    // saveStateToFile reports a failed write itself; the index in memory stays in force.
    saveStateToFile(storeState(), stateFile());
}

void DigitalOscilloscopeSettings::restore()
{
    restoreState(loadStateFromFile(stateFile()));
}
