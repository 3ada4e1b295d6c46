#include "hardware/moduleinittask.h"

#include "hardware/modulecollection.h"
#include "hardware/moduleinterface.h"
#include "hardware/threadhandover.h"

ModuleInitTask::ModuleInitTask(const QList<int> &ids)
    : m_ids(ids)
{ }

void ModuleInitTask::run()
{
    PRALUNE_TAKE_OVER(this);
    ModuleCollection &collection = ModuleCollection::instance();
    for (int id : qAsConst(m_ids)) {
        ModuleInterface *module = collection.byId(id);
        if (!module)
            continue;
        // No carrier task reached this mezzanine's carrier: there is no session to use.
        if (module->state() == ModuleInterface::NotReached
            && module->base() == QLatin1String("VXI"))
            continue;
        if (module->init() >= 0)
            module->selftest();
    }
    PRALUNE_HAND_OVER(&collection);
}
