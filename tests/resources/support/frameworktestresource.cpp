#include "support/frameworktestresource.h"

#include "hardware/facilitiesrequirementsfactory.h"
#include "hardware/facilitiesrequirementsinterface.h"
#include "hardware/modulefacilitiesinterface.h"
#include "resources/resourcedependence.h"
#include "resources/resourcemanager.h"

FrameworkTestResource::FrameworkTestResource(const QString &name,
                                             const QList<ModuleTypes> &moduleTypes,
                                             QObject *parent)
    : ResourceInterface(parent)
    , m_name(name)
{
    const FacilitiesRequirementsFactory factory;
    for (ModuleTypes type : moduleTypes)
        getDependencies()->add(type, std::shared_ptr<FacilitiesRequirementsInterface>(
                                             factory.create(type)));
}

void FrameworkTestResource::bind(const QList<ModuleInterface *> &modules)
{
    const auto tree = getDependencies();
    int i = 0;
    for (bool leaf = tree->first(); leaf; leaf = tree->next())
        tree->setModule(modules.value(i++));
}

ResourceState FrameworkTestResource::storeState()
{
    storeLog().append(m_name);
    // Held means no one else could take the module now.
    m_heldWhenStored = true;
    const auto tree = getDependencies();
    for (bool leaf = tree->first(); leaf; leaf = tree->next()) {
        ModuleFacilitiesInterface *facilities = ResourceManager::instance()->get(tree->module());
        if (!facilities || facilities->canOccupy(tree->requirements()))
            m_heldWhenStored = false;
    }
    ResourceState state;
    state[QStringLiteral("name")] = m_name;
    state[QStringLiteral("value")] = 2.5;
    return state;
}

void FrameworkTestResource::restoreState(const ResourceState &state)
{
    ++m_restoreCount;
    m_restored = state;
}

QStringList &FrameworkTestResource::storeLog()
{
    static QStringList log;
    return log;
}
