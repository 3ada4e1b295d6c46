#include "hardware/modulecollection.h"

#include "hardware/moduleinterface.h"

#include <memory>

ModuleCollection &ModuleCollection::instance()
{
    // Released at process exit, which deletes the modules still held; they are closed
    // before that by the hardware object.
    static const std::shared_ptr<ModuleCollection> collection(new ModuleCollection(nullptr));
    return *collection;
}

ModuleCollection::ModuleCollection(QObject *parent)
    : QObject(parent)
{
}

// The modules are children and go with the collection.
ModuleCollection::~ModuleCollection() = default;

int ModuleCollection::count() const
{
    return m_modules.count();
}

ModuleInterface *ModuleCollection::byOrder(int index) const
{
    if (index < 0 || index >= m_modules.count())
        return nullptr;
    return m_modules.at(index);
}

ModuleInterface *ModuleCollection::byId(int id) const
{
    for (ModuleInterface *module : m_modules) {
        if (module && module->id() == id)
            return module;
    }
    return nullptr;
}

ModuleInterface *ModuleCollection::byName(const QString &name) const
{
    for (ModuleInterface *module : m_modules) {
        if (module && module->name() == name)
            return module;
    }
    return nullptr;
}

bool ModuleCollection::hasName(const QString &name) const
{
    return byName(name) != nullptr;
}

bool ModuleCollection::hasId(int id) const
{
    return byId(id) != nullptr;
}

QString ModuleCollection::makeUniqueName(ModuleInterface *module) const
{
    if (!module)
        return QString();
    if (!module->name().isEmpty() && !hasName(module->name()))
        return module->name();
    const QString prefix = module->namePrefix();
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1_%2").arg(prefix).arg(n);
        if (!hasName(candidate))
            return candidate;
    }
}

int ModuleCollection::makeUniqueId(ModuleInterface *module) const
{
    if (!module)
        return -1;
    if (module->id() > 0 && !hasId(module->id()))
        return module->id();
    int n = 1;
    while (hasId(n))
        ++n;
    return n;
}

void ModuleCollection::add(ModuleInterface *module)
{
    add(QList<ModuleInterface *> { module });
}

void ModuleCollection::add(const QList<ModuleInterface *> &modules)
{
    QList<int> ids;
    for (ModuleInterface *module : modules) {
        if (!module)
            continue;
        module->setName(makeUniqueName(module));
        module->setId(makeUniqueId(module));
        module->setParent(this);
        m_modules.append(module);
        ids.append(module->id());
    }
    if (!ids.isEmpty())
        emit added(ids);
}

void ModuleCollection::remove(ModuleInterface *module)
{
    remove(QList<ModuleInterface *> { module });
}

void ModuleCollection::remove(const QList<ModuleInterface *> &modules)
{
    // Only objects that are really in the list are deleted, each once: a stray pointer, a
    // module listed twice or one whose id another module now carries must not take an
    // innocent module (or freed memory) with it.
    QList<ModuleInterface *> present;
    for (ModuleInterface *module : modules) {
        if (module && m_modules.contains(module) && !present.contains(module))
            present.append(module);
    }
    if (present.isEmpty())
        return;

    QList<int> ids;
    ids.reserve(present.count());
    for (ModuleInterface *module : present)
        ids.append(module->id());

    emit aboutToRemove(ids);
    for (ModuleInterface *module : present) {
        module->disconnect();
        m_modules.removeAll(module);
        delete module;
    }
    emit removed(ids);
}

void ModuleCollection::reset()
{
    const QList<ModuleInterface *> all = m_modules;
    remove(all);
}

void ModuleCollection::setState(ModuleInterface *module, int state)
{
    if (module)
        module->setState(static_cast<ModuleInterface::ModuleState>(state));
}

void ModuleCollection::setState(const QString &name, int state)
{
    setState(byName(name), state);
}

void ModuleCollection::setStateByPath(const QString &path, const QString &base, int state)
{
    for (ModuleInterface *module : m_modules) {
        if (module && module->path() == path && module->base() == base)
            module->setState(static_cast<ModuleInterface::ModuleState>(state));
    }
}
