#include "hardware/moduleinterface.h"

ModuleInterface::ModuleInterface(QObject *parent)
    : QObject(parent)
{
    // stateChanged is emitted on pool threads during initialization and must be queued to
    // the GUI thread; registering again is harmless.
    qRegisterMetaType<ModuleInterface::ModuleState>("ModuleState");
    qRegisterMetaType<ModuleInterface::ModuleState>("ModuleInterface::ModuleState");
    qRegisterMetaType<ModuleTypes>("ModuleTypes");
}

// A module is not closed by being destroyed: closing is the hardware object's job at
// shut-down, and a destructor must not talk to a driver that may already be gone.
ModuleInterface::~ModuleInterface() = default;

QString ModuleInterface::namePrefix() const
{
    return QString();
}

int ModuleInterface::init()
{
    if (m_state == Initialized)
        return 0;
    const int result = performInit();
    if (result == 0) {
        m_state = Initialized;
    } else {
        m_state = NotInitialized;
        emit stateChanged(m_state);
    }
    return result;
}

int ModuleInterface::selftest()
{
    const int result = performSelftest();
    m_state = result == 0 ? Initialized : NotInitialized;
    emit stateChanged(m_state);
    return result;
}

int ModuleInterface::configure()
{
    const int result = performConfigure();
    m_state = result == 0 ? Configured : NotInitialized;
    return result;
}

int ModuleInterface::start()
{
    const int result = performStart();
    m_state = result == 0 ? Started : NotInitialized;
    return result;
}

int ModuleInterface::dataReading()
{
    return performDataReading();
}

int ModuleInterface::reset()
{
    return performReset();
}

int ModuleInterface::stop()
{
    const int result = performStop();
    // A stopped module is ready again whether or not the driver agreed: there is nothing
    // left running that a later start could collide with.
    m_state = Initialized;
    return result;
}

int ModuleInterface::close()
{
    const int result = performClose();
    // The sessions are gone (or unusable) after a close attempt either way.
    m_state = NotInitialized;
    m_handle = 0;
    m_mainHandle = 0;
    return result;
}

void ModuleInterface::errorMessage(int status)
{
    performErrorMessage(status);
}

void ModuleInterface::sendError(int status)
{
    if (status < 0 && !m_demoMode)
        emit errorOccured();
}

int ModuleInterface::performDataReading()
{
    return -1;
}

void ModuleInterface::setId(int id)
{
    if (id > 0)
        m_id = id;
}

void ModuleInterface::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged(m_name);
}

void ModuleInterface::setBase(const QString &base)
{
    if (base == m_base)
        return;
    m_base = base;
    emit baseChanged(m_base);
}

void ModuleInterface::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    emit pathChanged(m_path);
}

void ModuleInterface::setPosition(int position)
{
    if (position == m_position)
        return;
    m_position = position;
    emit positionChanged(m_position);
}
