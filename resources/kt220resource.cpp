#include "resources/kt220resource.h"

#include "hardware/facilitiesrequirementsfactory.h"
#include "hardware/facilitiesrequirementsinterface.h"
#include "hardware/modules/kt220/kt220module.h"
#include "resources/resourcedependence.h"
#include "resources/storedvalue.h"

namespace {
const QString VoltageKey = QStringLiteral("voltage");
const QString CurrentKey = QStringLiteral("current");
const QString Owner = QStringLiteral("power supply");

// Bits of the instrument's state word, in the order they decide the regulation state.
constexpr struct
{
    int bit;
    PowerSupplyModeType mode;
} StateBits[] = {
        {4, PowerSupplyOverRegulation},
        {1, PowerSupplyConstantCurrent},
        {2, PowerSupplyConstantVoltage},
};
} // namespace

KT220Resource::KT220Resource(QObject *parent)
    : PowerSupplyResource(parent)
    , m_readingTimer(this)
    , m_applyTimer(this)
{
    m_channelsCount = 1;
    m_readingTimer.setInterval(ReadingIntervalMs);
    m_readingTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_readingTimer, &QTimer::timeout, this, &KT220Resource::read);
    m_applyTimer.setInterval(ApplyIntervalMs);
    connect(&m_applyTimer, &QTimer::timeout, this, &KT220Resource::apply);

    const FacilitiesRequirementsFactory requirementsFactory;
    const ModuleTypes moduleType = ModuleTypeKT220;
    getDependencies()->add(moduleType,
                           std::shared_ptr<FacilitiesRequirementsInterface>(
                                   requirementsFactory.create(moduleType)));
}

KT220Resource::~KT220Resource() = default;

QString KT220Resource::type() const
{
    return QStringLiteral("KT220 Power Supply");
}

bool KT220Resource::create()
{
    const std::shared_ptr<ResourceDependence> dependencies = getDependencies();
    if (!dependencies->first())
        return false;
    auto *module = qobject_cast<KT220Module *>(dependencies->module());
    if (!module)
        return false;
    {
        QWriteLocker locker(&m_lock);
        m_module = module;
    }
    connect(module, &ModuleInterface::errorOccured, this, &ResourceInterface::setError);
    m_readingTimer.start();
    return true;
}

KT220Module *KT220Resource::boundModule() const
{
    QReadLocker locker(&m_lock);
    return m_module;
}

void KT220Resource::setOutputOptions(int, PowerSupplyOutputOptions const &options)
{
    bool switchOn = false;
    bool switchOff = false;
    {
        QWriteLocker locker(&m_lock);
        const bool wasStopped = m_stopped;
        m_options = options;
        m_changed = true;
        if (!wasStopped && !options.enabled) {
            m_stopped = true;
            switchOff = true;
        } else if (wasStopped && options.enabled) {
            m_stopped = false;
            switchOn = true;
        }
    }
    if (switchOff) {
        m_applyTimer.stop();
        if (KT220Module *module = boundModule())
            module->setEnabled(false);
    } else if (switchOn) {
        apply();
        if (!m_applyTimer.isActive())
            m_applyTimer.start();
    }
}

PowerSupplyOutputOptions KT220Resource::outputOptions(int) const
{
    return m_options;
}

int KT220Resource::output(int, double &voltage, double &current)
{
    KT220Module *module = boundModule();
    return module ? module->getOutput(voltage, current) : 0;
}

PowerSupplyModeType KT220Resource::mode(int)
{
    KT220Module *module = boundModule();
    int state = 0;
    if (!module || module->getState(state) != 0)
        return PowerSupplyNoMode;
    for (const auto &entry : StateBits) {
        if (state & entry.bit)
            return entry.mode;
    }
    return PowerSupplyNoMode;
}

void KT220Resource::read()
{
    double voltage = 0.0;
    double current = 0.0;
    output(0, voltage, current);
    const PowerSupplyModeType regulation = mode(1);
    emit outputChanged(0, voltage, current);
    emit modeChanged(0, regulation);
}

bool KT220Resource::takePending(PowerSupplyOutputOptions &pending)
{
    QWriteLocker locker(&m_lock);
    if (!m_changed)
        return false;
    m_changed = false;
    pending = m_options;
    return true;
}

void KT220Resource::write(const PowerSupplyOutputOptions &options)
{
    KT220Module *module = boundModule();
    if (!module)
        return;
    module->configureOutput(options.voltage, options.current);
    module->setEnabled(options.enabled);
}

void KT220Resource::apply()
{
    PowerSupplyOutputOptions pending;
    if (takePending(pending))
        write(pending);
}

void KT220Resource::start()
{
    {
        QWriteLocker locker(&m_lock);
        m_stopped = false;
    }
    apply();
    if (!m_applyTimer.isActive())
        m_applyTimer.start();
}

int KT220Resource::stop()
{
    m_applyTimer.stop();
    {
        QWriteLocker locker(&m_lock);
        m_stopped = true;
    }
    KT220Module *module = boundModule();
    return module ? module->setEnabled(false) : 0;
}

ResourceState KT220Resource::storeState()
{
    const PowerSupplyOutputOptions options = outputOptions(0);
    ResourceState state;
    state[VoltageKey] = options.voltage;
    state[CurrentKey] = options.current;
    return state;
}

void KT220Resource::restoreState(const ResourceState &state)
{
    PowerSupplyOutputOptions options = outputOptions(0);
    const PowerSupplyOutputOptions fresh;
    options.voltage = restoredNumber(state, Owner, VoltageKey, fresh.voltage,
                                     options.voltageMinimum, options.voltageMaximum);
    options.current = restoredNumber(state, Owner, CurrentKey, fresh.current,
                                     options.currentMinimum, options.currentMaximum);
    options.enabled = false;
    setOutputOptions(0, options);
}
