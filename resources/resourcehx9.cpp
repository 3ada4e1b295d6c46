#include "resources/resourcehx9.h"

#include "hardware/modules/hx9/hx9module.h"

#include <algorithm>

namespace {

constexpr double LongestPeriod = 1e-6;
constexpr double Tolerance = 1e-14;
// Every period the module offers, ascending; the last is the longest.
constexpr double Periods[] = {2e-10, 4e-10, 8e-10, 1e-9, 2e-9, 5e-9, 1e-8,
                              2e-8,  5e-8,  1e-7,  2e-7, 5e-7, 1e-6};

constexpr double InitialPeriod = Periods[0];
constexpr quint8 DefaultRange = 6; // 5 V
constexpr DigitalOscilloscopeStartType FreeRunStartType = DigitalOscilloscopeAutomatic;

// No grid: the result is a table entry or the upper bound itself.
double roundPeriod(double shortest, double coarse)
{
    double upper = coarse;
    double period = std::min(shortest, coarse);
    if (coarse > LongestPeriod) {
        if (shortest > LongestPeriod)
            return LongestPeriod;
        upper = LongestPeriod;
        period = shortest;
    }
    if (period >= LongestPeriod)
        return LongestPeriod;
    if (Periods[0] >= upper)
        return Periods[0];
    for (double entry : Periods) {
        if (entry >= period - Tolerance)
            return std::min(upper, entry);
    }
    return upper;
}

} // namespace

ResourceHX9::ResourceHX9(QObject *parent)
    : MezzanineOscilloscopeResource(ModuleTypeHX9, DefaultRange, InitialPeriod, parent)
{ }

ResourceHX9::~ResourceHX9() = default;

QString ResourceHX9::type() const
{
    return QStringLiteral("HX9");
}

std::vector<DigitalOscilloscopeImpedanceType> ResourceHX9::supportedImpedances() const
{
    return {DigitalOscilloscopeLowImpedance, DigitalOscilloscopeHighImpedance};
}

std::vector<DigitalOscilloscopeEventMode> ResourceHX9::supportedEventModes() const
{
    return {DigitalOscilloscopeEdge, DigitalOscilloscopeRunt,    DigitalOscilloscopeWindow,
            DigitalOscilloscopeRate, DigitalOscilloscopeImpulse, DigitalOscilloscopeInterval};
}

std::vector<double> ResourceHX9::supportedRanges() const
{
    return {0.05, 0.1, 0.25, 0.5, 1, 2.5, 5, 10, 20, 50};
}

std::vector<std::pair<double, QString>> ResourceHX9::supportedFilters() const
{
    return {{0.0, QStringLiteral("2 %1").arg(tr("GHz"))},
            {1.0, QStringLiteral("1.5 %1").arg(tr("GHz"))},
            {2.0, QStringLiteral("600 %1").arg(tr("MHz"))},
            {3.0, QStringLiteral("500 %1").arg(tr("MHz"))},
            {4.0, QStringLiteral("20 %1").arg(tr("MHz"))}};
}

std::function<double(double, double)> ResourceHX9::roundPeriodFunction() const
{
    return roundPeriod;
}

bool ResourceHX9::bindModule(ModuleInterface *module)
{
    m_module = qobject_cast<HX9Module *>(module);
    return m_module != nullptr;
}

void ResourceHX9::configureChannels()
{
    const std::vector<double> ranges = supportedRanges();
    for (const DigitalOscilloscopeChannelParameters &channel : channelParameters()) {
        m_module->configure(channel.channel, channel.state, channel.coupling ? 1 : 0,
                            channel.impedance ? 1 : 0, channel.filter,
                            ranges[size_t(rangeIndex(channel.range, ranges.size()))],
                            channel.offset);
    }
    const DigitalOscilloscopeMathChannelParameters math = mathChannelParameters();
    m_module->configureMath(math.state, math.type, math.sourceA, math.sourceB, math.offset);
}

int ResourceHX9::configure()
{
    configureChannels();

    const bool programStart = startType() == FreeRunStartType;
    DigitalOscilloscopeTriggerParameters trigger = triggerParameters();
    if (programStart) {
        m_module->configureTrigger();
    } else {
        double times[] = {trigger.time1, trigger.time2};
        double levels[] = {trigger.level1, trigger.level2};
        m_module->configureTrigger(trigger.channel, trigger.mode, trigger.polarity, times, levels);
    }

    const DigitalOscilloscopeTimeParameters time = timeParameters();
    if (usableTimeBase(time))
        m_module->configureTime(time.period, time.time, programStart ? 0.0 : trigger.prehistory);
    // Not ModuleInterface::configure: the module's state stays as acquisition left it.
    return m_module->performConfigure();
}

void ResourceHX9::configureForcedStart()
{
    configureChannels();
    const DigitalOscilloscopeTimeParameters time = timeParameters();
    if (usableTimeBase(time))
        m_module->configureTime(time.period, time.time, triggerParameters().prehistory);
    m_module->configureTrigger();
    m_module->performConfigure();
}

void ResourceHX9::connectFrames()
{
    connect(m_module, &HX9Module::dataChanged, this, &ResourceHX9::changeData,
            Qt::UniqueConnection);
}

void ResourceHX9::disconnectFrames()
{
    disconnect(m_module, &HX9Module::dataChanged, this, &ResourceHX9::changeData);
}

DigitalOscilloscopeStartType ResourceHX9::freeRunStartType() const
{
    return FreeRunStartType;
}

bool ResourceHX9::storesImpedance() const
{
    return true;
}
