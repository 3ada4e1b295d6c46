#include "resources/resourcehx2.h"

#include "hardware/modules/hx2/hx2module.h"

#include <algorithm>
#include <cmath>

namespace {

// The module's period grid: multiples of one quantum up to the longest period.
constexpr double Quantum = 6.4e-9;
constexpr int LongestQuanta = 65530;
constexpr double LongestPeriod = LongestQuanta * Quantum;
constexpr double Tolerance = 1e-14;
// Periods shorter than one quantum that the module offers besides the grid, ascending.
constexpr double ShortPeriods[] = {4e-10, 8e-10, 1.6e-9, 3.2e-9, 6.4e-9};

constexpr double InitialPeriod = ShortPeriods[0];
constexpr quint8 DefaultRange = 1; // 1.0 V
constexpr DigitalOscilloscopeStartType FreeRunStartType = DigitalOscilloscopeCyclic;

// The nearest multiple of the quantum (halves go up), at least one quantum.
double quantize(double period)
{
    const double steps = std::trunc((period - Quantum) / Quantum + 0.5);
    if (!(steps > 0.0)) // also below 1.5 quanta, and for NaN
        return Quantum;
    return Quantum + std::min(steps, double(LongestQuanta - 1)) * Quantum;
}

double roundPeriod(double shortest, double coarse)
{
    const double upper =
            coarse > LongestPeriod ? LongestPeriod : std::min(quantize(coarse), LongestPeriod);
    const double period = std::min(shortest, upper);
    if (period > Quantum)
        return std::min(quantize(period), upper);
    for (double entry : ShortPeriods) {
        if (entry >= period - Tolerance)
            return std::min(upper, entry);
    }
    return upper;
}

// The module knows two ranges by a code: 1 selects the lower one.
int rangeCode(int rangeIndex)
{
    return rangeIndex == 0 ? 1 : 0;
}

} // namespace

ResourceHX2::ResourceHX2(QObject *parent)
    : MezzanineOscilloscopeResource(ModuleTypeHX2, DefaultRange, InitialPeriod, parent)
{ }

ResourceHX2::~ResourceHX2() = default;

QString ResourceHX2::type() const
{
    return QStringLiteral("HX2");
}

std::vector<DigitalOscilloscopeImpedanceType> ResourceHX2::supportedImpedances() const
{
    return {DigitalOscilloscopeLowImpedance};
}

std::vector<DigitalOscilloscopeEventMode> ResourceHX2::supportedEventModes() const
{
    return {DigitalOscilloscopeEdge, DigitalOscilloscopeRunt, DigitalOscilloscopeWindow};
}

std::vector<double> ResourceHX2::supportedRanges() const
{
    return {0.3, 1.0};
}

std::vector<std::pair<double, QString>> ResourceHX2::supportedFilters() const
{
    return {{0.0, QStringLiteral("1 %1").arg(tr("GHz"))},
            {1.0, QStringLiteral("470 %1").arg(tr("MHz"))}};
}

std::function<double(double, double)> ResourceHX2::roundPeriodFunction() const
{
    return roundPeriod;
}

bool ResourceHX2::bindModule(ModuleInterface *module)
{
    m_module = qobject_cast<HX2Module *>(module);
    return m_module != nullptr;
}

void ResourceHX2::configureChannels()
{
    const std::size_t rangeCount = supportedRanges().size();
    for (const DigitalOscilloscopeChannelParameters &channel : channelParameters()) {
        m_module->configure(channel.channel, channel.state, channel.coupling ? 1 : 0,
                            rangeCode(rangeIndex(channel.range, rangeCount)), channel.filter,
                            channel.offset);
    }
    const DigitalOscilloscopeMathChannelParameters math = mathChannelParameters();
    m_module->configureMath(math.state, math.type, math.sourceA, math.sourceB, math.offset);
}

int ResourceHX2::configure()
{
    configureChannels();

    DigitalOscilloscopeTriggerParameters trigger = triggerParameters();
    int source = 0; // start by program, without events
    if (startType() == DigitalOscilloscopeSingle)
        source = 1;
    else if (startType() == DigitalOscilloscopeCyclic)
        source = 2;
    double times[] = {trigger.time1, trigger.time2};
    double levels[] = {trigger.level1, trigger.level2};
    m_module->configureTrigger(trigger.channel, source, trigger.mode, trigger.polarity, times,
                               levels);

    const DigitalOscilloscopeTimeParameters time = timeParameters();
    if (usableTimeBase(time)) {
        const bool rateMode = trigger.mode == DigitalOscilloscopeRate;
        m_module->configureTime(time.period, time.time, rateMode ? 0.0 : trigger.prehistory);
    }
    // Not ModuleInterface::configure: the module's state stays as acquisition left it.
    return m_module->performConfigure();
}

void ResourceHX2::configureForcedStart()
{
    configureChannels();
    const DigitalOscilloscopeTimeParameters time = timeParameters();
    if (usableTimeBase(time))
        m_module->configureTime(time.period, time.time, triggerParameters().prehistory);
    m_module->configureTriggerForProgrammStart();
    m_module->performConfigure();
}

void ResourceHX2::connectFrames()
{
    connect(m_module, &HX2Module::dataChanged, this, &ResourceHX2::changeData,
            Qt::UniqueConnection);
    connect(m_module, &HX2Module::overDriveWarning, this, &ResourceHX2::overDriveWarning,
            Qt::UniqueConnection);
}

void ResourceHX2::disconnectFrames()
{
    disconnect(m_module, &HX2Module::dataChanged, this, &ResourceHX2::changeData);
}

DigitalOscilloscopeStartType ResourceHX2::freeRunStartType() const
{
    return FreeRunStartType;
}

bool ResourceHX2::storesImpedance() const
{
    return false;
}
