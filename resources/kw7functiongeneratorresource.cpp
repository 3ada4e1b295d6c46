#include "resources/kw7functiongeneratorresource.h"
#include "resources/kw7functiongeneratorstate.h"

#include "hardware/facilitiesrequirementsfactory.h"
#include "hardware/facilitiesrequirementsinterface.h"
#include "hardware/modules/kw7/kw7module.h"
#include "resources/functiongeneratorawgfilescollection.h"
#include "resources/kw7signaltables.h"
#include "resources/resourcedependence.h"
#include "resources/storefile.h"

#include "zqkw7.h"

#include <QMutexLocker>
#include <QReadWriteLock>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kApplyIntervalMs = 500;
constexpr int kModuleStarted = 4;
constexpr unsigned int kChannelsCount = 2;

enum Pending { NothingPending = 0, OptionsPending = 1, RestartPending = 2 };

bool isStartRequest(FunctionGeneratorStartType type)
{
    return type == FunctionGeneratorStartType::Immediate
            || type == FunctionGeneratorStartType::Delayed
            || type == FunctionGeneratorStartType::Trigger;
}

FunctionGeneratorValueLimits limits(double min, double max, unsigned int decimals, double step)
{
    return {min, max, decimals, step};
}

FunctionGeneratorChannelOptions initialChannel()
{
    const FunctionGeneratorValueLimits amplitude = limits(0, 10, 3, 0.5);
    const FunctionGeneratorValueLimits tableFrequency = limits(4.89, 7500000, 2, 1);

    FunctionGeneratorChannelOptions c;
    c.standardFunction = FunctionGeneratorStandardFunction::Sine;
    c.enable = true;
    c.outputOptions.impedance = 1000000.0;
    c.outputOptions.impedance_limits = limits(25, 100000000000.0, 0, 1);
    c.outputOptions.offset = 0.0;
    c.outputOptions.offset_limits = limits(-10, 10, 2, 0.1);

    FunctionGeneratorStartardFunctionOptions &f = c.standardFunctionOptions;
    f.sineOptions = {
            2.0, 2000.0, 0.0, amplitude, limits(0.06, 150000000, 2, 1), limits(0, 360, 1, 5)};
    f.squareOptions = {2.0, 2000.0, amplitude, tableFrequency};
    f.positiveRampOptions = f.squareOptions;
    f.negativeRampOptions = f.squareOptions;
    f.rectangularOptions = {2.0, 2000.0, 25.0, amplitude, tableFrequency, limits(0, 100, 1, 5)};
    f.triangluarOptions = {2.0, 2000.0, 50.0, amplitude, tableFrequency, limits(0, 100, 1, 5)};

    FunctionGeneratorModulationOptions &m = c.modulationOptions;
    m.frequency = 2000.0;
    m.frequency_limits = limits(0, 2000000, 2, 1);
    m.modulation_index = 50.0;
    m.modulation_index_limits = limits(0, 100, 0, 5);
    m.frequency_deviation = 5000.0;
    m.frequency_deviation_limits = limits(0, 75000000, 2, 5000);
    m.phase_deviation = 180.0;
    m.phase_deviation_limits = limits(0, 360, 1, 5);
    return c;
}

} // namespace

QVector<double> getAwgData(const QString &file, unsigned int signal)
{
    FunctionGeneratorAwgFilesCollection &files = FunctionGeneratorAwgFilesCollection::instance();
    const int index = files.indexOf(file);
    // What the panel refuses is never played, whoever set it.
    if (index < 0 || signal >= unsigned(files.countSignals(index))
        || !files.isPlayable(index, int(signal)))
        return {};
    return files.data(index, int(signal));
}

struct KW7FunctionGeneratorResource::Internal
{
    std::vector<FunctionGeneratorChannelOptions> channels;
    FunctionGeneratorTriggerOptions trigger;
    FunctionGeneratorMode mode = FunctionGeneratorMode::StandardFunctions;
    FunctionGeneratorStartType startType = FunctionGeneratorStartType::Immediate;
    FunctionGeneratorStartType state = FunctionGeneratorStartType::Stopped;
    KW7Module *module = nullptr;
    int pending = NothingPending;
    QTimer applyTimer;
    QReadWriteLock lock;
    unsigned int channelsCount = kChannelsCount;

    Internal()
        : channels(kChannelsCount, initialChannel())
    {
        trigger.type = 0;
        trigger.delay = 0.0;
        trigger.delay_limits = limits(0, 30, 1, 1);
    }

    static unsigned int getDataSpeed(unsigned int samplingFrequency)
    {
        return kw7::getDataSpeed(samplingFrequency);
    }

    bool valid(unsigned int ch) const { return ch < channels.size(); }

    // Only readers and writers of the options take turns here; it is never held across a
    // driver call or while options are read.
    void touchLock()
    {
        lock.lockForWrite();
        lock.unlock();
    }

    // A call that fails once is tried again; only a second failure is reported through the
    // module, since a report leaves an error text that takes the module out of later lists.
    template<typename Call>
    bool call(Call driverCall)
    {
        ViStatus status = driverCall();
        if (status == 0)
            return true;
        status = driverCall();
        if (status == 0)
            return true;
        module->errorMessage(int(status));
        return false;
    }

    ViSession handle() const { return ViSession(module->handle()); }
};

KW7FunctionGeneratorResource::KW7FunctionGeneratorResource(QObject *parent)
    : FunctionGeneratorResource(parent)
    , m_d(std::make_unique<Internal>())
{
    const ModuleTypes generator = ModuleTypeKW7;
    const FacilitiesRequirementsFactory requirementsFactory;
    getDependencies()->add(generator,
                           std::shared_ptr<FacilitiesRequirementsInterface>(
                                   requirementsFactory.create(generator)));
}

KW7FunctionGeneratorResource::~KW7FunctionGeneratorResource() = default;

QString KW7FunctionGeneratorResource::type() const
{
    return QStringLiteral("KW7 Function Generator");
}

bool KW7FunctionGeneratorResource::create()
{
    const std::shared_ptr<ResourceDependence> dependencies = getDependencies();
    if (!dependencies->first())
        return false;
    m_d->module = qobject_cast<KW7Module *>(dependencies->module());
    if (!m_d->module)
        return false;
    activateApplyTimer();
    connect(m_d->module, &ModuleInterface::errorOccured, this, &ResourceInterface::setError);
    return true;
}

void KW7FunctionGeneratorResource::activateApplyTimer()
{
    if (m_d->applyTimer.isActive())
        return;
    connect(&m_d->applyTimer, &QTimer::timeout, this, &KW7FunctionGeneratorResource::onApplyOptions,
            Qt::UniqueConnection);
    m_d->applyTimer.setInterval(kApplyIntervalMs);
    m_d->applyTimer.start();
}

unsigned int KW7FunctionGeneratorResource::channelsCount() const
{
    return m_d->channelsCount;
}

template<typename Setter>
void KW7FunctionGeneratorResource::change(int pending, Setter setter)
{
    // Without a bound module there is no mutex to take, but the change is still kept.
    std::unique_ptr<QMutexLocker> locker;
    if (m_d->module)
        locker = std::make_unique<QMutexLocker>(m_d->module->lockMutex());
    m_d->touchLock();
    setter();
    // A restart already pending survives later edits of the same batch, or a mode or file
    // change followed by any other edit would reach a running output without its restart.
    m_d->pending = std::max(m_d->pending, pending);
}

bool KW7FunctionGeneratorResource::isChannelEnable(unsigned int ch) const
{
    return m_d->valid(ch) && m_d->channels[ch].enable;
}

void KW7FunctionGeneratorResource::setChannelEnable(unsigned int ch, bool enable)
{
    if (!m_d->valid(ch))
        return;
    change(OptionsPending, [&] { m_d->channels[ch].enable = enable; });
}

FunctionGeneratorMode KW7FunctionGeneratorResource::mode() const
{
    return m_d->mode;
}

void KW7FunctionGeneratorResource::setMode(FunctionGeneratorMode mode)
{
    change(RestartPending, [&] { m_d->mode = mode; });
}

std::set<FunctionGeneratorStandardFunction> KW7FunctionGeneratorResource::supportedFunctions() const
{
    using F = FunctionGeneratorStandardFunction;
    return {F::Level,      F::Sine,         F::Square,      F::Rectangular,
            F::Triangular, F::PositiveRamp, F::NegativeRamp};
}

FunctionGeneratorStandardFunction
KW7FunctionGeneratorResource::standardFunction(unsigned int ch) const
{
    return m_d->valid(ch) ? m_d->channels[ch].standardFunction
                          : FunctionGeneratorChannelOptions().standardFunction;
}

void KW7FunctionGeneratorResource::setStandardFunction(unsigned int ch,
                                                       FunctionGeneratorStandardFunction function)
{
    if (!m_d->valid(ch))
        return;
    change(OptionsPending, [&] { m_d->channels[ch].standardFunction = function; });
}

std::set<unsigned int> KW7FunctionGeneratorResource::supportedRanges() const
{
    return {1, 10};
}

FunctionGeneratorOutputOptions KW7FunctionGeneratorResource::outputOptions(unsigned int ch) const
{
    return m_d->valid(ch) ? m_d->channels[ch].outputOptions : FunctionGeneratorOutputOptions();
}

void KW7FunctionGeneratorResource::setOutputOptions(unsigned int ch,
                                                    const FunctionGeneratorOutputOptions &options)
{
    if (!m_d->valid(ch))
        return;
    change(OptionsPending, [&] {
        m_d->channels[ch].outputOptions = options;
        // The sample rate is the device's, not a channel's.
        for (FunctionGeneratorChannelOptions &channel : m_d->channels)
            channel.outputOptions.sampling_frequency = options.sampling_frequency;
    });
}

FunctionGeneratorStartardFunctionOptions
KW7FunctionGeneratorResource::standardFunctionOptions(unsigned int ch) const
{
    return m_d->valid(ch) ? m_d->channels[ch].standardFunctionOptions
                          : FunctionGeneratorStartardFunctionOptions();
}

void KW7FunctionGeneratorResource::setStandardFunctionOptions(
        unsigned int ch, const FunctionGeneratorStartardFunctionOptions &options)
{
    if (!m_d->valid(ch))
        return;
    change(OptionsPending, [&] { m_d->channels[ch].standardFunctionOptions = options; });
}

FunctionGeneratorModulationOptions
KW7FunctionGeneratorResource::modulationOptions(unsigned int ch) const
{
    return m_d->valid(ch) ? m_d->channels[ch].modulationOptions
                          : FunctionGeneratorModulationOptions();
}

void KW7FunctionGeneratorResource::setModulationOptions(
        unsigned int ch, const FunctionGeneratorModulationOptions &options)
{
    if (!m_d->valid(ch))
        return;
    change(OptionsPending, [&] { m_d->channels[ch].modulationOptions = options; });
}

FunctionGeneratorAWGOptions KW7FunctionGeneratorResource::AWGOptiuons(unsigned int ch) const
{
    m_d->touchLock();
    return m_d->valid(ch) ? m_d->channels[ch].awgOptions : FunctionGeneratorAWGOptions();
}

void KW7FunctionGeneratorResource::setAWGOptions(unsigned int ch,
                                                 const FunctionGeneratorAWGOptions &options)
{
    if (!m_d->valid(ch))
        return;
    change(RestartPending, [&] { m_d->channels[ch].awgOptions = options; });
}

FunctionGeneratorTriggerOptions KW7FunctionGeneratorResource::triggerOptions() const
{
    return m_d->trigger;
}

void KW7FunctionGeneratorResource::setTriggerOptions(const FunctionGeneratorTriggerOptions &options)
{
    change(OptionsPending, [&] { m_d->trigger = options; });
}

FunctionGeneratorStartType KW7FunctionGeneratorResource::state() const
{
    return m_d->state;
}

void KW7FunctionGeneratorResource::onApplyOptions()
{
    m_d->touchLock();
    if (m_d->pending == NothingPending || !m_d->module
        || m_d->state == FunctionGeneratorStartType::Stopped)
        return;
    if (m_d->mode == FunctionGeneratorMode::ArbitraryWaveform || m_d->pending == RestartPending)
        start(m_d->startType);
    else
        apply();
}

void KW7FunctionGeneratorResource::apply()
{
    if (m_d->pending == NothingPending || !m_d->module)
        return;
    m_d->pending = NothingPending;

    const ViSession vi = m_d->handle();
    const auto codes = kw7::sampleRateCodes(m_d->channels[0].outputOptions.sampling_frequency);
    if (!m_d->call([&] {
            return zqkw7_config_sample_freq(vi, ViInt16(codes.first), ViInt16(codes.second));
        }))
        return;
    if (!m_d->call([&] { return zqkw7_config_source_freq(vi, 0, 0); }))
        return;

    ViInt16 startCode = 0;
    if (m_d->startType == FunctionGeneratorStartType::Delayed)
        startCode = 1;
    else if (m_d->startType == FunctionGeneratorStartType::Trigger)
        startCode = 2;
    const ViBoolean rising = m_d->trigger.type != 0 ? 1 : 0;
    const double delay = m_d->trigger.delay;
    if (!m_d->call([&] { return zqkw7_config_start(vi, startCode, rising, delay); }))
        return;

    if (m_d->mode == FunctionGeneratorMode::ArbitraryWaveform) {
        if (!m_d->call([&] { return zqkw7_config_mode(vi, 0); }))
            return;
        configAWGOptions();
        return;
    }
    if (!m_d->call([&] { return zqkw7_config_mode(vi, 1); }))
        return;
    for (unsigned int ch = 0; ch < m_d->channelsCount; ++ch) {
        if (isError())
            break;
        configAFGOptions(ch);
    }
}

void KW7FunctionGeneratorResource::configChan(unsigned int ch, unsigned long handle, bool enable)
{
    const FunctionGeneratorOutputOptions &output = m_d->channels[ch].outputOptions;
    const ViSession vi = ViSession(handle);
    m_d->call([&] {
        return zqkw7_config_chan(vi, 1, ViUInt16(ch), enable ? 1 : 0, output.range != 1 ? 1 : 0,
                                 output.impedance, output.offset);
    });
}

void KW7FunctionGeneratorResource::configAFGOptions(unsigned int ch)
{
    const FunctionGeneratorChannelOptions &channel = m_d->channels[ch];
    const ViSession vi = m_d->handle();
    const ViUInt16 chan = ViUInt16(ch);

    configChan(ch, vi, channel.enable);
    if (!channel.enable || isError())
        return;

    using F = FunctionGeneratorStandardFunction;
    bool sent = true;
    switch (channel.standardFunction) {
    case F::Level: {
        const double level = 0.0;
        sent = m_d->call([&] { return zqkw7_config_afg_gen(vi, chan, 1); })
                && m_d->call([&] { return zqkw7_afg_setData(vi, chan, &level, 1, 0.0); });
        break;
    }
    case F::Sine: {
        const FunctionGeneratorSineOptions &sine = channel.standardFunctionOptions.sineOptions;
        const double phase = kw7::reducedPhase(sine.phase);
        sent = m_d->call([&] {
            return zqkw7_config_afg(vi, chan, sine.double_amplitude / 2.0, sine.frequency, phase);
        }) && m_d->call([&] { return zqkw7_config_afg_gen(vi, chan, 0); })
                && m_d->call([&] { return zqkw7_config_afg_signal(vi, chan, 0, 0.0, 0.0, 0.0); });
        break;
    }
    case F::Square:
    case F::Rectangular:
    case F::Triangular:
    case F::PositiveRamp:
    case F::NegativeRamp: {
        const kw7::FunctionTable table = kw7::functionTable(
                channel.standardFunction, channel.standardFunctionOptions,
                Internal::getDataSpeed(channel.outputOptions.sampling_frequency));
        if (table.samples.isEmpty())
            break;
        sent = m_d->call([&] { return zqkw7_config_afg_gen(vi, chan, 1); }) && m_d->call([&] {
            return zqkw7_afg_setData(vi, chan, table.samples.constData(),
                                     ViUInt16(table.samples.size()), table.step);
        });
        break;
    }
    default:
        break;
    }
    if (!sent)
        return;

    const FunctionGeneratorModulationOptions &m = channel.modulationOptions;
    const int type = int(m.type);
    const ViInt16 code = ViInt16(type >= 1 && type <= 5 ? type : 0);
    m_d->call([&] {
        return zqkw7_config_afg_modul(vi, chan, code, m.frequency, m.modulation_index,
                                      m.frequency_deviation, m.phase_deviation);
    });
}

void KW7FunctionGeneratorResource::configAWGOptions()
{
    const ViSession vi = m_d->handle();
    QVector<QVector<double>> channelSignals;
    for (unsigned int ch = 0; ch < m_d->channelsCount; ++ch) {
        const FunctionGeneratorChannelOptions &channel = m_d->channels[ch];
        QVector<double> signal = getAwgData(channel.awgOptions.file, channel.awgOptions.channel);
        // The last look before the module: a sample that is no finite number switches the
        // channel off, whatever judged the file before.
        const bool finite = std::all_of(signal.cbegin(), signal.cend(),
                                        [](double sample) { return std::isfinite(sample); });
        const bool playing = channel.enable && !signal.isEmpty() && finite;
        configChan(ch, vi, playing);
        channelSignals.append(playing ? signal : QVector<double>());
    }

    unsigned int length = 0;
    const QVector<double> buffer = kw7::interleaveAwgSignals(channelSignals, &length);
    if (!m_d->call([&] { return zqkw7_config_awg(vi, 1, 0, 1, 1, ViUInt32(length)); }))
        return;
    m_d->call([&] { return zqkw7_writeAWG(vi, 0, ViUInt32(buffer.size()), buffer.constData()); });
}

void KW7FunctionGeneratorResource::start(FunctionGeneratorStartType startType)
{
    if (!m_d->module || !isStartRequest(startType))
        return;
    QMutexLocker locker(m_d->module->lockMutex());
    m_d->touchLock();

    if (m_d->state != FunctionGeneratorStartType::Stopped)
        stop();
    if (isError())
        return;

    m_d->startType = startType;
    m_d->pending = OptionsPending;
    apply();
    if (isError())
        return;

    if (int(m_d->module->state()) != kModuleStarted) {
        const ViSession vi = m_d->handle();
        if (!m_d->call([&] { return zqkw7_start(vi); }))
            return;
    }
    m_d->state = startType;
}

void KW7FunctionGeneratorResource::stop()
{
    if (!m_d->module)
        return;
    QMutexLocker locker(m_d->module->lockMutex());
    const ViSession vi = m_d->handle();
    if (m_d->call([&] { return zqkw7_stop(vi); }))
        m_d->state = FunctionGeneratorStartType::Stopped;
}

void KW7FunctionGeneratorResource::forceTrigger()
{
    if (!m_d->module)
        return;
    QMutexLocker locker(m_d->module->lockMutex());
    const ViSession vi = m_d->handle();
    m_d->call([&] { return zqkw7_prog_start(vi); });
}

ResourceState KW7FunctionGeneratorResource::storeState()
{
    ResourceState s;
    s[QStringLiteral("mode")] = int(m_d->mode);
    for (unsigned int ch = 0; ch < m_d->channelsCount; ++ch)
        storeChannelOptions(s, ch, m_d->channels[ch]);
    storeTriggerOptions(s, m_d->trigger);
    return s;
}

void KW7FunctionGeneratorResource::restoreState(const ResourceState &state)
{
    const FunctionGeneratorChannelOptions fresh = initialChannel();
    for (unsigned int ch = 0; ch < m_d->channelsCount; ++ch) {
        setStandardFunction(
                ch,
                restoredStandardFunction(state, ch, supportedFunctions(), fresh.standardFunction));
        setOutputOptions(ch,
                         restoredOutputOptions(state, ch, outputOptions(ch), fresh.outputOptions,
                                               supportedRanges()));
        setModulationOptions(ch,
                             restoredModulationOptions(state, ch, modulationOptions(ch),
                                                       fresh.modulationOptions));
        setStandardFunctionOptions(ch,
                                   restoredFunctionOptions(state, ch, standardFunctionOptions(ch),
                                                           fresh.standardFunctionOptions));
        m_d->channels[ch].enable = restoredChannelEnable(state, ch);
        setAWGOptions(ch, restoredAwgOptions(state, ch, AWGOptiuons(ch)));
    }
    setTriggerOptions(restoredTriggerOptions(state, triggerOptions()));
    if (const std::optional<FunctionGeneratorMode> mode = restoredMode(state))
        setMode(*mode);
}
