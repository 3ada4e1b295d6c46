#pragma once

#include "resources/factoryinterface.h"

#include <map>
#include <memory>

class ViewInterface;

// Makes views by type name from one prototype of each view class, through the class's
// invokable constructor: a new view class needs only its prototype here.
class ViewFactory : public FactoryInterface
{
    Q_OBJECT
public:
    explicit ViewFactory(QObject *parent = nullptr);
    ~ViewFactory() override;

    QStringList availiableTypes() const override;
    // A new view without parent, owned by the caller; null for a name without a prototype
    // (the match is case-sensitive).
    QObject *create(const QString &type) override;

private:
    void addPrototype(std::shared_ptr<ViewInterface> prototype);

    std::map<QString, std::shared_ptr<ViewInterface>> m_prototypes;
};
