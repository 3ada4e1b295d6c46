#include "hardware/hardware.h"

#include "hardware/basemoduleinittask.h"
#include "hardware/modulecollection.h"
#include "hardware/moduleinittask.h"
#include "hardware/modules/tavrin/tavrinmodule.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThreadPool>
#include <QTimer>

namespace {

const QString carrierBase = QStringLiteral("VXI");

// How long the GUI thread sleeps at most between looks at the pool while it waits.
constexpr int poolPollMs = 50;

} // namespace

Hardware::Hardware(QObject *parent)
    : QObject(parent)
{
}

Hardware::~Hardware() = default;

TavrinModule *Hardware::carrier(const QString &path) const
{
    return m_carriers.value(path, nullptr);
}

void Hardware::waitForPool()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    // The timer bounds each wait, so the loop neither spins nor sleeps past the pool's end;
    // the queued state changes of the tasks are delivered meanwhile.
    QTimer wakeUp;
    wakeUp.start(poolPollMs);
    while (pool->activeThreadCount() != 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    pool->waitForDone();
}

bool Hardware::initializeBaseModules()
{
    ModuleCollection &collection = ModuleCollection::instance();
    for (int i = 0; i < collection.count(); ++i) {
        ModuleInterface *module = collection.byOrder(i);
        if (!module || module->base() != carrierBase || m_carriers.contains(module->path()))
            continue;
        auto *carrier = new TavrinModule(nullptr);
        carrier->setPath(module->path());
        m_carriers.insert(module->path(), carrier);
    }
    if (m_carriers.isEmpty())
        return true;

    m_carriers.first()->performInitResourses();

    QThreadPool *pool = QThreadPool::globalInstance();
    for (TavrinModule *carrier : qAsConst(m_carriers))
        pool->start(new BaseModuleInitTask(carrier), 0);
    waitForPool();

    for (int i = 0; i < collection.count(); ++i) {
        ModuleInterface *module = collection.byOrder(i);
        if (!module)
            continue;
        if (TavrinModule *carrier = m_carriers.value(module->path(), nullptr))
            module->setMainHandle(carrier->handle());
    }
    return true;
}

bool Hardware::initializeModules()
{
    ModuleCollection &collection = ModuleCollection::instance();
    QList<ModuleInitTask *> tasks;
    for (int i = 0; i < collection.count(); ++i) {
        ModuleInterface *module = collection.byOrder(i);
        if (module && !m_carriers.contains(module->path()))
            tasks.append(new ModuleInitTask({ module->id() }));
    }
    for (auto it = m_carriers.cbegin(); it != m_carriers.cend(); ++it) {
        QList<int> ids;
        for (int i = 0; i < collection.count(); ++i) {
            ModuleInterface *module = collection.byOrder(i);
            if (module && module->path() == it.key())
                ids.append(module->id());
        }
        if (!ids.isEmpty())
            tasks.append(new ModuleInitTask(ids));
    }

    QThreadPool *pool = QThreadPool::globalInstance();
    for (ModuleInitTask *task : qAsConst(tasks))
        pool->start(task, 0);
    waitForPool();
    return true;
}

bool Hardware::closeModules()
{
    ModuleCollection &collection = ModuleCollection::instance();
    for (int i = 0; i < collection.count(); ++i) {
        ModuleInterface *module = collection.byOrder(i);
        if (!module || module->state() <= ModuleInterface::NotInitialized || module->handle() == 0)
            continue;
        if (module->close() < 0)
            emit errorOccurred(tr("Close error %1: %2").arg(module->name(), module->errorString()));
    }
    return true;
}

bool Hardware::closeBaseModules()
{
    const QMap<QString, TavrinModule *> carriers = m_carriers;
    for (TavrinModule *carrier : carriers) {
        if (!carrier || carrier->state() <= ModuleInterface::NotInitialized || carrier->handle() == 0)
            continue;
        carrier->close();
        QCoreApplication::processEvents();
    }
    return true;
}
