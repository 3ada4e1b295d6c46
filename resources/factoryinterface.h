#pragma once

#include <QObject>
#include <QStringList>

// Makes objects by type name.
class FactoryInterface : public QObject
{
    Q_OBJECT
public:
    explicit FactoryInterface(QObject *parent = nullptr);
    ~FactoryInterface() override;

    // The type names create() accepts.
    virtual QStringList availiableTypes() const = 0;
    // A new object of that type without parent, owned by the caller; null for any other name.
    virtual QObject *create(const QString &type) = 0;
};
