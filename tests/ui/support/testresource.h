#pragma once

#include "resources/resourceinterface.h"

#include <QString>

// A resource over no modules: the resource collection takes it at once, and the workspace
// stores it in arrangements under its type and id.
class TestResource : public ResourceInterface
{
    Q_OBJECT
public:
    TestResource(const QString &viewType, const QString &id)
        : m_viewType(viewType)
        , m_id(id)
    { }

    QString type() const override { return QStringLiteral("TestResource"); }
    QString viewType() const override { return m_viewType; }
    QString uniqueId() const override { return m_id; }
    bool create() override { return true; }

private:
    QString m_viewType;
    QString m_id;
};
