#include "ui/viewfactory.h"

#include "ui/viewbase/viewinterface.h"
#include "views/functiongenerator/functiongeneratorview.h"
#include "views/multimeter/digitalmultimeterview.h"
#include "views/oscilloscope/digitaloscilloscopeview.h"
#include "views/powersupply/powersupplyview.h"

ViewFactory::ViewFactory(QObject *parent)
    : FactoryInterface(parent)
{
    addPrototype(std::make_shared<DigitalMultimeterView>());
    addPrototype(std::make_shared<FunctionGeneratorView>());
    addPrototype(std::make_shared<DigitalOscilloscopeView>());
    addPrototype(std::make_shared<PowerSupplyView>());
}

ViewFactory::~ViewFactory() = default;

QStringList ViewFactory::availiableTypes() const
{
    QStringList types;
    for (const auto &entry : m_prototypes)
        types << entry.first;
    return types;
}

QObject *ViewFactory::create(const QString &type)
{
    const auto found = m_prototypes.find(type);
    if (found == m_prototypes.end())
        return nullptr;
    QObject *object = found->second->metaObject()->newInstance(Q_ARG(QObject *, nullptr));
    auto *view = qobject_cast<ViewInterface *>(object);
    if (!view)
        delete object;
    return view;
}

void ViewFactory::addPrototype(std::shared_ptr<ViewInterface> prototype)
{
    const QString type = prototype->type();
    m_prototypes[type] = std::move(prototype);
}
