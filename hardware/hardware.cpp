#include "hardware/hardware.h"

#include "hardware/basemoduleinittask.h"
#include "hardware/modulecollection.h"
#include "hardware/moduleinittask.h"
#include "hardware/modules/tavrin/tavrinmodule.h"
#include "hardware/threadhandover.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace {

const char carrierBase[] = "VXI";
// How long the GUI thread waits for the pool between two rounds of event processing: short
// enough to keep the screen live, long enough not to spin.
constexpr int poolPollMs = 50;

} // namespace

Hardware::Hardware(QObject *parent)
    : QObject(parent)
{ }

// The carriers are closed by closeBaseModules before this; destroying a carrier closes no
// driver session, it only frees the object.
Hardware::~Hardware()
{
    qDeleteAll(m_baseModules);
}

TavrinModule *Hardware::baseModule(const QString &path) const
{
    return m_baseModules.value(path, nullptr);
}

int Hardware::baseModuleCount() const
{
    return m_baseModules.count();
}

// Qt hands a task to a pool thread, and a finished one back through waitForDone, under its own
// locks, which the thread sanitizer cannot see; the tasks take themselves over at their start
// and hand the collection back at their end, so only these two orders are marked for it.
void Hardware::startTask(QRunnable *task)
{
    PRALUNE_HAND_OVER(task);
    QThreadPool::globalInstance()->start(task, 0);
}

void Hardware::waitForPool()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    while (pool->activeThreadCount() != 0) {
        // The modules' queued stateChanged signals reach the screen here.
        QCoreApplication::processEvents(QEventLoop::AllEvents, poolPollMs);
        pool->waitForDone(poolPollMs);
    }
    pool->waitForDone();
    PRALUNE_TAKE_OVER(&ModuleCollection::instance());
}

bool Hardware::initializeBaseModules()
{
    ModuleCollection &collection = ModuleCollection::instance();
    for (int i = 0; i < collection.count(); ++i) {
        ModuleInterface *module = collection.byOrder(i);
        if (!module || module->base() != QLatin1String(carrierBase)
            || m_baseModules.contains(module->path()))
            continue;
        auto *carrier = new TavrinModule(nullptr);
        carrier->setPath(module->path());
        m_baseModules.insert(module->path(), carrier);
    }
    if (m_baseModules.isEmpty())
        return true;

    m_baseModules.first()->performInitResourses();

    for (TavrinModule *carrier : qAsConst(m_baseModules))
        startTask(new BaseModuleInitTask(carrier));
    waitForPool();

    // Only now, with every carrier task done, are the sessions final.
    for (int i = 0; i < collection.count(); ++i) {
        ModuleInterface *module = collection.byOrder(i);
        if (!module)
            continue;
        if (TavrinModule *carrier = m_baseModules.value(module->path(), nullptr))
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
        if (module && !m_baseModules.contains(module->path()))
            tasks.append(new ModuleInitTask({module->id()}));
    }
    for (auto it = m_baseModules.cbegin(); it != m_baseModules.cend(); ++it) {
        QList<int> ids;
        for (int i = 0; i < collection.count(); ++i) {
            ModuleInterface *module = collection.byOrder(i);
            if (module && module->path() == it.key())
                ids.append(module->id());
        }
        if (!ids.isEmpty())
            tasks.append(new ModuleInitTask(ids));
    }

    for (ModuleInitTask *task : qAsConst(tasks))
        startTask(task);
    waitForPool();
    return true;
}

static bool isOpen(const ModuleInterface *module)
{
    const ModuleInterface::ModuleState state = module->state();
    return state != ModuleInterface::NotReached && state != ModuleInterface::NotInitialized
            && module->handle() != 0;
}

bool Hardware::closeModules()
{
    ModuleCollection &collection = ModuleCollection::instance();
    for (int i = 0; i < collection.count(); ++i) {
        ModuleInterface *module = collection.byOrder(i);
        if (!module || !isOpen(module))
            continue;
        if (module->close() < 0)
            emit errorOccurred(tr("Close error %1: %2").arg(module->name(), module->errorString()));
    }
    return true;
}

bool Hardware::closeBaseModules()
{
    const QMap<QString, TavrinModule *> carriers = m_baseModules;
    for (TavrinModule *carrier : carriers) {
        if (!carrier || !isOpen(carrier))
            continue;
        // A carrier's close failure is not reported: its modules are closed already.
        carrier->close();
        QCoreApplication::processEvents();
    }
    return true;
}
