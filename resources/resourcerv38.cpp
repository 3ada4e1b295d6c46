#include "resources/resourcerv38.h"

#include "hardware/facilitiesrequirementsfactory.h"
#include "hardware/facilitiesrequirementsinterface.h"
#include "hardware/modules/rv31/rv31module.h"
#include "resources/resourcedependence.h"

#include <QMutexLocker>
#include <QPointer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

const QVector<double> wireResistanceRanges {100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
const QVector<double> voltageRanges {0.1, 1, 10, 100, 400};
const QVector<double> periodFrequencyRanges {0.1, 1, 10, 100, 300};
const QVector<double> alternatingCurrentRanges {1, 3};
const QVector<double> directCurrentRanges {0.01, 0.1, 1, 3};
const QVector<double> hz50IntegrationTime {3.33e-5, 6.67e-5, 1.33e-4, 5e-4, 1e-3,
                                           2e-3,    0.01,    0.02,    0.2,  2};
const QVector<double> hz60IntegrationTime {3.33e-5, 6.67e-5, 1.33e-4, 5e-4,  1e-3,
                                           2e-3,    0.01,    0.0167,  0.167, 1.67};
const QVector<double> frequencyIntegrationTime {0.01, 0.1, 1};
const QVector<int> filterValues {5, 20, 200};
const QVector<int> powerFrequencyValues {50, 60};
const QMap<FunctionsMode, QVector<double>> rangeSettings {
        {FunctionFrequency, periodFrequencyRanges},
        {FunctionPeriod, periodFrequencyRanges},
        {FunctionFourWireResistance, wireResistanceRanges},
        {FunctionTwoWireResistance, wireResistanceRanges},
        {FunctionAcVoltage, voltageRanges},
        {FunctionDcVoltage, voltageRanges},
        {FunctionAcCurrent, alternatingCurrentRanges},
        {FunctionDcCurrent, directCurrentRanges},
        {FunctionContinuity, wireResistanceRanges},
};

const std::vector<EvaluationType> ResourceRV38::DefaultEvaluations {
        EvaluationAmplitude,  EvaluationMaximum, EvaluationPeriod, EvaluationMinimum,
        EvaluationPeakToPeak, EvaluationMean,    EvaluationRms,    EvaluationFrequency};

namespace {

constexpr double AutomaticRange = -1.0;
constexpr double LongestIntegrationTime = 2.0; // the longest entry of the time tables
constexpr int AutoZeroLast = 2; // before each measurement
// Start options: a trigger of one measurement, immediate or after the delay on an edge.
constexpr unsigned char ImmediateStart = 0;
constexpr unsigned char TriggeredStart = 1;
constexpr quint64 StartCount = 1;
constexpr double ImmediateStartTime = 0.002;

QString key(const char *pattern, int n)
{
    return QString::fromLatin1(pattern).arg(n);
}

FunctionsMode tableFunction(FunctionsMode function)
{
    return FunctionsMode(std::clamp<int>(function, FunctionsModeFirst, FunctionsModeLast));
}

int nearestPowerFrequency(int frequency)
{
    int nearest = powerFrequencyValues.front();
    for (int value : powerFrequencyValues) {
        if (std::llabs(qint64(value) - frequency) < std::llabs(qint64(nearest) - frequency))
            nearest = value;
    }
    return nearest;
}

// The record as the module can take it. Values from the view's controls pass unchanged; a
// restored state may hold anything, and the record keeps what it holds.
DigitalGeneratorMainParameters programmable(const DigitalGeneratorMainParameters &record)
{
    DigitalGeneratorMainParameters p = record;
    p.function = tableFunction(record.function);
    if (std::isnan(p.range))
        p.range = AutomaticRange;
    else if (p.range > 0.0)
        p.range = std::min(p.range, rangeSettings.value(p.function).back());
    p.filter_index = std::clamp(p.filter_index, 0, int(filterValues.size()) - 1);
    p.power_frequency = nearestPowerFrequency(p.power_frequency);
    p.point_count = std::clamp(p.point_count, 0, ResourceRV38::MaximumPointCount);
    if (!(p.integration_time > 0.0)) // also NaN
        p.integration_time = 0.0;
    p.integration_time = std::min(p.integration_time, LongestIntegrationTime);
    if (!std::isfinite(p.delay_time) || p.delay_time < 0.0)
        p.delay_time = 0.0;
    return p;
}

// The time the module takes for one package, cut to whole milliseconds, never below the
// minimum.
int dataInterval(const DigitalGeneratorMainParameters &record)
{
    const DigitalGeneratorMainParameters p = programmable(record);
    const double t = p.point_count * p.integration_time * 1000.0;
    if (!(t >= ResourceRV38::MinimumIntervalMs))
        return ResourceRV38::MinimumIntervalMs;
    return int(std::min(t, double(std::numeric_limits<int>::max())));
}

} // namespace

struct ResourceRV38::Internal
{
    DigitalGeneratorMainParameters main;
    DigitalGeneratorAdditionalParameters additional;
    DigitalGeneratorUIParameters ui;
    std::vector<EvaluationType> evaluations = DefaultEvaluations;
    QPointer<RV31Module> module; // not owned
    std::atomic<bool> running {false};
    std::atomic<bool> forced {false};
    MeasurementType mode = MeasurementOnePackage;
};

ResourceRV38::ResourceRV38(QObject *parent)
    : ResourceInterface(parent)
    , m_d(std::make_unique<Internal>())
{
    m_d->main.ranges = rangeSettings.value(m_d->main.function);

    const FacilitiesRequirementsFactory requirementsFactory;
    getDependencies()->add(ModuleTypeRV31,
                           std::shared_ptr<FacilitiesRequirementsInterface>(
                                   requirementsFactory.create(ModuleTypeRV31)));

    m_dataTimer.setTimerType(Qt::PreciseTimer);
    m_dataTimer.setInterval(dataInterval(m_d->main));
}

ResourceRV38::~ResourceRV38() = default;

QString ResourceRV38::type() const
{
    return QStringLiteral("RV31");
}

QString ResourceRV38::viewType() const
{
    return QStringLiteral("Digital Multimeter");
}

bool ResourceRV38::create()
{
    const std::shared_ptr<ResourceDependence> dependencies = getDependencies();
    if (!dependencies->first())
        return false;
    auto *module = qobject_cast<RV31Module *>(dependencies->module());
    if (!module)
        return false;
    m_d->module = module;
    connect(module, &ModuleInterface::errorOccured, this, &ResourceInterface::setError);
    return true;
}

int ResourceRV38::configure()
{
    RV31Module *module = m_d->module.data();
    m_dataTimer.setInterval(dataInterval(m_d->main));
    const DigitalGeneratorMainParameters p = programmable(m_d->main);
    if (m_d->mode == MeasurementTriggered)
        module->configureStartOptions(TriggeredStart, StartCount, p.delay_time, false, p.rise_fall);
    else
        module->configureStartOptions(ImmediateStart, StartCount, ImmediateStartTime, false, false);
    // The module knows continuity as the 2-wire resistance it measures.
    const int function =
            p.function == FunctionContinuity ? FunctionTwoWireResistance : int(p.function);
    module->configureFunction(function, p.range <= 0.0, p.range, p.integration_time, p.filter_index,
                              p.impedance, p.power_frequency, p.point_count);
    module->configureAutoZero(double(std::clamp(m_d->additional.auto_zero, 0, AutoZeroLast)));
    return module->configure();
}

void ResourceRV38::startData()
{
    RV31Module *module = m_d->module.data();
    connect(module, &RV31Module::dataChanged, this, &ResourceRV38::changeData,
            Qt::UniqueConnection);
    connect(module, &RV31Module::overMeasurement, this, &ResourceRV38::overMeasurementData,
            Qt::UniqueConnection);
    module->start();
    connect(&m_dataTimer, &QTimer::timeout, module, &ModuleInterface::dataReading,
            Qt::UniqueConnection);
    m_dataTimer.setSingleShot(false);
    m_dataTimer.start();
}

void ResourceRV38::stopData()
{
    RV31Module *module = m_d->module.data();
    if (module) {
        disconnect(module, &RV31Module::dataChanged, this, &ResourceRV38::changeData);
        disconnect(module, &RV31Module::overMeasurement, this, &ResourceRV38::overMeasurementData);
    }
    m_dataTimer.stop();
    m_dataTimer.disconnect();
    if (module)
        module->stop();
}

void ResourceRV38::restart()
{
    if (m_d->running.load())
        stopData();
    configure();
    m_d->running.exchange(true);
    startData();
}

void ResourceRV38::start(MeasurementType mode)
{
    QMutexLocker locker(&m_mutex);
    if (!m_d->module)
        return;
    // A trigger forced in an earlier run must not turn this one into the triggered mode.
    m_d->forced.exchange(false);
    m_d->mode = mode;
    restart();
}

void ResourceRV38::stop()
{
    QMutexLocker locker(&m_mutex);
    stopData();
    m_d->running.exchange(false);
    m_d->forced.exchange(false);
}

void ResourceRV38::configureMainParameters(const DigitalGeneratorMainParameters &parameters)
{
    QMutexLocker locker(&m_mutex);
    m_d->main = parameters;
    m_d->main.point_count = std::max(0, parameters.point_count);
    m_dataTimer.setInterval(dataInterval(m_d->main));
    if (m_d->running.load())
        restart();
}

void ResourceRV38::configureAdditionalParameters(
        const DigitalGeneratorAdditionalParameters &parameters)
{
    QMutexLocker locker(&m_mutex);
    m_d->additional = parameters;
    if (m_d->running.load())
        restart();
}

void ResourceRV38::configureUIParameters(const DigitalGeneratorUIParameters &parameters)
{
    QMutexLocker locker(&m_mutex);
    m_d->ui = parameters;
}

void ResourceRV38::configureEvaluationTypes(const std::vector<EvaluationType> &types)
{
    m_d->evaluations = types;
}

std::vector<EvaluationType> ResourceRV38::evaluationTypes() const
{
    return m_d->evaluations;
}

DigitalGeneratorMainParameters ResourceRV38::mainParameters() const
{
    return m_d->main;
}

DigitalGeneratorAdditionalParameters ResourceRV38::additionalParameters() const
{
    return m_d->additional;
}

DigitalGeneratorUIParameters ResourceRV38::uiParameters() const
{
    return m_d->ui;
}

void ResourceRV38::startAutoZero()
{
    QMutexLocker locker(&m_mutex);
    if (!m_d->module)
        return;
    if (m_d->running.load())
        stopData();
    m_d->module->startAutoZero();
    m_d->running.exchange(true);
    startData();
}

void ResourceRV38::forceTriggers()
{
    QMutexLocker locker(&m_mutex);
    if (!m_d->module || !m_d->running.load() || m_d->mode != MeasurementTriggered)
        return;
    m_d->forced.exchange(true);
    m_d->mode = MeasurementOnePackage;
    restart();
}

void ResourceRV38::changeData(double timeStart, QVector<double> values)
{
    emit dataChanged(timeStart, values);
    finishPackage();
}

void ResourceRV38::overMeasurementData(double timeStart, int pointCount)
{
    emit overMeasurement(timeStart, pointCount);
    finishPackage();
}

void ResourceRV38::finishPackage()
{
    QMutexLocker locker(&m_mutex);
    // A receiver of the package may have stopped acquisition meanwhile; it stays stopped.
    if (!m_d->running.load())
        return;
    if (m_d->forced.exchange(false)) {
        m_d->mode = MeasurementTriggered;
        restart();
        return;
    }
    if (m_d->mode == MeasurementOnePackage) {
        stopData();
        m_d->running.exchange(false);
    }
}

ResourceState ResourceRV38::storeState()
{
    const DigitalGeneratorMainParameters main = mainParameters();
    ResourceState state;
    state[QStringLiteral("function")] = int(main.function);
    state[QStringLiteral("range")] = main.range;
    state[QStringLiteral("filter_index")] = main.filter_index;
    state[QStringLiteral("impedance")] = main.impedance;
    state[QStringLiteral("power_frequency")] = main.power_frequency;
    state[QStringLiteral("point_count")] = main.point_count;
    state[QStringLiteral("integration_time")] = main.integration_time;
    state[QStringLiteral("delay_time")] = main.delay_time;
    state[QStringLiteral("rise_fall")] = main.rise_fall;
    state[QStringLiteral("auto_zero")] = additionalParameters().auto_zero;
    const std::vector<EvaluationType> evaluations = evaluationTypes();
    state[QStringLiteral("evaluation_size")] = int(evaluations.size());
    for (int i = 0; i < int(evaluations.size()); ++i)
        state[key("evaluation_%1", i)] = int(evaluations[size_t(i)]);
    state[QStringLiteral("scanTime")] = uiParameters().scanTime;
    return state;
}

void ResourceRV38::restoreState(const ResourceState &state)
{
    DigitalGeneratorMainParameters main = mainParameters();
    main.function = FunctionsMode(state.value(QStringLiteral("function")).toInt());
    main.range = state.value(QStringLiteral("range")).toDouble();
    main.filter_index = state.value(QStringLiteral("filter_index")).toInt();
    main.impedance = state.value(QStringLiteral("impedance")).toBool();
    main.power_frequency = state.value(QStringLiteral("power_frequency")).toInt();
    main.point_count = state.value(QStringLiteral("point_count")).toInt();
    main.integration_time = state.value(QStringLiteral("integration_time")).toDouble();
    main.delay_time = state.value(QStringLiteral("delay_time")).toDouble();
    main.rise_fall = state.value(QStringLiteral("rise_fall")).toBool();
    // The view's range list follows the restored function (the one the module gets).
    main.ranges = rangeSettings.value(tableFunction(main.function));
    configureMainParameters(main);

    DigitalGeneratorAdditionalParameters additional;
    additional.auto_zero = state.value(QStringLiteral("auto_zero")).toInt();
    configureAdditionalParameters(additional);

    const int size = readCount(state, QStringLiteral("evaluation_size"), MaximumEvaluationCount);
    std::vector<EvaluationType> evaluations;
    evaluations.reserve(size_t(size));
    for (int i = 0; i < size; ++i)
        evaluations.push_back(EvaluationType(state.value(key("evaluation_%1", i)).toInt()));

    {
        QMutexLocker locker(&m_mutex);
        m_d->ui.scanTime = state.value(QStringLiteral("scanTime")).toDouble();
    }
    configureEvaluationTypes(evaluations);
}
