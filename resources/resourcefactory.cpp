#include "resources/resourcefactory.h"

#include "hardware/prototypeinstance.h"
#include "resources/kt220resource.h"
#include "resources/kw7functiongeneratorresource.h"
#include "resources/resourcehx2.h"
#include "resources/resourcehx9.h"
#include "resources/resourceinterface.h"
#include "resources/resourcerv38.h"

ResourceFactory::ResourceFactory(QObject *parent)
    : FactoryInterface(parent)
{
    // One line per resource class; a later type name replaces an earlier one.
    addPrototype<ResourceRV38>();
    addPrototype<KW7FunctionGeneratorResource>();
    addPrototype<KT220Resource>();
    addPrototype<ResourceHX2>();
    addPrototype<ResourceHX9>();
}

ResourceFactory::~ResourceFactory() = default;

template<class Resource>
void ResourceFactory::addPrototype()
{
    auto prototype = std::make_shared<Resource>(nullptr);
    const QString type = prototype->type();
    m_prototypes[type] = std::move(prototype);
}

QStringList ResourceFactory::availiableTypes() const
{
    QStringList types;
    for (const auto &entry : m_prototypes)
        types.append(entry.first);
    return types;
}

QObject *ResourceFactory::create(const QString &type)
{
    const auto found = m_prototypes.find(type);
    if (found == m_prototypes.end())
        return nullptr;
    return newInstanceOfPrototype<ResourceInterface>(found->second.get());
}
