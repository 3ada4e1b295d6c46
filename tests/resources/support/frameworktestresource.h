#pragma once

#include "hardware/moduleinterface.h"
#include "resources/resourceinterface.h"

#include <QList>
#include <QStringList>

// A resource over any module types that records what the resource collection does to it:
// whether its modules were still held when its state was stored, in which order resources
// were stored, and the state it was given back.
class FrameworkTestResource : public ResourceInterface
{
    Q_OBJECT
public:
    FrameworkTestResource(const QString &name, const QList<ModuleTypes> &moduleTypes,
                          QObject *parent = nullptr);

    QString type() const override { return QStringLiteral("Framework Test"); }
    QString viewType() const override { return QStringLiteral("Framework Test View"); }
    bool create() override { return true; }
    ResourceState storeState() override;
    void restoreState(const ResourceState &state) override;

    // Binds the modules to the leaves in walk order.
    void bind(const QList<ModuleInterface *> &modules);

    QString name() const { return m_name; }
    bool heldWhenStored() const { return m_heldWhenStored; }
    int restoreCount() const { return m_restoreCount; }
    ResourceState restored() const { return m_restored; }

    // Names of the resources whose state was stored, in order.
    static QStringList &storeLog();

private:
    QString m_name;
    bool m_heldWhenStored = false;
    int m_restoreCount = 0;
    ResourceState m_restored;
};
