#include "hardware/basemoduleinittask.h"

#include "hardware/modulecollection.h"
#include "hardware/modules/tavrin/tavrinmodule.h"

BaseModuleInitTask::BaseModuleInitTask(TavrinModule *carrier)
    : m_carrier(carrier)
{
}

void BaseModuleInitTask::run()
{
    if (m_carrier->init() == 0)
        m_carrier->selftest();
    ModuleCollection::instance().setStateByPath(m_carrier->path(), m_carrier->base(),
                                                ModuleInterface::NotInitialized);
}
