#include "hardware/basemoduleinittask.h"

#include "hardware/modulecollection.h"
#include "hardware/modules/tavrin/tavrinmodule.h"
#include "hardware/threadhandover.h"

BaseModuleInitTask::BaseModuleInitTask(TavrinModule *carrier)
    : m_carrier(carrier)
{ }

void BaseModuleInitTask::run()
{
    PRALUNE_TAKE_OVER(this);
    if (m_carrier->init() == 0)
        m_carrier->selftest();
    ModuleCollection &collection = ModuleCollection::instance();
    collection.setStateByPath(m_carrier->path(), m_carrier->base(),
                              ModuleInterface::NotInitialized);
    PRALUNE_HAND_OVER(&collection);
}
