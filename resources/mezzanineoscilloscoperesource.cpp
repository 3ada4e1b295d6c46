#include "resources/mezzanineoscilloscoperesource.h"

#include "hardware/facilitiesrequirementsfactory.h"
#include "hardware/facilitiesrequirementsinterface.h"
#include "hardware/mathchannel.h"
#include "hardware/moduleinterface.h"
#include "hardware/oscilloscopetimebase.h"
#include "resources/resourcedependence.h"
#include "resources/storedvalue.h"

#include <QMetaType>
#include <QMutexLocker>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

namespace {

using Lists = std::vector<std::vector<EvaluationType>>;

// Amplitude, mean, RMS and frequency: what a new view shows for every row.
const std::vector<EvaluationType> DefaultEvaluations {EvaluationAmplitude, EvaluationMean,
                                                      EvaluationRms, EvaluationFrequency};

constexpr int RowCount = 3; // channel 1, channel 2, math channel
constexpr int DefaultYZoom = 6;
constexpr int DefaultXIndex = 25;
constexpr double FramePeriods = 16 * 1024;
constexpr double PrehistoryPeriods = 32;
// What a new resource's records hold; a stored value that cannot be used gives these.
constexpr int DefaultChannelState = 1;
constexpr int DefaultFilter = 0;
constexpr int DefaultTriggerMode = DigitalOscilloscopeEdge;
constexpr int DefaultMathType = MathChannel::Sum;

const QString Owner = QStringLiteral("oscilloscope");

QString key(const char *pattern, int n)
{
    return QString::fromLatin1(pattern).arg(n);
}

QString key(const char *pattern, int n, int m)
{
    return QString::fromLatin1(pattern).arg(n).arg(m);
}

quint8 readRange(const ResourceState &state, const QString &name)
{
    return quint8(std::min(state.value(name).toUInt(), 255u));
}

// The view switches a channel on and off as 1 and 0.
bool isChannelState(int state)
{
    return state == 0 || state == 1;
}

bool isMathType(int type)
{
    return type >= MathChannel::Sum && type <= MathChannel::Quotient;
}

bool isEvaluationType(int type)
{
    return type >= EvaluationNone && type <= EvaluationTypeLast;
}

// One list per data row, each as long as its stored size. An entry has no counterpart in a new
// resource's lists once the lengths differ: one that cannot be used is no measurement.
Lists restoredEvaluations(const ResourceState &state, int rows, int maximumCount)
{
    Lists lists(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const int size = readCount(state, key("evaluation_size_%1", i), maximumCount);
        std::vector<EvaluationType> &list = lists[size_t(i)];
        list.reserve(size_t(size));
        for (int j = 0; j < size; ++j)
            list.push_back(
                    EvaluationType(restoredChoice(state, Owner, key("evaluation_%1_%2", i, j),
                                                  EvaluationNone, isEvaluationType)));
    }
    return lists;
}

} // namespace

struct MezzanineOscilloscopeResource::Internal
{
    std::vector<DigitalOscilloscopeChannelParameters> channels =
            std::vector<DigitalOscilloscopeChannelParameters>(2);
    DigitalOscilloscopeMathChannelParameters math;
    DigitalOscilloscopeTriggerParameters trigger;
    DigitalOscilloscopeTimeParameters time;
    Lists evaluations = Lists(RowCount, DefaultEvaluations);
    std::vector<int> yZooms = std::vector<int>(RowCount, DefaultYZoom);
    int xIndex = DefaultXIndex;
    // No start type until the first start; nothing reads it before then.
    DigitalOscilloscopeStartType startType = DigitalOscilloscopeStartType(0);
    std::atomic<bool> single {false};
    std::atomic<bool> forced {false};
    std::atomic<bool> running {false};
    ModuleInterface *module = nullptr; // not owned
    bool changed = true;
};

MezzanineOscilloscopeResource::MezzanineOscilloscopeResource(ModuleTypes moduleType, quint8 range,
                                                             double period, QObject *parent)
    : DigitalOscilloscopeResource(parent)
    , m_d(std::make_unique<Internal>())
{
    qRegisterMetaType<QVector<QVector<double>>>("QVector<QVector<double>>");

    const FacilitiesRequirementsFactory requirementsFactory;
    getDependencies()->add(moduleType,
                           std::shared_ptr<FacilitiesRequirementsInterface>(
                                   requirementsFactory.create(moduleType)));

    m_dataTimer.setTimerType(Qt::PreciseTimer);
    m_dataTimer.setInterval(m_dataInterval);
    m_configureTimer.setTimerType(Qt::PreciseTimer);
    m_configureTimer.setInterval(ConfigureIntervalMs);

    setDefaultParameters(range, period);

    m_configureTimer.start();
    connect(&m_configureTimer, &QTimer::timeout, this,
            &MezzanineOscilloscopeResource::configureTimer);
}

// Neither stops the module nor stores the state: the resource collection stores it before.
MezzanineOscilloscopeResource::~MezzanineOscilloscopeResource() = default;

void MezzanineOscilloscopeResource::setDefaultParameters(quint8 range, double period)
{
    for (int i = 0; i < int(m_d->channels.size()); ++i) {
        DigitalOscilloscopeChannelParameters &channel = m_d->channels[size_t(i)];
        channel.channel = i;
        channel.state = DefaultChannelState;
        channel.range = range;
        channel.filter = DefaultFilter;
        channel.impedance = true;
        channel.offset = 0.0;
        channel.coupling = false;
    }
    m_d->trigger.channel = 0;
    m_d->trigger.mode = DefaultTriggerMode;
    m_d->trigger.polarity = false;
    m_d->trigger.level1 = 0.0;
    m_d->time.period = period;
    m_d->time.time = period * FramePeriods;
    m_d->trigger.prehistory = period * PrehistoryPeriods;
    m_d->math.type = DefaultMathType;
    m_d->evaluations.resize(RowCount);
}

bool MezzanineOscilloscopeResource::create()
{
    const std::shared_ptr<ResourceDependence> dependencies = getDependencies();
    if (!dependencies->first())
        return false;
    ModuleInterface *module = dependencies->module();
    if (!module || !bindModule(module))
        return false;
    m_d->module = module;
    connect(module, &ModuleInterface::errorOccured, this, &ResourceInterface::setError);
    return true;
}

DigitalOscilloscopeStartType MezzanineOscilloscopeResource::startType() const
{
    return m_d->startType;
}

int MezzanineOscilloscopeResource::rangeIndex(quint8 range, std::size_t count)
{
    return int(std::min<std::size_t>(range, count - 1));
}

bool MezzanineOscilloscopeResource::usableTimeBase(const DigitalOscilloscopeTimeParameters &time)
{
    return validTimeBase(time.period, time.time);
}

void MezzanineOscilloscopeResource::startData()
{
    if (m_d->startType == DigitalOscilloscopeSingle)
        m_d->single.exchange(true);
    connectFrames();
    m_d->module->start();
    connect(&m_dataTimer, &QTimer::timeout, m_d->module, &ModuleInterface::dataReading,
            Qt::UniqueConnection);
    m_dataTimer.start();
}

void MezzanineOscilloscopeResource::halt()
{
    m_d->single.exchange(false);
    m_d->forced.exchange(false);
    m_dataTimer.disconnect();
    if (m_d->module)
        disconnectFrames();
    m_dataTimer.stop();
    if (m_d->module)
        m_d->module->stop();
}

void MezzanineOscilloscopeResource::apply()
{
    halt();
    configure();
    m_d->changed = false;
    startData();
}

void MezzanineOscilloscopeResource::start(DigitalOscilloscopeStartType startType)
{
    QMutexLocker locker(&m_mutex);
    if (!m_d->module)
        return;
    m_d->changed = false;
    m_d->startType = startType;
    if (m_d->running.load())
        halt();
    configure();
    m_d->running.exchange(true);
    startData();
}

void MezzanineOscilloscopeResource::stop()
{
    QMutexLocker locker(&m_mutex);
    halt();
    m_d->running.exchange(false);
}

void MezzanineOscilloscopeResource::forceTrigger()
{
    QMutexLocker locker(&m_mutex);
    if (m_d->startType == freeRunStartType() || !m_d->running.load() || !m_d->module)
        return;
    halt();
    m_d->changed = false;
    m_dataTimer.setInterval(m_dataInterval);
    configureForcedStart();
    m_d->running.exchange(true);
    m_d->single.exchange(true);
    m_d->forced.exchange(true);
    startData();
}

void MezzanineOscilloscopeResource::changeData(double timeStart, QVector<QVector<double>> &data)
{
    const bool untimed = m_d->startType == freeRunStartType() || m_d->forced.load();
    emit dataChanged(untimed ? 0.0 : timeStart, data);
    // A receiver may have stopped or restarted the acquisition meanwhile; the flags say so.
    if (!m_d->single.load())
        return;
    if (!m_d->forced.load()) {
        stop();
        return;
    }
    m_d->forced.exchange(false);
    m_d->single.exchange(false);
    start(m_d->startType);
}

void MezzanineOscilloscopeResource::configureTimer()
{
    QMutexLocker locker(&m_mutex);
    if (m_d->running.load() && m_d->changed)
        apply();
}

void MezzanineOscilloscopeResource::configureChannelParameters(
        DigitalOscilloscopeChannelParameters parameters)
{
    if (parameters.channel != 0 && parameters.channel != 1)
        return;
    QMutexLocker locker(&m_mutex);
    m_d->channels[size_t(parameters.channel)] = parameters;
    m_d->changed = true;
}

std::vector<DigitalOscilloscopeChannelParameters>
MezzanineOscilloscopeResource::channelParameters() const
{
    return m_d->channels;
}

void MezzanineOscilloscopeResource::configureMathChannelParameters(
        DigitalOscilloscopeMathChannelParameters parameters)
{
    QMutexLocker locker(&m_mutex);
    m_d->math = parameters;
    m_d->changed = true;
}

DigitalOscilloscopeMathChannelParameters
MezzanineOscilloscopeResource::mathChannelParameters() const
{
    return m_d->math;
}

void MezzanineOscilloscopeResource::configureTriggerParameters(
        DigitalOscilloscopeTriggerParameters parameters)
{
    QMutexLocker locker(&m_mutex);
    m_d->trigger = parameters;
    m_d->changed = true;
}

DigitalOscilloscopeTriggerParameters MezzanineOscilloscopeResource::triggerParameters() const
{
    return m_d->trigger;
}

void MezzanineOscilloscopeResource::configureTimeParameters(
        DigitalOscilloscopeTimeParameters parameters)
{
    QMutexLocker locker(&m_mutex);
    m_d->time = parameters;
    m_d->changed = true;
}

DigitalOscilloscopeTimeParameters MezzanineOscilloscopeResource::timeParameters() const
{
    return m_d->time;
}

void MezzanineOscilloscopeResource::configureEvaluationTypes(const Lists &lists)
{
    m_d->evaluations = lists;
    m_d->evaluations.resize(size_t(channelCount() + 1));
}

Lists MezzanineOscilloscopeResource::evaluationTypes() const
{
    return m_d->evaluations;
}

void MezzanineOscilloscopeResource::configureChannelYZooms(std::vector<int> zooms)
{
    m_d->yZooms = std::move(zooms);
}

std::vector<int> MezzanineOscilloscopeResource::channelYZooms() const
{
    return m_d->yZooms;
}

void MezzanineOscilloscopeResource::configureChannelXIndex(int index)
{
    m_d->xIndex = index;
}

int MezzanineOscilloscopeResource::channelXIndex() const
{
    return m_d->xIndex;
}

ResourceState MezzanineOscilloscopeResource::storeState()
{
    ResourceState state;
    for (const DigitalOscilloscopeChannelParameters &channel : channelParameters()) {
        const int n = channel.channel;
        state[key("state_%1", n)] = channel.state;
        state[key("range_%1", n)] = int(channel.range);
        state[key("filter_%1", n)] = channel.filter;
        if (storesImpedance())
            state[key("impedance_%1", n)] = channel.impedance;
        state[key("offset_%1", n)] = channel.offset;
        state[key("coupling_%1", n)] = channel.coupling;
    }

    const DigitalOscilloscopeMathChannelParameters math = mathChannelParameters();
    state[QStringLiteral("math_state")] = math.state;
    state[QStringLiteral("math_type")] = math.type;
    state[QStringLiteral("math_offset")] = math.offset;
    state[QStringLiteral("math_sourceA")] = math.sourceA;
    state[QStringLiteral("math_sourceB")] = math.sourceB;

    const DigitalOscilloscopeTriggerParameters trigger = triggerParameters();
    state[QStringLiteral("trigger_channel")] = trigger.channel;
    state[QStringLiteral("trigger_prehistory")] = trigger.prehistory;
    state[QStringLiteral("trigger_mode")] = trigger.mode;
    state[QStringLiteral("trigger_polarity")] = trigger.polarity;
    state[QStringLiteral("trigger_level1")] = trigger.level1;
    state[QStringLiteral("trigger_level2")] = trigger.level2;
    state[QStringLiteral("trigger_time1")] = trigger.time1;
    state[QStringLiteral("trigger_time2")] = trigger.time2;

    const DigitalOscilloscopeTimeParameters time = timeParameters();
    state[QStringLiteral("period")] = time.period;
    state[QStringLiteral("time")] = time.time;

    const Lists lists = evaluationTypes();
    for (int i = 0; i < int(lists.size()); ++i) {
        const std::vector<EvaluationType> &list = lists[size_t(i)];
        state[key("evaluation_size_%1", i)] = quint64(list.size());
        for (int j = 0; j < int(list.size()); ++j)
            state[key("evaluation_%1_%2", i, j)] = int(list[size_t(j)]);
    }
    const std::vector<int> zooms = channelYZooms();
    for (int i = 0; i < int(zooms.size()); ++i)
        state[key("channel%1_zoom", i)] = zooms[size_t(i)];
    state[QStringLiteral("horizontal_index")] = channelXIndex();
    return state;
}

void MezzanineOscilloscopeResource::restoreState(const ResourceState &state)
{
    const std::vector<std::pair<double, QString>> filters = supportedFilters();
    const auto isFilter = [&](int code) {
        return std::any_of(filters.begin(), filters.end(),
                           [&](const std::pair<double, QString> &f) { return f.first == code; });
    };
    for (int i = 0; i < channelCount(); ++i) {
        DigitalOscilloscopeChannelParameters channel;
        channel.channel = i;
        channel.state = restoredChoice(state, Owner, key("state_%1", i), DefaultChannelState,
                                       isChannelState);
        channel.range = readRange(state, key("range_%1", i));
        channel.filter = restoredChoice(state, Owner, key("filter_%1", i), DefaultFilter, isFilter);
        channel.impedance = storesImpedance() ? state.value(key("impedance_%1", i)).toBool() : true;
        channel.offset = state.value(key("offset_%1", i)).toDouble();
        channel.coupling = state.value(key("coupling_%1", i)).toBool();
        configureChannelParameters(channel);
    }

    DigitalOscilloscopeMathChannelParameters math;
    math.state = state.value(QStringLiteral("math_state")).toInt();
    math.type =
            restoredChoice(state, Owner, QStringLiteral("math_type"), DefaultMathType, isMathType);
    math.offset = state.value(QStringLiteral("math_offset")).toDouble();
    math.sourceA = state.value(QStringLiteral("math_sourceA")).toInt();
    math.sourceB = state.value(QStringLiteral("math_sourceB")).toInt();
    configureMathChannelParameters(math);

    DigitalOscilloscopeTriggerParameters trigger;
    trigger.channel = state.value(QStringLiteral("trigger_channel")).toInt();
    trigger.prehistory = state.value(QStringLiteral("trigger_prehistory")).toDouble();
    const std::vector<DigitalOscilloscopeEventMode> modes = supportedEventModes();
    trigger.mode = restoredChoice(
            state, Owner, QStringLiteral("trigger_mode"), DefaultTriggerMode,
            [&](int mode) { return std::find(modes.begin(), modes.end(), mode) != modes.end(); });
    trigger.polarity = state.value(QStringLiteral("trigger_polarity")).toBool();
    trigger.level1 = state.value(QStringLiteral("trigger_level1")).toDouble();
    trigger.level2 = state.value(QStringLiteral("trigger_level2")).toDouble();
    trigger.time1 = state.value(QStringLiteral("trigger_time1")).toDouble();
    trigger.time2 = state.value(QStringLiteral("trigger_time2")).toDouble();
    configureTriggerParameters(trigger);

    DigitalOscilloscopeTimeParameters time;
    time.period = state.value(QStringLiteral("period")).toDouble();
    time.time = state.value(QStringLiteral("time")).toDouble();
    configureTimeParameters(time);

    configureEvaluationTypes(
            restoredEvaluations(state, channelCount() + 1, MaximumEvaluationCount));

    std::vector<int> zooms;
    for (int i = 0; i < RowCount; ++i)
        zooms.push_back(state.value(key("channel%1_zoom", i)).toInt());
    configureChannelXIndex(state.value(QStringLiteral("horizontal_index")).toInt());
    configureChannelYZooms(zooms);
}
