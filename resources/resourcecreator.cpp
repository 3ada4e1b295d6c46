#include "resources/resourcecreator.h"

#include "hardware/facilitiesrequirementsinterface.h"
#include "hardware/modulecollection.h"
#include "resources/combinationcreator.h"
#include "resources/resourcedependence.h"
#include "resources/resourceinterface.h"
#include "resources/resourcemanager.h"

ResourceCreator::ResourceCreator()
    : m_factory(nullptr)
{
}

ResourceCreator::~ResourceCreator() = default;

QStringList ResourceCreator::availableTypes() const
{
    return m_factory.availiableTypes();
}

std::shared_ptr<ResourceInterface> ResourceCreator::newResource(const QString &type) const
{
    return std::shared_ptr<ResourceInterface>(
            qobject_cast<ResourceInterface *>(m_factory.create(type)));
}

QList<std::shared_ptr<ResourceInterface>> ResourceCreator::create(const QString &type) const
{
    const std::shared_ptr<ResourceInterface> probe = newResource(type);
    if (!probe)
        return {};
    const std::shared_ptr<ResourceDependence> tree = probe->getDependencies();
    const QList<QList<ModuleInterface *>> candidates = findModules(tree);
    if (candidates.isEmpty())
        return {};

    QList<std::shared_ptr<ResourceInterface>> resources;
    CombinationCreator<ModuleInterface *> combinations(candidates);
    for (QList<ModuleInterface *> modules = combinations.next(); !modules.isEmpty();
         modules = combinations.next())
        resources += createResources(type, modules, tree);
    return resources;
}

QList<ModuleInterface *> ResourceCreator::findModules(ModuleTypes type) const
{
    QList<ModuleInterface *> modules;
    ModuleCollection &collection = ModuleCollection::instance();
    for (int i = 0; i < collection.count(); ++i) {
        ModuleInterface *module = collection.byOrder(i);
        if (module && module->type() == type
            && (module->demoMode() || module->errorString().isEmpty()))
            modules.append(module);
    }
    return modules;
}

QList<QList<ModuleInterface *>>
ResourceCreator::findModules(const std::shared_ptr<ResourceDependence> &tree) const
{
    QList<QList<ModuleInterface *>> candidates;
    if (!tree)
        return candidates;
    for (bool leaf = tree->first(); leaf; leaf = tree->next())
        candidates.append(findModules(tree->moduleType()));
    return candidates;
}

QList<std::shared_ptr<ResourceInterface>>
ResourceCreator::createResources(const QString &type, const QList<ModuleInterface *> &modules,
                                 const std::shared_ptr<ResourceDependence> &tree) const
{
    using Requirements = std::shared_ptr<FacilitiesRequirementsInterface>;
    if (!tree)
        return {};

    QList<QList<Requirements>> options;
    int i = 0;
    for (bool leaf = tree->first(); leaf; leaf = tree->next(), ++i) {
        const QList<Requirements> offered = ResourceManager::instance()->availableFacilities(
                modules.value(i), tree->requirements());
        if (offered.isEmpty())
            return {};
        options.append(offered);
    }
    if (options.isEmpty())
        return {};

    QList<std::shared_ptr<ResourceInterface>> resources;
    CombinationCreator<Requirements> combinations(options);
    for (QList<Requirements> chosen = combinations.next(); !chosen.isEmpty();
         chosen = combinations.next()) {
        const std::shared_ptr<ResourceInterface> resource = newResource(type);
        if (!resource)
            continue;
        const std::shared_ptr<ResourceDependence> own = resource->getDependencies();
        int j = 0;
        for (bool leaf = own->first(); leaf; leaf = own->next(), ++j) {
            own->setModule(modules.value(j));
            own->setRequirements(chosen.value(j));
        }
        if (resource->create())
            resources.append(resource);
    }
    return resources;
}
